// The real sound player over SDL2_mixer, on SDL's dummy audio driver: commands, answers, bad files.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <SDL.h>

#include "sound/SdlMediaCommands.h"
#include "tests/sound/midi_files.h"
#include "harness/TestHost.h"

namespace fs = std::filesystem;

namespace {

const std::string sounds = MOKUTA_SOURCE_DIR "/assets/sounds/";

struct Player : ::testing::Test {
    TestHost host;
    SdlMediaCommands mci{host};
    QTemporaryDir dir;

    std::string path(const std::string& name) { return dir.path().toStdString() + "/" + name; }
    std::string mode(const std::string& alias)
    {
        std::string answer;
        mci.send("status " + alias + " mode", &answer, 15);
        return answer;
    }
    uint32_t open_wave(const std::string& file)
    {
        return mci.send("open \"" + file + "\" type waveaudio alias waveaudio");
    }
    uint32_t open_music(const std::string& file)
    {
        return mci.send("open \"" + file + "\" type sequencer alias midifile");
    }
};

} // namespace

TEST(AudioDevice, OpensOnFirstUseNotAtStartUp)
{
    TestHost host;
    SdlMediaCommands mci(host);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    mci.send("status midifile mode");
    mci.send("close waveaudio");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "questions and closes need no sound device";
    ASSERT_EQ(mci.send("open \"" + sounds + "b2.wav\" type waveaudio alias waveaudio"), 0u);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    mci.release();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "released before the process ends";
}

TEST_F(Player, ADeviceThatIsNotOpenAnswersNothing)
{
    std::string answer = "old";
    EXPECT_NE(mci.send("status midifile mode", &answer, 15), 0u);
    EXPECT_EQ(answer, "");
    EXPECT_NE(mci.send("close waveaudio"), 0u);
    EXPECT_NE(mci.send("stop midifile "), 0u);
    EXPECT_NE(mci.send("play midifile from 0"), 0u);
}

TEST_F(Player, CommandsItDoesNotKnowAreErrors)
{
    for (const char* nonsense : {"", "open", "open b1.wav type waveaudio alias w", "dance midifile",
                                 "open \"x.wav\" type video alias v", "open \"x.wav\" alias v"})
        EXPECT_NE(mci.send(nonsense), 0u) << nonsense;
}

TEST_F(Player, AWavePlaysWithoutBlockingAndANewOneCutsItOff)
{
    ASSERT_EQ(open_wave(sounds + "b1.wav"), 0u);
    EXPECT_EQ(mci.send("play waveaudio from 0"), 0u);
    EXPECT_EQ(mode("waveaudio"), "playing");
    EXPECT_NE(open_wave(sounds + "b2.wav"), 0u) << "the alias is taken until it is closed";
    EXPECT_EQ(mci.send("close waveaudio"), 0u);
    ASSERT_EQ(open_wave(sounds + "b2.wav"), 0u);
    EXPECT_EQ(mci.send("play waveaudio from 0"), 0u);
    EXPECT_EQ(mode("waveaudio"), "playing");
    EXPECT_EQ(mci.send("close waveaudio"), 0u);
}

TEST_F(Player, BadWavesAreRefused)
{
    midi::write(path("text.wav"), {'h', 'e', 'l', 'l', 'o'});
    midi::write(path("empty.wav"), {});
    EXPECT_EQ(open_wave(path("missing.wav")), media_error::file_not_found);
    EXPECT_NE(open_wave(path("text.wav")), 0u);
    EXPECT_NE(open_wave(path("empty.wav")), 0u);
    EXPECT_NE(open_wave(sounds + "mokuta.mid"), 0u);
    EXPECT_NE(open_wave(dir.path().toStdString()), 0u);
}

TEST_F(Player, PathsWithSpacesAndDoubleQuotesOpenAndCannotBreakTheCommand)
{
    fs::create_directories(path("with spaces"));
    fs::copy_file(sounds + "b3.wav", path("with spaces/b 3.wav"));
    EXPECT_EQ(open_wave(path("with spaces/b 3.wav")), 0u);
    EXPECT_EQ(mci.send("close waveaudio"), 0u);

    fs::create_directories(path("a\"b"));
    fs::copy_file(sounds + "b3.wav", path("a\"b/b3.wav"));
    EXPECT_EQ(open_wave(path("a\"b/b3.wav")), 0u);
    EXPECT_EQ(mci.send("close waveaudio"), 0u);
    EXPECT_NE(open_music(path("a\" type waveaudio alias midifile \"")), 0u);
    EXPECT_NE(mci.send("status midifile mode"), 0u);
}

