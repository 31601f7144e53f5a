// SIGTERM, SIGINT and SIGHUP, turned into a call on the window's thread at its next chance.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

class EndingSignals {
public:
    // `ended` gets the signal's number; it runs on the window's thread, never in the handler.
    explicit EndingSignals(std::function<void(int signal)> ended);
    ~EndingSignals();
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

private:
    std::function<void(int)> ended_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// The exit status of a program ended by the signal, as a shell reports it.
inline int status_for_signal(int signal) { return 128 + signal; }
