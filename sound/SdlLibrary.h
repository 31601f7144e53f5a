// SDL and SDL_mixer, loaded when the game is about to make its first sound (はじめ) rather than
// when it starts: the music's synthesiser and its codecs then cost nothing before.
#pragma once

#include <string>

#include <SDL.h>
#include <SDL_mixer.h>

struct SdlLibrary {
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_GetError) GetError;
    decltype(&SDL_GetAudioDeviceStatus) GetAudioDeviceStatus;
    decltype(&SDL_RWFromFile) RWFromFile;
    decltype(&Mix_OpenAudio) OpenAudio;
    decltype(&Mix_CloseAudio) CloseAudio;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_SetSoundFonts) SetSoundFonts;
    decltype(&Mix_LoadMUS) LoadMUS;
    decltype(&Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&Mix_FreeMusic) FreeMusic;
    decltype(&Mix_FreeChunk) FreeChunk;
    decltype(&Mix_PlayMusic) PlayMusic;
    decltype(&Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&Mix_HaltMusic) HaltMusic;
    decltype(&Mix_HaltChannel) HaltChannel;
    decltype(&Mix_Playing) Playing;
    decltype(&Mix_PlayingMusic) PlayingMusic;

    Mix_Chunk* LoadWAV(const char* file) const { return LoadWAV_RW(RWFromFile(file, "rb"), 1); }
    int PlayChannel(int channel, Mix_Chunk* chunk, int loops) const
    {
        return PlayChannelTimed(channel, chunk, loops, -1);
    }

    // The library, loaded on the first call (from one thread at a time); nothing (and the reason
    // in `why`) when it is not installed.
    static const SdlLibrary* load(std::string& why);
};
