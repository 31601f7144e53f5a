// The host of the real program: real time, the real window system and the real process.
#include "platform/RealHost.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#include "platform/GameTimer.h"
#include "platform/Paths.h"

namespace {
const QString program_title = QStringLiteral("もくた君");
}

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
    pausing_ = true;
    for (auto now = clock::now(); now < deadline; now = clock::now()) {
        if (!wake.isActive())
            wake.start(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    }
    pausing_ = false;
    // The window system's source of events was woken for the input set aside
    // here; it must be woken again, or that input waits for the next event.
    QAbstractEventDispatcher::instance()->wakeUp();
}

void RealHost::yield()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    run_held_back();
}

void RealHost::deliver_input(std::function<void()> input)
{
    if (pausing_)
        held_back_.push_back(std::move(input));
    else
        input();
}

// Taken one at a time: what runs may yield and come back here.
void RealHost::run_held_back()
{
    while (!held_back_.empty()) {
        std::function<void()> input = std::move(held_back_.front());
        held_back_.pop_front();
        input();
    }
}

uint32_t RealHost::clock_ms()
{
    using namespace std::chrono;
    auto since_boot = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(since_boot.count());
}

void RealHost::seed_random_from_clock()
{
    auto now = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(now));
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
    QMessageBox box(QMessageBox::NoIcon, program_title, text, QMessageBox::Ok);
    box.exec();
}

QString RealHost::lock_path()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/mokuta.lock");
}

bool RealHost::claim_single_instance()
{
    // Only a lock whose owner has died is taken over (none goes stale by
    // age), so a crash never keeps the game from starting again.
    instance_lock_ = std::make_unique<QLockFile>(lock_path());
    instance_lock_->setStaleLockTime(0);
    return instance_lock_->tryLock(0);
}

QString RealHost::program_dir()
{
    return QCoreApplication::applicationDirPath();
}

FileCheck check_file(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? FileCheck::NotFound : FileCheck::OtherError;
    if (!S_ISREG(info.st_mode))
        return FileCheck::OtherError;
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        return FileCheck::OtherError;
    return FileCheck::Ok;
}

FileCheck RealHost::file_attributes(const QString& path)
{
    return check_file(path);
}

void RealHost::timer_changed(GameTimer& timer)
{
    QTimer*& qt_timer = timers_[&timer];
    if (!qt_timer) {
        qt_timer = new QTimer(qApp);
        qt_timer->setInterval(timer.interval_ms());
        // A tick held back by a pause comes once at the next yield, however long it waited.
        QObject::connect(qt_timer, &QTimer::timeout, [this, &timer] {
            if (!pausing_)
                timer.tick();
            else if (ticks_held_back_.insert(&timer).second)
                held_back_.push_back([this, &timer] {
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
    instance_lock_.reset();
    std::fflush(nullptr);
    std::_Exit(status);
}
