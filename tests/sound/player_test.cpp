// The sound player's procedures: the exact commands they send, their error boxes and the music timer.
#include <gtest/gtest.h>

#include "harness/Game.h"

using Commands = std::vector<std::string>;

TEST(WavePlay, ClosesTwiceOpensByFullPathAndPlaysFromTheStart)
{
    LoadedGame g;
    g.form->Wave_Play(g.st().App_Dir + "b1.wav");
    EXPECT_EQ(g.sound.sent, (Commands{"close waveaudio", "close waveaudio",
                                      "open \"/opt/mokuta/b1.wav\" type waveaudio alias waveaudio",
                                      "play waveaudio from 0"}));
    EXPECT_TRUE(g.host.boxes.isEmpty());
}

TEST(WavePlay, FailuresAreSilent)
{
    LoadedGame g;
    g.sound.failing["open"] = media_error::file_not_found;
    g.form->Wave_Play(QStringLiteral("/nowhere/b2.wav"));
    g.form->Wave_Stop();
    EXPECT_TRUE(g.host.boxes.isEmpty());
    EXPECT_EQ(g.sound.sent.back(), "close waveaudio");
}

TEST(MidiPlay, OpensPlaysWaitsForPlayingAndStartsTheTimer)
{
    LoadedGame g;
    EXPECT_EQ(g.form->Midi_Play(QStringLiteral("mokuta.mid")), 0);
    EXPECT_EQ(g.sound.sent, (Commands{"open \"mokuta.mid\" type sequencer alias midifile",
                                      "play midifile from 0", "status midifile mode"}));
    EXPECT_TRUE(g.el().Timer1.enabled());
    EXPECT_TRUE(g.host.boxes.isEmpty());
}

TEST(MidiPlay, AFailedOpenSaysSoAndLeavesTheTimerOff)
{
    LoadedGame g;
    g.el().Timer1.set_enabled(true);
    g.sound.failing["open"] = media_error::no_audio_device;
    EXPECT_EQ(g.form->Midi_Play(QStringLiteral("mokuta.mid")), 266);
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_open) error.")});
    EXPECT_FALSE(g.el().Timer1.enabled());
    EXPECT_EQ(g.sound.sent.size(), 1u);
}

TEST(MidiPlay, AFailedPlaySaysSoAndLeavesTheTimerOff)
{
    LoadedGame g;
    g.sound.failing["play midifile"] = media_error::bad_file;
    EXPECT_EQ(g.form->Midi_Play(QStringLiteral("mokuta.mid")), 296);
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_play) error.")});
    EXPECT_FALSE(g.el().Timer1.enabled());
}

TEST(MidiPlay, AnEmptyPathPlaysWhatIsOpen)
{
    LoadedGame g;
    g.form->Midi_Play(QStringLiteral("mokuta.mid"));
    const std::size_t before = g.sound.sent.size();
    EXPECT_EQ(g.form->Midi_Play(QString()), 0);
    EXPECT_EQ(g.sound.since(before), (Commands{"play midifile from 0", "status midifile mode"}));
}

TEST(MidiPlay, ASequencerThatNeverPlaysDoesNotHangTheGame)
{
    LoadedGame g;
    g.sound.mode_override = "paused";
    const uint32_t start = g.host.clock_ms();
    EXPECT_NE(g.form->Midi_Play(QStringLiteral("mokuta.mid")), 0);
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_play) error.")});
    EXPECT_FALSE(g.el().Timer1.enabled());
    EXPECT_LE(g.host.clock_ms() - start, 5100u);
}

TEST(MidiStop, StopsWaitsAndClosesSilentlyEvenWhenNothingIsOpen)
{
    LoadedGame g;
    g.el().Timer1.set_enabled(true);
    const uint32_t start = g.host.clock_ms();
    g.form->Midi_Stop();
    EXPECT_EQ(g.sound.sent, (Commands{"stop midifile ", "close midifile"}));
    EXPECT_EQ(g.host.clock_ms() - start, 100u);
    EXPECT_TRUE(g.host.boxes.isEmpty());
    EXPECT_FALSE(g.el().Timer1.enabled());
}

TEST(MidiLoop, RestartsFromTheStart)
{
    LoadedGame g;
    g.form->Midi_Play(QStringLiteral("mokuta.mid"));
    const std::size_t before = g.sound.sent.size();
    g.form->Midi_Loop();
    EXPECT_EQ(g.sound.since(before), (Commands{"stop midifile ", "play midifile from 0",
                                               "status midifile mode"}));
    EXPECT_TRUE(g.el().Timer1.enabled());
}

TEST(MidiLoop, AFailedRestartSaysSoAndLeavesTheTimerOff)
{
    LoadedGame g;
    g.form->Midi_Play(QStringLiteral("mokuta.mid"));
    g.sound.failing["play midifile"] = media_error::no_audio_device;
    g.form->Midi_Loop();
    EXPECT_EQ(g.host.boxes, QStringList{QStringLiteral("MCI(midi_loop) error.")});
    EXPECT_FALSE(g.el().Timer1.enabled());
}

TEST(MidiStatus, UpperCaseAndEmptyWhenClosed)
{
    LoadedGame g;
    EXPECT_EQ(g.form->Midi_Status(), QString());
    g.form->Midi_Play(QStringLiteral("mokuta.mid"));
    EXPECT_EQ(g.form->Midi_Status(), QStringLiteral("PLAYING"));
    g.sound.send("stop midifile");
    EXPECT_EQ(g.form->Midi_Status(), QStringLiteral("STOPPED"));
    g.form->Midi_Stop();
    EXPECT_EQ(g.form->Midi_Status(), QString());
}

TEST(Unload, ClosesBothDevicesBeforeTheProcessEnds)
{
    LoadedGame g;
    g.form->Midi_Play(QStringLiteral("mokuta.mid"));
    const std::size_t before = g.sound.sent.size();
    EXPECT_EQ(status_when_ended([&] { g.host.player.close_window(); }), 0);
    EXPECT_EQ(g.sound.since(before), (Commands{"close waveaudio", "stop midifile ",
                                               "close midifile"}));
    EXPECT_EQ(g.sound.releases, 1);
}
