// The game's music through SDL's disk audio driver: what would reach the speakers is not silence.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/RealHost.h"
#include "sound/SdlMediaCommands.h"

TEST(DiskOutput, TheMusicIsNotSilence)
{
    const char* out = std::getenv("SDL_DISKAUDIOFILE");
    ASSERT_NE(out, nullptr) << "run with SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE set";
    {
        RealHost host;
        SdlMediaCommands mci(host);
        ASSERT_EQ(mci.send("open \"" MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid\" type sequencer alias midifile"), 0u);
        ASSERT_EQ(mci.send("play midifile from 0"), 0u);
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        mci.release();
    }
    std::ifstream in(out, std::ios::binary);
    std::vector<int16_t> samples;
    int16_t s;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s))
        samples.push_back(s);
    ASSERT_GT(samples.size(), 44100u) << "less than half a second of stereo sound was written";
    double sum = 0;
    int peak = 0;
    for (int16_t v : samples) {
        sum += static_cast<double>(v) * v;
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    }
    double rms = std::sqrt(sum / samples.size()) / 32768.0;
    EXPECT_GT(rms, 0.005);
    EXPECT_LT(peak, 32700) << "the music clips";
    std::filesystem::remove(out);
}
