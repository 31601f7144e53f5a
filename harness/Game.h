// A loaded game window on a test host, as most tests start from.
#pragma once

#include <memory>


#include "app/Form1.h"
#include "render/Announcer.h"
#include "harness/FakeSound.h"
#include "harness/TestHost.h"

struct LoadedGame {
    TestHost host;
    FakeSound sound;
    std::unique_ptr<Form1> form;
    // Everything the window announced to a screen reader, in order.
    QStringList heard;

    // Without `load`, the test sets up the host first and calls load() itself.
    explicit LoadedGame(bool load_now = true)
    {
        form = std::make_unique<Form1>(host, sound);
        host.player.attach(form->el);
        QObject::connect(&form->el.announcer(), &Announcer::said, [this](const QString& s) { heard << s; });
        if (load_now)
            load();
    }
    void load() { form->Form_Load(); }
    // The game screen as it is once the title has gone, without playing the greeting.
    void past_title()
    {
        form->el.Titles->hide();
        form->el.Starts->hide();
    }
    // The everyday screen of a day under way, as the start of a game leaves it.
    void on_day(int16_t day)
    {
        past_title();
        form->Panel_Mode(0);
        form->st.Day_Count = day;
        form->st.Stand_Left = True;
    }
    GameState& st() { return form->st; }
    Elements& el() { return form->el; }
};

// Kana, kanji and the full-width forms: none may show in a game in another language. The
// ideographic space that leads every typed message is part of the instruction line's look.
inline bool has_japanese(const QString& text)
{
    for (QChar c : text)
        if ((c.unicode() >= 0x3001 && c.unicode() <= 0x30FF) || (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) ||
            (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF))
            return true;
    return false;
}

// Runs a piece of the game until the process would end; returns its status, or -999 if it went on.
template <typename F>
int status_when_ended(F&& f)
{
    try {
        f();
    } catch (const ProcessEnded& ended) {
        return ended.status;
    }
    return -999;
}
