// SIGTERM, SIGINT and SIGHUP, turned into a call on the window's thread at its next chance.
#include "platform/Signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

// The handler only writes the signal's number into a pipe that the window's
// event loop watches: nothing else is safe inside a signal handler.
int pipe_ends[2] = {-1, -1};

void on_signal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] ssize_t written = ::write(pipe_ends[1], &number, 1);
    errno = saved;
}

constexpr int ending[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

EndingSignals::EndingSignals(std::function<void(int)> ended) : ended_(std::move(ended))
{
    if (::pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_ends[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        unsigned char number = 0;
        while (::read(pipe_ends[0], &number, 1) == 1)
            ended_(number);
    });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : ending)
        ::sigaction(signal, &action, nullptr);
}

EndingSignals::~EndingSignals()
{
    for (int signal : ending)
        std::signal(signal, SIG_DFL);
    notifier_.reset();
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    pipe_ends[0] = pipe_ends[1] = -1;
}