// A file past the size the game's own sounds could have, or one whose sizes lie, is told as
// broken; a FIFO is never opened, so nothing waits on it.
TEST_F(Player, FilesThatLieOrAreTooLargeOrAreNotPlainFilesAreRefusedAsBroken)
{
    std::ifstream in(sounds + "b3.wav", std::ios::binary);
    std::vector<uint8_t> wave((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> lying = wave;
    lying[40] = lying[41] = lying[42] = lying[43] = 0xFF;  // a data chunk of 4 GB
    midi::write(path("lying.wav"), lying);
    wave.resize(5u << 20);
    midi::write(path("long.wav"), wave);
    std::vector<uint8_t> tempos;
    for (int i = 0; i < 140000; ++i)
        tempos.insert(tempos.end(), {0x01, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    midi::write(path("tempos.mid"), midi::file({tempos}));
    tempos.resize(tempos.size() + (1u << 20), 0x00);
    midi::write(path("long.mid"), midi::file({tempos}));
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);

    for (const char* name : {"lying.wav", "long.wav"}) {
        EXPECT_EQ(open_wave(path(name)), media_error::bad_file) << name;
        EXPECT_EQ(mci.last_error(), path(name) + " is not a wave file");
    }
    EXPECT_EQ(open_music(path("long.mid")), media_error::bad_file);
    EXPECT_EQ(mci.last_error(), path("long.mid") + " is not a MIDI file with notes in it");
    EXPECT_EQ(open_wave(path("fifo")), media_error::bad_file);
    EXPECT_EQ(open_music(path("fifo")), media_error::bad_file);
    EXPECT_EQ(mci.last_error(), path("fifo") + " is not a plain file");
    // Just under the limit, a hundred and forty thousand tempo changes make a sequence like any other.
    EXPECT_EQ(open_music(path("tempos.mid")), 0u);
}

TEST_F(Player, BadSequencesAreRefused)
{
    midi::write(path("empty.mid"), {});
    midi::write(path("noise.mid"), {'M', 'T', 'h', 'd', 0, 0, 0, 6, 9, 9, 9, 9, 9, 9, 1, 2, 3});
    auto silent = midi::file({{}});
    midi::write(path("silent.mid"), silent);
    EXPECT_EQ(open_music(path("missing.mid")), media_error::file_not_found);
    EXPECT_NE(open_music(path("empty.mid")), 0u);
    EXPECT_NE(open_music(path("noise.mid")), 0u);
    EXPECT_NE(open_music(path("silent.mid")), 0u) << "a sequence of no length would never play";
    EXPECT_NE(open_music(sounds + "b1.wav"), 0u);
    EXPECT_EQ(mode("midifile"), "");
}

TEST_F(Player, AShortSequencePlaysAndThenReportsStopped)
{
    midi::write(path("short.mid"), midi::file({midi::one_note(0x83, 0x60)}));  // half a second
    ASSERT_EQ(open_music(path("short.mid")), 0u);
    EXPECT_EQ(mode("midifile"), "stopped");
    ASSERT_EQ(mci.send("play midifile from 0"), 0u);
    EXPECT_EQ(mode("midifile"), "playing");
    host.sleep_ms(400);
    EXPECT_EQ(mode("midifile"), "playing");
    host.sleep_ms(200);
    EXPECT_EQ(mode("midifile"), "stopped");
    // Played again from its start, it plays again.
    ASSERT_EQ(mci.send("play midifile from 0"), 0u);
    EXPECT_EQ(mode("midifile"), "playing");
    EXPECT_EQ(mci.send("stop midifile "), 0u);
    EXPECT_EQ(mode("midifile"), "stopped");
    EXPECT_EQ(mci.send("close midifile"), 0u);
    EXPECT_EQ(mode("midifile"), "");
}

TEST_F(Player, TheGamesMusicOpensByItsBareNameFromTheCurrentDirectory)
{
    fs::path before = fs::current_path();
    fs::current_path(sounds);
    EXPECT_EQ(open_music("mokuta.mid"), 0u);
    fs::current_path(before);
    EXPECT_EQ(mci.send("play midifile from 0"), 0u);
    EXPECT_EQ(mode("midifile"), "playing");
    mci.release();
    EXPECT_EQ(mode("midifile"), "");
}

TEST(SoundFont, ThePlayersOwnPlainFilesWinAndAnythingElseIsSkipped)
{
    QTemporaryDir dir;
    const std::string mine = dir.path().toStdString() + "/my.sf2";
    const std::string fifo = dir.path().toStdString() + "/fifo.sf2";
    midi::write(mine, {'R', 'I', 'F', 'F'});
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    setenv("SDL_SOUNDFONTS", (fifo + ";" + mine + ":/no/such.sf2").c_str(), 1);
    EXPECT_EQ(SdlMediaCommands::choose_soundfont(), mine);
    setenv("SDL_SOUNDFONTS", fifo.c_str(), 1);
    std::string chosen = SdlMediaCommands::choose_soundfont();
    unsetenv("SDL_SOUNDFONTS");
    EXPECT_EQ(chosen, SdlMediaCommands::choose_soundfont()) << "Debian's own, as if none were named";
    EXPECT_TRUE(fs::is_regular_file(chosen)) << chosen;
}
