// The sound player's commands carried out with SDL2_mixer: wave effects and the MIDI music.
#pragma once

#include <map>
#include <string>

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
    void release() override;
    std::string last_error() const override { return last_error_; }

    // The SoundFont the music is played with: the player's SDL_SOUNDFONTS, or
    // the first General MIDI SoundFont that Debian installs.
    static std::string choose_soundfont();

private:
    struct Device {
        bool sequencer = false;
        Mix_Chunk* wave = nullptr;
        _Mix_Music* music = nullptr;
        double length_s = 0;
        bool playing = false;
        uint32_t started_ms = 0;
    };

    uint32_t open(const std::string& rest);
    uint32_t check_file(const std::string& path, Device& device);
    uint32_t play(Device& device);
    uint32_t stop(Device& device);
    uint32_t close(const std::string& alias);
    std::string mode(const Device& device);
    bool audio_ready();
    void free_device(Device& device);
    uint32_t failed(uint32_t code, std::string why);

    Host& host_;
    const SdlLibrary* sdl_ = nullptr;
    std::map<std::string, Device> devices_;
    bool audio_open_ = false;
    bool audio_failed_ = false;
    std::string audio_error_;
    std::string last_error_;
};
