// The sound player's commands carried out with SDL2_mixer: wave effects and the MIDI music.
#include "sound/SdlMediaCommands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "sound/SdlLibrary.h"
#include "sound/SoundFonts.h"

#include "platform/Host.h"
#include "sound/MidiLength.h"
#include "sound/WaveCheck.h"

namespace {

// Wave effects take turns on one channel: a new one cuts off the one before.
constexpr int wave_channel = 0;
// The game's own sound files are a few hundred kilobytes at most; a file past these is not one
// of them, and is refused as a broken one before any of it is looked at. A sequence of several
// minutes is tens of kilobytes, so a sequence is held to less than a wave.
constexpr std::uintmax_t largest_wave_file = 4u << 20;
constexpr std::uintmax_t largest_midi_file = 1u << 20;

enum class Reading { ok, missing, not_plain, too_large, unreadable };

// A FIFO or a device is never opened: reading it could wait for ever.
Reading read_file(const std::string& path, std::uintmax_t largest, std::vector<uint8_t>& bytes)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Reading::missing;
    if (!std::filesystem::is_regular_file(status))
        return Reading::not_plain;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Reading::unreadable;
    if (size > largest)
        return Reading::too_large;
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return size == 0 && in ? Reading::ok : Reading::unreadable;
    return Reading::ok;
}

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool is_plain_file(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The audio system and the mixer opened; nothing, or why they cannot be.
std::optional<std::string> open_mixer(const SdlLibrary& sdl)
{
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) != 0 || sdl.OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        std::string why = sdl.GetError();
        if (const char* driver = std::getenv("SDL_AUDIODRIVER"); driver && *driver)
            why += std::string(" (SDL_AUDIODRIVER=") + driver + ")";
        sdl.QuitSubSystem(SDL_INIT_AUDIO);
        return why;
    }
    sdl.AllocateChannels(1);
    return std::nullopt;
}

} // namespace

SdlMediaCommands::SdlMediaCommands(Host& host) : host_(host) {}

SdlMediaCommands::~SdlMediaCommands()
{
    release();
}

// A FIFO or a device named as a SoundFont would hold the music's opening for ever, so only
// plain files are passed on; the rest of the player's list is skipped, each with a line for
// the terminal. With nothing left, the first General MIDI SoundFont that Debian installs.
std::string SdlMediaCommands::choose_soundfont()
{
    const char* given = std::getenv("SDL_SOUNDFONTS");
    std::string list = given ? given : "";
    std::replace(list.begin(), list.end(), ';', ':');  // the list may be split either way
    std::istringstream paths(list);
    std::string chosen;
    for (std::string path; std::getline(paths, path, ':');) {
        if (path.empty())
            continue;
        if (is_plain_file(path))
            chosen += (chosen.empty() ? "" : ":") + path;
        else
            std::fprintf(stderr, "mokuta: the SoundFont %s is not a plain file; skipped\n", path.c_str());
    }
    if (!chosen.empty())
        return chosen;
    for (const char* candidate : debian_soundfonts)
        if (is_plain_file(candidate))
            return candidate;
    return {};
}

// The sound server takes the mixer's icon from the client's properties.
void SdlMediaCommands::show_the_icon_in_the_mixer()
{
    ::setenv("PULSE_PROP_application.icon_name", "jp.mokuta_kun.mokuta", 0);
}

void SdlMediaCommands::name_the_stream(std::string game, std::string stream)
{
    game_name_ = std::move(game);
    stream_name_ = std::move(stream);
}

// SDL_mixer and what it brings (the synthesiser, the sound server's client)
// take some 20 ms to load, which the window would not answer in; at はじめ they
// load on a thread of their own while the greeting shows.
void SdlMediaCommands::get_ready()
{
    if (sdl_ || audio_failed_ || library_.valid())
        return;
    library_ = std::async(std::launch::async, [] {
        std::string why;
        const SdlLibrary* sdl = SdlLibrary::load(why);
        return std::make_pair(sdl, why);
    });
}

