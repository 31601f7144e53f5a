// A host in virtual time, with exact random draws, recorded message boxes and a scripted player.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <QString>
#include <Qt>
#include <QStringList>

#include "platform/HeldInput.h"
#include "platform/Host.h"

class Elements;
class FormWindow;
class QWidget;

// Thrown where the real program would end; the test catches it.
struct ProcessEnded {
    int status;
};

// Where a scripted click went: the element it meant, and the one that took it.
struct Landing {
    QWidget* meant = nullptr;
    QWidget* took = nullptr;
    bool on_target() const { return meant && meant == took; }
};

class ScriptedPlayer {
public:
    using Action = std::function<void()>;

    void attach(Elements& elements) { elements_ = &elements; }

    // Each step waits for its condition and acts once, at the first yield that finds it true.
    void when(std::function<bool()> ready, Action act, std::string what = {});
    void at(uint32_t clock_ms, Action act, std::string what = {});
    void click_when_clickable(QWidget* element, std::string what = {});

    // A click where a person would click: the middle of the element, taken
    // by whatever is shown and enabled at that point of the window.
    Landing click(QWidget* element);
    QWidget* element_at(QWidget* element) const;
    bool clickable(QWidget* element) const { return element_at(element) == element; }
    void close_window();
    // A key pressed and let go, as the keyboard sends it to the focused element.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    bool pending() const { return !steps_.empty(); }
    // Runs the steps that are ready; called at every yield.
    void act(uint32_t now_ms);
    std::vector<Landing> landings;

private:
    struct Step {
        std::function<bool(uint32_t)> ready;
        Action act;
        std::string what;
    };
    Elements* elements_ = nullptr;
    std::deque<Step> steps_;
};

class TestHost : public Host {
public:
    TestHost();

    void sleep_ms(int32_t ms) override;
    void yield() override;
    uint32_t clock_ms() override { return clock_; }
    void seed_random_from_clock() override { ++seedings; }
    float random() override;
    void message_box(const QString& text) override;
    void note(const QString& line) override { notes.push_back(line); }
    bool claim_single_instance() override { return !another_copy_running; }
    QString program_dir() override { return dir; }
    FileCheck file_attributes(const QString& path) override;
    QString file_problem(const QString& path) override { return QStringLiteral("%1: no good").arg(path); }
    bool has_japanese_font() override { return japanese_font; }
    void timer_changed(GameTimer& timer) override;
    void deliver_input(std::function<void()> input) override { held_.deliver(std::move(input)); }
    [[noreturn]] void end_process(int status) override;

    // One turn of the window's own event loop, outside anything the game is doing.
    void turn();
    // Lets the window sit idle for a while: timers tick and the player acts.
    void idle_for(uint32_t ms);
    void give_draws(std::initializer_list<float> draws);

    ScriptedPlayer player;
    // Looks at the window at every yield, before the player acts.
    std::function<void()> on_yield;
    // What happens outside while the game pauses, with its clock at the pause's end.
    std::function<void()> during_pause;
    QString dir = QStringLiteral("/opt/mokuta");
    bool another_copy_running = false;
    std::map<QString, FileCheck> files;  // paths not listed are present
    QStringList boxes;
    QStringList notes;
    bool japanese_font = true;
    std::vector<QString> file_queries;
    int seedings = 0;
    int yields = 0;
    int sleeps = 0;
    uint32_t slept_ms = 0;
    // A test that waits for ever fails instead: virtual time stops here.
    uint32_t clock_limit_ms = 6u * 60u * 60u * 1000u;
    std::deque<float> draws;
    // Where draws come from once the given ones are used up, if set.
    std::function<float()> draw_source;
    uint32_t clock_ = 0;

private:
    void fire_due_timers();
    std::mt19937 fallback_{12345};
    HeldInput held_;
    std::map<GameTimer*, uint32_t> due_;
};
