// The host of the real program: real time, the real window system and the real process.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>

#include <QString>

#include "platform/HeldInput.h"
#include "platform/Host.h"

class QTimer;

class RealHost : public Host {
public:
    RealHost();
    ~RealHost() override;

    void sleep_ms(int32_t ms) override;
    void yield() override;
    uint32_t clock_ms() override;
    void seed_random_from_clock() override;
    float random() override;
    void message_box(const QString& text) override;
    void note(const QString& line) override;
    bool claim_single_instance() override;
    QString program_dir() override;
    FileCheck file_attributes(const QString& path) override;
    QString file_problem(const QString& path) override;
    bool has_japanese_font() override;
    void timer_changed(GameTimer& timer) override;
    void deliver_input(std::function<void()> input) override;
    [[noreturn]] void end_process(int status) override;

    // Where the lock of the running copy lives: the user's runtime folder.
    static QString lock_path();
    // Where it lives when the runtime folder cannot hold it: the user's own file in the temporary folder.
    static QString fallback_lock_path();

private:
    std::mt19937 generator_;
    // While the game pauses, the window keeps painting and answering
    // assistive tools, but what would move the game on waits.
    HeldInput held_;
    std::set<GameTimer*> ticks_held_back_;
    // Held open for the life of the process; the kernel lets the lock go
    // when the process ends, however it ends.
    int instance_lock_ = -1;
    std::map<GameTimer*, QTimer*> timers_;
};

// The file check on its own, so that it can be tried on real files; `why`
// gets the reason in a few words when the file cannot be used.
FileCheck check_file(const QString& path, QString* why = nullptr);
