// The sound player's commands carried out with SDL2_mixer: wave effects and the MIDI music.
#pragma once

#include <future>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "sound/MediaCommands.h"

class Host;
struct SdlLibrary;
struct Mix_Chunk;
struct _Mix_Music;

class SdlMediaCommands : public MediaCommands {
public:
    explicit SdlMediaCommands(Host& host);
    ~SdlMediaCommands() override;

    uint32_t send(const std::string& command, std::string* answer = nullptr,
                  std::size_t capacity = 0) override;
    void get_ready() override;
    void release() override;
    std::string last_error() const override { return last_error_; }

    // What the desktop's sound mixer calls the game and its one stream of sound.
    void name_the_stream(std::string game, std::string stream);
    // The icon the sound server shows beside the stream: it reads it from the environment,
    // which is set before the program starts any thread (a thread reading the environment
    // while another adds to it can read freed memory).
    static void show_the_icon_in_the_mixer();

    // How long the music's own thread took to read a tune and its SoundFont (0 while it still
    // reads, or for a tune never opened); for the measuring tools.
    double tune_read_ms(const std::string& path) const;

    // The SoundFont the music is played with: the player's SDL_SOUNDFONTS, or
    // the first General MIDI SoundFont that Debian installs.
    static std::string choose_soundfont();

private:
    // A tune is read once a run, on a thread of its own: the synthesiser reads
    // the whole SoundFont for it, which with a large one takes far longer than a
    // frame.
    struct Tune {
        _Mix_Music* music = nullptr;
        std::string why;
        double read_ms = 0;
    };
    struct Device {
        bool sequencer = false;
        Mix_Chunk* wave = nullptr;
        std::shared_future<Tune> tune;
        double length_s = 0;
        bool playing = false;
        uint32_t started_ms = 0;
    };

    uint32_t open(const std::string& rest);
    uint32_t check_file(const std::string& path, Device& device);
    uint32_t play(Device& device);
    uint32_t stop(Device& device);
    uint32_t close(const std::string& alias);
    std::string mode(Device& device);
    bool audio_ready();
    const SdlLibrary* load_library();
    bool open_audio();
    void close_audio();
    void reopen_lost_audio();
    bool settle_reopening();
    bool sound_goes_on();
    bool reopen_now_and_then();
    bool sound_is_back();
    std::shared_future<Tune> tune_for(const std::string& path);
    bool start_tune(Device& device);
    void free_device(Device& device);
    uint32_t failed(uint32_t code, std::string why);

    Host& host_;
    const SdlLibrary* sdl_ = nullptr;
    // SDL_mixer loading on a thread of its own; why it did not load.
    std::future<std::pair<const SdlLibrary*, std::string>> library_;
    std::map<std::string, Device> devices_;
    std::map<std::string, std::shared_future<Tune>> tunes_;
    // A device the server took away, closed and opened again; why it did not open.
    std::future<std::optional<std::string>> reopening_;
    std::string game_name_ = "mokuta";
    std::string stream_name_;
    bool audio_open_ = false;
    bool audio_failed_ = false;
    bool audio_lost_ = false; // the device went away and has not come back yet
    bool said_lost_ = false;
    uint32_t lost_ms_ = 0;
    uint32_t last_reopen_ms_ = 0;
    std::string audio_error_;
    std::string last_error_;
};