// Waited for in short pauses, as a tune is.
const SdlLibrary* SdlMediaCommands::load_library()
{
    if (!library_.valid())
        return SdlLibrary::load(audio_error_);
    while (library_.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        host_.sleep_ms(4);
    auto [sdl, why] = library_.get();
    audio_error_ = why;
    return sdl;
}

// The audio device opens the first time a sound is opened, not at start-up,
// and a machine without one is asked only once.
bool SdlMediaCommands::audio_ready()
{
    if (audio_open_ || audio_failed_ || audio_lost_)
        return audio_open_;
    sdl_ = load_library();
    if (!sdl_) {
        audio_failed_ = true;
        return false;
    }
    // The game handles SIGTERM and SIGINT itself; SDL's own handlers would
    // swallow them into quit events that nothing reads.
    sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_->SetHint(SDL_HINT_APP_NAME, game_name_.c_str());
    sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, game_name_.c_str());
    if (!stream_name_.empty())
        sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, stream_name_.c_str());
    sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
    if (!open_audio()) {
        audio_failed_ = true;
        return false;
    }
    std::string soundfont = choose_soundfont();
    if (!soundfont.empty())
        sdl_->SetSoundFonts(soundfont.c_str());
    return true;
}

bool SdlMediaCommands::open_audio()
{
    if (std::optional<std::string> why = open_mixer(*sdl_)) {
        audio_error_ = *why;
        return false;
    }
    audio_open_ = true;
    return true;
}

// A tune still being read is waited for: the mixer must not close under it.
void SdlMediaCommands::close_audio()
{
    settle_reopening();
    for (auto& [path, tune] : tunes_)
        tune.wait();
    if (!audio_open_)
        return;
    sdl_->CloseAudio();
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    audio_open_ = false;
}

// A sound server that restarts takes the device with it, while the mixer still
// holds what it was playing; the device is opened again (with the audio system,
// whose connection to the server died too), and whatever played counts as
// stopped so that the music's watchdog starts it again. SDL numbers the mixer's
// device 2, after the one it keeps for its older interface.
bool SdlMediaCommands::sound_goes_on()
{
    constexpr SDL_AudioDeviceID mixer_device = 2;
    if (audio_lost_)
        return reopen_now_and_then();
    if (!audio_open_ || sdl_->GetAudioDeviceStatus(mixer_device) != SDL_AUDIO_STOPPED)
        return audio_open_;
    reopen_lost_audio();
    audio_lost_ = true;
    lost_ms_ = host_.clock_ms();
    last_reopen_ms_ = lost_ms_;
    return false;
}

// SDL lets a device's last buffers drain before it closes, some 130 ms with the
// game's buffer, so the lost one is closed and opened again on a thread of its
// own. The waves go first, while the mixer still has its channels to take them
// off; the next effect reads its file again. Until that thread is done nothing
// of SDL is touched here: the game plays on as with the device away.
void SdlMediaCommands::reopen_lost_audio()
{
    for (auto& [alias, device] : devices_) {
        device.playing = false;
        if (device.wave) {
            sdl_->HaltChannel(wave_channel);
            sdl_->FreeChunk(device.wave);
            device.wave = nullptr;
        }
    }
    std::vector<std::shared_future<Tune>> reading;
    for (auto& [path, tune] : tunes_)
        reading.push_back(tune);
    const SdlLibrary* sdl = sdl_;
    audio_open_ = false;
    reopening_ = std::async(std::launch::async, [sdl, reading] {
        for (const auto& tune : reading)
            tune.wait();
        sdl->CloseAudio();
        sdl->QuitSubSystem(SDL_INIT_AUDIO);
        return open_mixer(*sdl);
    });
}

// Waits for the thread that opens the device again; true when it did.
bool SdlMediaCommands::settle_reopening()
{
    if (!reopening_.valid())
        return false;
    const std::optional<std::string> why = reopening_.get();
    if (why)
        audio_error_ = *why;
    audio_open_ = !why;
    return audio_open_;
}

