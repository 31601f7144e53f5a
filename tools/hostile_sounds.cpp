// How long the sound player takes to open, and how much memory it takes, for the worst files a
// player could put in the game's place: each just under its kind's size limit, one of each kind.
//   hostile_sounds     (run with SDL_AUDIODRIVER=dummy where there is no sound device)
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "platform/RealHost.h"
#include "sound/SdlMediaCommands.h"

namespace {

std::size_t just_under_limit = 0;

void put32(std::vector<uint8_t>& out, uint32_t v, bool big)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (big ? 24 - 8 * i : 8 * i)));
}

std::vector<uint8_t> midi(const std::vector<uint8_t>& event, uint16_t tracks)
{
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.insert(out.end(), {static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks), 0x01, 0xE0});
    const std::size_t per_track = (just_under_limit - out.size()) / tracks - 12;
    for (uint16_t t = 0; t < tracks; ++t) {
        std::vector<uint8_t> body;
        while (body.size() + event.size() <= per_track)
            body.insert(body.end(), event.begin(), event.end());
        body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, static_cast<uint32_t>(body.size()), true);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

// A wave of silence at the given rate, its data filling the file.
std::vector<uint8_t> wave(uint32_t rate, uint16_t bits)
{
    const uint32_t data = static_cast<uint32_t>(just_under_limit - 44);
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    put32(out, data + 36, false);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0});
    put32(out, rate, false);
    put32(out, rate * bits / 8, false);
    out.insert(out.end(), {static_cast<uint8_t>(bits / 8), 0, static_cast<uint8_t>(bits), 0, 'd', 'a', 't', 'a'});
    put32(out, data, false);
    out.resize(just_under_limit, 0x80);
    return out;
}

long peak_kb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void measure(SdlMediaCommands& mci, const std::string& path, const char* what, bool music)
{
    const long before = peak_kb();
    const auto start = std::chrono::steady_clock::now();
    const uint32_t result = mci.send("open \"" + path + "\" type " + (music ? "sequencer" : "waveaudio") +
                                     " alias hostile");
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%-38s %8.1f ms  peak +%6.1f MB  %s\n", what, ms.count(), (peak_kb() - before) / 1024.0,
                result == 0 ? "opened" : mci.last_error().substr(path.size()).c_str());
    mci.send("close hostile");
}

} // namespace

// Each file is opened in a process of its own, so that each peak is its own.
int main()
{
    QTemporaryDir dir;
    struct File {
        const char* what;
        std::vector<uint8_t> bytes;
        bool music;
    };
    just_under_limit = (1u << 20) - 64;
    std::ifstream tune(MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid", std::ios::binary);
    std::vector<File> files = {
        {"the game's own tune, for comparison",
         {std::istreambuf_iterator<char>(tune), std::istreambuf_iterator<char>()}, true},
        {"MIDI, tempo changes one tick apart", midi({0x01, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}, 1), true},
        {"MIDI, notes in 1000 tracks", midi({0x00, 0x90, 60, 90, 0x01, 0x80, 60, 0}, 1000), true},
    };
    just_under_limit = (4u << 20) - 64;
    files.insert(files.end(), {
        {"wave, 16-bit at 44.1 kHz", wave(44100, 16), false},
        {"wave, 8-bit at 8 kHz", wave(8000, 8), false},
        {"wave, 8-bit at 1 kHz", wave(1000, 8), false},
    });
    for (const File& file : files) {
        const std::string path = dir.filePath(QStringLiteral("hostile")).toStdString();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.bytes.data()),
                                                   static_cast<std::streamsize>(file.bytes.size()));
        std::fflush(stdout);
        if (const pid_t child = fork(); child == 0) {
            RealHost host;
            SdlMediaCommands mci(host);
            measure(mci, path, file.what, file.music);
            std::fflush(stdout);
            mci.release();
            _exit(0);
        } else {
            waitpid(child, nullptr, 0);
        }
    }
    return 0;
}
