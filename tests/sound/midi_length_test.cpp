// The length of a sequence from its events and tempo changes, and files that are not sequences.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "sound/MidiLength.h"
#include "tests/sound/midi_files.h"

TEST(MidiLength, OneBeatAndAHalfAt120IsThreeQuartersOfASecond)
{
    // 0x83 0x60 is 480 as a variable-length quantity; the end comes 240 ticks later.
    auto track = midi::one_note(0x83, 0x60);
    track.insert(track.end(), {0x81, 0x70, 0xB0, 123, 0});  // all notes off, 240 ticks on
    auto length = midi_length_seconds(midi::file({track}));
    ASSERT_TRUE(length);
    EXPECT_DOUBLE_EQ(*length, 0.75);
}

TEST(MidiLength, FollowsTempoChangesAndTheLongestTrack)
{
    std::vector<uint8_t> tempo_track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                                        0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90};
    std::vector<uint8_t> notes = {0x00, 0x90, 60, 90, 0x87, 0x40, 0x80, 60, 0};  // 960 ticks
    auto length = midi_length_seconds(midi::file({tempo_track, notes}));
    ASSERT_TRUE(length);
    // 480 ticks at half a second a beat, then 480 at a quarter second.
    EXPECT_DOUBLE_EQ(*length, 0.75);
}

TEST(MidiLength, RunningStatusIsUnderstood)
{
    std::vector<uint8_t> notes = {0x00, 0x90, 60, 90, 0x83, 0x60, 60, 0, 0x83, 0x60, 62, 90,
                                  0x83, 0x60, 62, 0};
    auto length = midi_length_seconds(midi::file({notes}));
    ASSERT_TRUE(length);
    EXPECT_DOUBLE_EQ(*length, 1.5);
}

TEST(MidiLength, RejectsWhatIsNotASequence)
{
    EXPECT_FALSE(midi_length_seconds({}));
    EXPECT_FALSE(midi_length_seconds({'M', 'T', 'h', 'd'}));
    std::vector<uint8_t> riff = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    EXPECT_FALSE(midi_length_seconds(riff));
    auto cut = midi::file({midi::one_note(0x83, 0x60)});
    cut.resize(cut.size() - 6);
    EXPECT_FALSE(midi_length_seconds(cut));
    auto lying = midi::file({midi::one_note(0x83, 0x60)});
    lying[21] = 0x7F;  // a track length far past the end of the file
    EXPECT_FALSE(midi_length_seconds(lying));
}

TEST(MidiLength, TheGamesTuneLastsAboutFiftyFiveSeconds)
{
    std::ifstream in(MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto length = midi_length_seconds(bytes);
    ASSERT_TRUE(length);
    EXPECT_NEAR(*length, 54.86, 0.01);
}
