// What comes from outside while the game pauses is held through the pause and taken up as soon
// as the game hands the window back; a request to end the game is acted on in the pause itself.
#include <gtest/gtest.h>

#include "harness/Game.h"

namespace {

using Sequence = std::function<void(LoadedGame&)>;

// はじめ: from the title to the first day's instruction, typed out.
void start(LoadedGame& g)
{
    ASSERT_TRUE(g.host.player.click(g.el().Starts).on_target());
}

// A day played with its first plan, up to the next day's instruction.
void play_a_day(LoadedGame& g)
{
    g.on_day(1);
    g.st().Shuffle_OK = True;
    ASSERT_TRUE(g.host.player.click(g.el().Label1[0]).on_target());
    ASSERT_TRUE(g.host.player.click(g.el().Menu_OK).on_target());
}

// How many pauses the sequence makes; the same game makes the same ones every time.
int pauses_in(const Sequence& sequence)
{
    LoadedGame g;
    int pauses = 0;
    g.host.during_pause = [&pauses] { ++pauses; };
    sequence(g);
    return pauses;
}

// Runs the sequence with `request` sent from outside during its last pause.
void with_request_in_last_pause(LoadedGame& g, const Sequence& sequence, std::function<void()> request)
{
    const int last = pauses_in(sequence);
    ASSERT_GT(last, 0);
    g.host.during_pause = [&g, last, request, n = 0]() mutable {
        if (++n == last)
            request();
    };
    sequence(g);
}

struct PauseEnd : ::testing::TestWithParam<std::pair<const char*, Sequence>> {
    LoadedGame g;
    const Sequence& sequence = GetParam().second;
};

} // namespace

TEST_P(PauseEnd, AnAssistiveToolsPressIsTakenAtTheWindowsNextTurn)
{
    bool answered = false;
    with_request_in_last_pause(g, sequence, [this, &answered] {
        g.el().press_when_reachable(g.el().Label1[1]);
        g.host.deliver_input([&answered] { answered = true; });
    });
    ASSERT_FALSE(answered) << "the sequence went on after its last pause";
    ASSERT_NE(g.st().Plan_No, 1);
    g.host.turn();
    EXPECT_TRUE(answered);
    EXPECT_EQ(g.st().Plan_No, 1) << "the held press of the second plan";
}

TEST_P(PauseEnd, ClosingTheWindowEndsTheGameInThePause)
{
    bool came_back = false;
    const int status = status_when_ended([&] {
        with_request_in_last_pause(g, sequence, [this, &came_back] {
            g.host.player.close_window();
            came_back = true;
        });
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(came_back) << "the close waited for the game";
}

INSTANTIATE_TEST_SUITE_P(LastPauses, PauseEnd,
                         ::testing::Values(std::pair<const char*, Sequence>{"start", start},
                                           std::pair<const char*, Sequence>{"day", play_a_day}),
                         [](const auto& info) { return std::string(info.param.first); });
