// The music switch and the watchdog timer, against the commands they send.
#include <gtest/gtest.h>

#include "harness/Game.h"

using Commands = std::vector<std::string>;

namespace {

struct Music : ::testing::Test {
    LoadedGame g;
    Elements& el = g.el();
    void SetUp() override
    {
        g.past_title();
        ASSERT_EQ(g.form->Midi_Play("mokuta.mid"), 0);
    }
};

} // namespace

TEST_F(Music, SwitchingOffAndOnLeavesOneSequencePlayingFromItsStart)
{
    const std::size_t before = g.sound.sent.size();
    ASSERT_TRUE(g.host.player.click(el.Check1).on_target());
    EXPECT_FALSE(el.Check1->isChecked());
    EXPECT_EQ(g.sound.since(before), (Commands{"stop midifile ", "close midifile"}));
    EXPECT_FALSE(el.Timer1.enabled());
    EXPECT_EQ(g.form->Midi_Status(), "");

    const std::size_t off = g.sound.sent.size();
    g.host.player.click(el.Check1);
    EXPECT_TRUE(el.Check1->isChecked());
    EXPECT_EQ(g.sound.since(off), (Commands{"stop midifile ", "close midifile",
                                            "open \"/opt/mokuta/mokuta.mid\" type sequencer alias midifile",
                                            "play midifile from 0", "status midifile mode"}));
    EXPECT_TRUE(el.Timer1.enabled());
    EXPECT_EQ(g.form->Midi_Status(), "PLAYING");
}

TEST_F(Music, TheWatchdogRestartsAStoppedTuneWithinTwoSeconds)
{
    g.sound.send("stop midifile");
    const std::size_t before = g.sound.sent.size();
    g.host.idle_for(2000);
    Commands sent = g.sound.since(before);
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0], "status midifile mode");
    EXPECT_EQ(sent[1], "stop midifile ");
    EXPECT_EQ(sent[2], "play midifile from 0");
    EXPECT_EQ(g.form->Midi_Status(), "PLAYING");
    EXPECT_TRUE(el.Timer1.enabled());
}

TEST_F(Music, TheWatchdogLeavesAnyOtherModeAlone)
{
    g.sound.mode_override = "paused";
    const std::size_t before = g.sound.sent.size();
    g.host.idle_for(6000);
    for (const std::string& c : g.sound.since(before))
        EXPECT_EQ(c, "status midifile mode");
    EXPECT_EQ(g.sound.since(before).size(), 3u);
}

TEST_F(Music, AfterAFailedRestartTheMusicStaysOffUntilSwitchedOffAndOn)
{
    g.sound.send("stop midifile");
    g.sound.failing["play midifile"] = media_error::no_audio_device;
    g.host.idle_for(2000);
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_loop) error.")});
    EXPECT_FALSE(el.Timer1.enabled());
    const std::size_t quiet = g.sound.sent.size();
    g.host.idle_for(10000);
    EXPECT_EQ(g.sound.sent.size(), quiet) << "nothing tries the music again by itself";

    g.sound.failing.clear();
    g.host.player.click(el.Check1);
    g.host.player.click(el.Check1);
    EXPECT_TRUE(el.Timer1.enabled());
    EXPECT_EQ(g.form->Midi_Status(), "PLAYING");
}

TEST_F(Music, TheSwitchWorksInTheMiddleOfADay)
{
    g.form->Panel_Mode(0);
    g.st().Day_Count = 1;
    g.form->Label1_Click(0);
    g.host.player.at(g.host.clock_ms() + 1000, [&] { g.host.player.click(el.Check1); });
    g.host.player.click(el.Menu_OK);
    EXPECT_FALSE(el.Check1->isChecked());
    EXPECT_EQ(g.form->Midi_Status(), "");
    EXPECT_EQ(g.st().Day_Count, 2);
}

// The switch clicked again at each point where one switch lets events run: never a false
// error, never the music open twice, and in the end the music is what the box shows.
TEST_F(Music, ClicksInTheMiddleOfASwitchNeverGiveAFalseErrorAndTheMusicFollowsTheBox)
{
    int yields_in_two_switches = 0;
    {
        LoadedGame probe;
        probe.past_title();
        const int before = probe.host.yields;
        probe.host.player.click(probe.el().Check1);
        probe.host.player.click(probe.el().Check1);
        yields_in_two_switches = probe.host.yields - before;
    }
    ASSERT_GE(yields_in_two_switches, 4);
    for (int at = 1; at <= yields_in_two_switches + 1; ++at) {
        for (int extra_clicks : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "clicks at yield " << at << ", " << extra_clicks << " more");
            LoadedGame fresh;
            fresh.past_title();
            ASSERT_EQ(fresh.form->Midi_Play(fresh.st().App_Dir + "mokuta.mid"), 0);
            int seen = 0;
            fresh.host.on_yield = [&] {
                ++seen;
                if (seen >= at && seen < at + extra_clicks)
                    fresh.host.player.click(fresh.el().Check1);
            };
            fresh.host.player.click(fresh.el().Check1);
            fresh.host.on_yield = nullptr;
            fresh.host.idle_for(5000);
            EXPECT_TRUE(fresh.host.boxes.isEmpty()) << fresh.host.boxes.join(" ").toStdString();
            EXPECT_EQ(fresh.form->Midi_Status() == "PLAYING", fresh.el().Check1->isChecked());
            EXPECT_EQ(fresh.el().Timer1.enabled(), fresh.el().Check1->isChecked());
        }
    }
}

// The tune restarted by the watchdog while the switch is clicked: the switch has the last word.
TEST_F(Music, ASwitchWhileTheTuneRestartsLeavesNoFalseError)
{
    g.sound.send("stop midifile");
    bool clicked = false;
    g.host.on_yield = [&] {
        if (!clicked && !g.sound.sent.empty() && g.sound.sent.back() == "stop midifile ") {
            clicked = true;
            g.host.player.click(el.Check1);
        }
    };
    g.host.idle_for(4000);
    ASSERT_TRUE(clicked);
    EXPECT_TRUE(g.host.boxes.isEmpty()) << g.host.boxes.join(" ").toStdString();
    EXPECT_FALSE(el.Check1->isChecked());
    EXPECT_EQ(g.form->Midi_Status(), "");
}
