// The host of the real program: real time, the real window system and the real process.
#include "platform/RealHost.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>

#include "platform/GameTimer.h"
#include "platform/Paths.h"


RealHost::RealHost() = default;
RealHost::~RealHost() = default;

// The pause runs the window's own business (painting, the window system,
// assistive tools asking about the elements) but holds back the player's
// clicks and keys, the timer's ticks and anything else that would move the
// game on: those come at the next yield, as if the pause had blocked.
void RealHost::sleep_ms(int32_t ms)
{
    if (ms <= 0)
        return;
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::milliseconds(ms);
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    held_.begin_pause();
    for (auto now = clock::now(); now < deadline; now = clock::now()) {
        if (!wake.isActive())
            wake.start(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    held_.end_pause();
    // The window system's source of events was woken for the input set aside
    // here; it must be woken again, or that input waits for the next event.
    QAbstractEventDispatcher::instance()->wakeUp();
}

void RealHost::yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    held_.run();
}

void RealHost::deliver_input(std::function<void()> input)
{
    held_.deliver(std::move(input));
}

uint32_t RealHost::clock_ms()
{
    using namespace std::chrono;
    auto since_boot = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(since_boot.count());
}

// A test that must meet the same days every run names a seed in MOKUTA_SEED.
void RealHost::seed_random_from_clock()
{
    bool fixed = false;
    const uint seed = qEnvironmentVariable("MOKUTA_SEED").toUInt(&fixed);
    auto now = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(fixed ? seed : static_cast<std::mt19937::result_type>(now));
}

float RealHost::random()
{
    // 24 random bits make every float of the form k / 2^24, so 1.0 never comes out.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

void RealHost::message_box(const QString& text)
{
    // Also said on the terminal, for whoever started the game from one.
    std::fprintf(stderr, "mokuta: %s\n", text.toUtf8().constData());
    // The boxes carry the program's title, in the language the game speaks.
    const QString title = QCoreApplication::translate("RealHost", "もくた君");
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

void RealHost::note(const QString& line)
{
    std::fprintf(stderr, "mokuta: %s\n", line.toUtf8().constData());
}

QString RealHost::lock_path()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/mokuta.lock");
    return fallback_lock_path();
}

QString RealHost::fallback_lock_path()
{
    return QDir::tempPath() + QStringLiteral("/mokuta-%1.lock").arg(::getuid());
}

namespace {

enum class Lock { taken, held_elsewhere, unusable };

// Takes the kernel lock on the file; `fd` keeps it, or `why` says what went wrong.
Lock take_lock(const QString& file, int& fd, int& why)
{
    const QByteArray path = QFile::encodeName(file);
    fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        why = errno;
        return Lock::unusable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Lock::taken;
    why = errno;
    ::close(fd);
    fd = -1;
    return why == EWOULDBLOCK ? Lock::held_elsewhere : Lock::unusable;
}

} // namespace

// One copy per user session: a kernel lock on a file in the runtime folder, or, where that
// folder cannot hold one, on the user's own file in the temporary folder. Only a living copy
// holds it, so no file left behind (empty, garbage, or a crashed copy's) ever keeps the game
// from starting. Where no lock can be made at all, the game says so and plays on rather than
// claim another copy.
bool RealHost::claim_single_instance()
{
    int why = 0;
    QString path = lock_path();
    Lock lock = take_lock(path, instance_lock_, why);
    if (lock == Lock::unusable && path != fallback_lock_path()) {
        note(QStringLiteral("cannot make the one-copy lock %1 (%2); using %3 instead")
                 .arg(path, QString::fromLocal8Bit(std::strerror(why)), fallback_lock_path()));
        path = fallback_lock_path();
        lock = take_lock(path, instance_lock_, why);
    }
    if (lock == Lock::unusable)
        note(QStringLiteral("cannot make the one-copy lock %1 (%2); playing on without it")
                 .arg(path, QString::fromLocal8Bit(std::strerror(why))));
    return lock != Lock::held_elsewhere;
}

QString RealHost::program_dir()
{
    return QCoreApplication::applicationDirPath();
}

FileCheck check_file(const QString& path, QString* why)
{
    auto fail = [why](FileCheck result, const QString& reason) {
        if (why)
            *why = reason;
        return result;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        return fail(error == ENOENT ? FileCheck::NotFound : FileCheck::OtherError,
                    QString::fromLocal8Bit(std::strerror(error)));
    }
    if (S_ISDIR(info.st_mode))
        return fail(FileCheck::OtherError, QStringLiteral("is a directory, not a file"));
    if (!S_ISREG(info.st_mode))
        return fail(FileCheck::OtherError, QStringLiteral("is not a plain file"));
    if (::access(name.constData(), R_OK) != 0)
        return fail(FileCheck::OtherError, QString::fromLocal8Bit(std::strerror(errno)));
    return FileCheck::Ok;
}

FileCheck RealHost::file_attributes(const QString& path)
{
    return check_file(path);
}

QString RealHost::file_problem(const QString& path)
{
    QString why;
    check_file(path, &why);
    return why;
}

bool RealHost::has_japanese_font()
{
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

void RealHost::timer_changed(GameTimer& timer)
{
    QTimer*& qt_timer = timers_[&timer];
    if (!qt_timer) {
        qt_timer = new QTimer(qApp);
        qt_timer->setInterval(timer.interval_ms());
        // A tick held back by a pause comes once at the next yield, however long it waited.
        QObject::connect(qt_timer, &QTimer::timeout, [this, &timer] {
            if (!held_.pausing())
                timer.tick();
            else if (ticks_held_back_.insert(&timer).second)
                held_.hold([this, &timer] {
                    ticks_held_back_.erase(&timer);
                    timer.tick();
                });
        });
    }
    if (timer.enabled())
        qt_timer->start();
    else
        qt_timer->stop();
}

void RealHost::end_process(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}
