// A host in virtual time, with exact random draws, recorded message boxes and a scripted player.
#include "harness/TestHost.h"

#include <stdexcept>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/GameTimer.h"
#include "render/Elements.h"

void ScriptedPlayer::when(std::function<bool()> ready, Action act, std::string what)
{
    steps_.push_back({[ready](uint32_t) { return ready(); }, std::move(act), std::move(what)});
}

void ScriptedPlayer::at(uint32_t clock_ms, Action act, std::string what)
{
    steps_.push_back(
        {[clock_ms](uint32_t now) { return now >= clock_ms; }, std::move(act), std::move(what)});
}

void ScriptedPlayer::click_when_clickable(QWidget* element, std::string what)
{
    when([this, element] { return clickable(element); }, [this, element] { click(element); },
         std::move(what));
}

void ScriptedPlayer::act(uint32_t now_ms)
{
    // A step is taken off before it acts, since acting may yield and come back here.
    while (!steps_.empty() && steps_.front().ready(now_ms)) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step.act();
    }
}

QWidget* ScriptedPlayer::element_at(QWidget* element) const
{
    return elements_->element_at(element);
}

Landing ScriptedPlayer::click(QWidget* element)
{
    Landing landing{element, element_at(element)};
    landings.push_back(landing);
    if (landing.took)
        elements_->press(landing.took);
    return landing;
}

// Space let go on a button held down by it clicks the button. The click is made here, as the
// toolkit makes it, rather than inside the toolkit's own key handling: a game that the click
// ends unwinds from the test host's exception, and the toolkit's frames, built without
// clean-ups for exceptions, would never let go of what they hold.
void ScriptedPlayer::key(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* window = elements_->Form1;
    QWidget* to = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(to, &press);
    to = window->focusWidget() ? window->focusWidget() : window;
    auto* button = qobject_cast<QAbstractButton*>(to);
    if (button && button->isDown() && key == Qt::Key_Space && elements_->reachable(button)) {
        button->setDown(false);
        button->click();
        return;
    }
    QApplication::sendEvent(to, &release);
}

void ScriptedPlayer::close_window()
{
    elements_->Form1->run_close();
}

TestHost::TestHost() = default;

void TestHost::sleep_ms(int32_t ms)
{
    ++sleeps;
    if (ms <= 0)
        return;
    clock_ += static_cast<uint32_t>(ms);
    slept_ms += static_cast<uint32_t>(ms);
    if (clock_ > clock_limit_ms)
        throw std::runtime_error("the game waited past the end of virtual time");
    if (!during_pause)
        return;
    held_.begin_pause();
    during_pause();
    held_.end_pause();
}

// Like the real event loop, a turn delivers the events posted to the window (so what changed
// is painted, as the window system asks) and the calls queued for it, the timer ticks that have
// fallen due (each timer once, however long it was kept waiting) and the player's input.
void TestHost::turn()
{
    QCoreApplication::sendPostedEvents();
    if (on_yield)
        on_yield();
    fire_due_timers();
    player.act(clock_);
}

// A yield inside the game is a turn that also hands over what a pause held back.
void TestHost::yield()
{
    ++yields;
    turn();
    held_.run();
}

void TestHost::fire_due_timers()
{
    for (auto& [timer, due] : due_) {
        if (!timer->enabled() || clock_ < due)
            continue;
        due = clock_ + static_cast<uint32_t>(timer->interval_ms());
        timer->tick();
    }
}

void TestHost::idle_for(uint32_t ms)
{
    const uint32_t end = clock_ + ms;
    while (clock_ < end) {
        turn();
        clock_ = std::min(end, clock_ + 10);
    }
    turn();
}

float TestHost::random()
{
    if (draws.empty() && draw_source)
        return draw_source();
    if (draws.empty())
        return static_cast<float>(fallback_() >> 8) * (1.0f / 16777216.0f);
    float r = draws.front();
    draws.pop_front();
    return r;
}

void TestHost::give_draws(std::initializer_list<float> list)
{
    draws.insert(draws.end(), list.begin(), list.end());
}

void TestHost::message_box(const QString& text)
{
    boxes.push_back(text);
}

FileCheck TestHost::file_attributes(const QString& path)
{
    file_queries.push_back(path);
    auto it = files.find(path);
    return it == files.end() ? FileCheck::Ok : it->second;
}

void TestHost::timer_changed(GameTimer& timer)
{
    if (timer.enabled())
        due_[&timer] = clock_ + static_cast<uint32_t>(timer.interval_ms());
}

void TestHost::end_process(int status)
{
    throw ProcessEnded{status};
}