// While the device stays away, the game plays on silently and tries again at
// most once a second; a server that restarts is back within a few seconds,
// so only a device still away after that is worth a line.
bool SdlMediaCommands::reopen_now_and_then()
{
    const uint32_t now = host_.clock_ms();
    if (reopening_.valid()) {
        if (reopening_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return false;
        if (settle_reopening())
            return sound_is_back();
    } else if (now - last_reopen_ms_ >= 1000) {
        last_reopen_ms_ = now;
        if (open_audio())
            return sound_is_back();
    }
    if (!said_lost_ && now - lost_ms_ >= 3000) {
        host_.note(QStringLiteral("the sound device went away and cannot be opened again (%1); "
                                  "playing on without sound")
                       .arg(QString::fromStdString(audio_error_)));
        said_lost_ = true;
    }
    return false;
}

// The music the watchdog already started again, silently, is heard from its beginning.
bool SdlMediaCommands::sound_is_back()
{
    audio_lost_ = false;
    said_lost_ = false;
    for (auto& [alias, device] : devices_)
        if (device.sequencer && device.playing)
            start_tune(device);
    return true;
}

// SDL_mixer still loading is waited for: the process must not end under the loader.
void SdlMediaCommands::release()
{
    if (library_.valid())
        library_.wait();
    for (auto& [alias, device] : devices_)
        free_device(device);
    devices_.clear();
    close_audio();
    for (auto& [path, tune] : tunes_)
        if (_Mix_Music* music = tune.get().music)
            sdl_->FreeMusic(music);
    tunes_.clear();
}

uint32_t SdlMediaCommands::send(const std::string& command, std::string* answer,
                                std::size_t capacity)
{
    if (answer)
        answer->clear();
    const std::size_t space = command.find(' ');
    const std::string verb = command.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : command.substr(space + 1);
    if (verb == "open")
        return open(rest);

    const std::vector<std::string> args = words(rest);
    if (args.empty())
        return media_error::bad_command;
    if (verb == "close" && args.size() == 1)
        return close(args[0]);

    auto it = devices_.find(args[0]);
    if (it == devices_.end())
        return media_error::no_such_device;
    Device& device = it->second;
    if (verb == "play" && args.size() == 3 && args[1] == "from" && args[2] == "0")
        return play(device);
    if (verb == "stop" && args.size() == 1)
        return stop(device);
    if (verb == "status" && args.size() == 2 && args[1] == "mode") {
        if (answer && capacity > 0)
            *answer = mode(device).substr(0, capacity - 1);
        return 0;
    }
    return media_error::bad_command;
}

// open "<path>" type waveaudio|sequencer alias <name>. The path ends at the last
// double quote, as nothing after it may hold one: a folder named with a " still opens.
uint32_t SdlMediaCommands::open(const std::string& rest)
{
    if (rest.empty() || rest[0] != '"')
        return media_error::bad_command;
    const std::size_t closing = rest.rfind('"');
    if (closing == 0)
        return media_error::bad_command;
    const std::string path = rest.substr(1, closing - 1);
    const std::vector<std::string> args = words(rest.substr(closing + 1));
    if (args.size() != 4 || args[0] != "type" || args[2] != "alias" ||
        (args[1] != "waveaudio" && args[1] != "sequencer") || rest[closing + 1] != ' ')
        return media_error::bad_command;
    const std::string& alias = args[3];
    if (devices_.count(alias))
        return media_error::alias_in_use;

    Device device;
    device.sequencer = args[1] == "sequencer";
    if (uint32_t refused = check_file(path, device))
        return refused;
    if (!audio_ready() && !audio_lost_)
        return failed(media_error::no_audio_device, "no audio device could be opened: " + audio_error_);
    if (device.sequencer) // read on another thread, maybe after the current folder changed
        device.tune = tune_for(std::filesystem::absolute(path).string());
    else if (sound_goes_on() && !(device.wave = sdl_->LoadWAV(path.c_str())))
        return failed(media_error::bad_file, path + ": " + sdl_->GetError());
    devices_[alias] = device;
    return 0;
}

// The file is read whole and looked at before the mixer is given it; one too large to be the
// game's is told as broken, as one that is.
uint32_t SdlMediaCommands::check_file(const std::string& path, Device& device)
{
    std::vector<uint8_t> bytes;
    const Reading reading = read_file(path, device.sequencer ? largest_midi_file : largest_wave_file, bytes);
    if (reading == Reading::missing)
        return failed(media_error::file_not_found, path + " is not there");
    if (reading == Reading::not_plain)
        return failed(media_error::bad_file, path + (std::filesystem::is_directory(path)
                                                         ? " is a directory, not a file"
                                                         : " is not a plain file"));
    if (reading == Reading::unreadable)
        return failed(media_error::bad_file, path + " cannot be read");
    const bool small = reading == Reading::ok;
    if (device.sequencer) {
        std::optional<double> length = small ? midi_length_seconds(bytes) : std::nullopt;
        if (!length || *length <= 0)
            return failed(media_error::bad_file, path + " is not a MIDI file with notes in it");
        device.length_s = *length;
    } else if (!small || !is_wave_file(bytes)) {
        return failed(media_error::bad_file, path + " is not a wave file");
    }
    return 0;
}

// Read once and kept for the rest of the run: the music that opens again
// (BGM switched back on) is ready at once.
std::shared_future<SdlMediaCommands::Tune> SdlMediaCommands::tune_for(const std::string& path)
{
    auto known = tunes_.find(path);
    if (known != tunes_.end())
        return known->second;
    const SdlLibrary* sdl = sdl_;
    std::shared_future<Tune> tune = std::async(std::launch::async, [sdl, path] {
                                        const auto start = std::chrono::steady_clock::now();
                                        Tune read{sdl->LoadMUS(path.c_str()), {}};
                                        if (!read.music)
                                            read.why = path + ": " + sdl->GetError();
                                        read.read_ms = std::chrono::duration<double, std::milli>(
                                                           std::chrono::steady_clock::now() - start)
                                                           .count();
                                        return read;
                                    }).share();
    tunes_[path] = tune;
    return tune;
}

double SdlMediaCommands::tune_read_ms(const std::string& path) const
{
    auto known = tunes_.find(std::filesystem::absolute(path).string());
    if (known == tunes_.end() ||
        known->second.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return 0;
    return known->second.get().read_ms;
}

uint32_t SdlMediaCommands::failed(uint32_t code, std::string why)
{
    last_error_ = std::move(why);
    return code;
}

// With the device away, a sound plays silently: the game goes on as if it were heard.
uint32_t SdlMediaCommands::play(Device& device)
{
    const bool sound = sound_goes_on();
    device.playing = true;
    device.started_ms = host_.clock_ms();
    if (!sound)
        return 0;
    if (device.sequencer)
        return start_tune(device) ? 0 : failed(media_error::no_audio_device, last_error_);
    sdl_->HaltChannel(wave_channel);
    if (!device.wave || sdl_->PlayChannel(wave_channel, device.wave, 0) < 0) {
        device.playing = false;
        return failed(media_error::no_audio_device, std::string("a sound: ") + sdl_->GetError());
    }
    return 0;
}

// A tune still being read is waited for in short pauses, in which the window
// paints and answers as in any pause of the game.
bool SdlMediaCommands::start_tune(Device& device)
{
    while (device.tune.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        host_.sleep_ms(4);
    const Tune& tune = device.tune.get();
    if (!tune.music || sdl_->PlayMusic(tune.music, 0) != 0) {
        device.playing = false;
        last_error_ = tune.music ? std::string("the sequencer: ") + sdl_->GetError() : tune.why;
        return false;
    }
    device.started_ms = host_.clock_ms();
    return true;
}

uint32_t SdlMediaCommands::stop(Device& device)
{
    if (audio_open_ && device.sequencer)
        sdl_->HaltMusic();
    else if (audio_open_)
        sdl_->HaltChannel(wave_channel);
    device.playing = false;
    return 0;
}

// The synthesiser keeps its voices ringing for a while after the last event,
// so the sequence counts as stopped once its own length has gone by.
std::string SdlMediaCommands::mode(Device& device)
{
    const bool sound = sound_goes_on();
    if (!device.playing)
        return "stopped";
    const uint32_t elapsed_ms = host_.clock_ms() - device.started_ms;
    if (!device.sequencer)
        return sound && sdl_->Playing(wave_channel) ? "playing" : "stopped";
    if (elapsed_ms >= device.length_s * 1000.0 || (sound && !sdl_->PlayingMusic()))
        return "stopped";
    return "playing";
}

uint32_t SdlMediaCommands::close(const std::string& alias)
{
    auto it = devices_.find(alias);
    if (it == devices_.end())
        return media_error::no_such_device;
    free_device(it->second);
    devices_.erase(it);
    return 0;
}

// A tune stays read for the next time; a wave is read again each time.
void SdlMediaCommands::free_device(Device& device)
{
    if (device.sequencer && device.playing && audio_open_)
        sdl_->HaltMusic();
    if (device.wave) {
        if (audio_open_)
            sdl_->HaltChannel(wave_channel);
        sdl_->FreeChunk(device.wave);
        device.wave = nullptr;
    }
}
