// SDL and SDL_mixer, loaded when the game is about to make its first sound rather than when it starts.
#include "sound/SdlLibrary.h"

#include <dlfcn.h>

namespace {

const char* const library_file = "libSDL2_mixer-2.0.so.0";

template <typename F>
bool resolve(void* handle, F& function, const char* name, std::string& why)
{
    function = reinterpret_cast<F>(::dlsym(handle, name));
    if (!function)
        why = std::string(library_file) + " has no " + name;
    return function != nullptr;
}

} // namespace

const SdlLibrary* SdlLibrary::load(std::string& why)
{
    static SdlLibrary sdl{};
    static bool loaded = false;
    static std::string failure;
    if (loaded || !failure.empty()) {
        why = failure;
        return loaded ? &sdl : nullptr;
    }
    // SDL_mixer brings SDL with it, so its handle finds the functions of both.
    void* handle = ::dlopen(library_file, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        failure = ::dlerror();
        why = failure;
        return nullptr;
    }
#define MOKUTA_RESOLVE(field, symbol) resolve(handle, sdl.field, #symbol, failure)
    loaded = MOKUTA_RESOLVE(InitSubSystem, SDL_InitSubSystem) &&
             MOKUTA_RESOLVE(QuitSubSystem, SDL_QuitSubSystem) && MOKUTA_RESOLVE(SetHint, SDL_SetHint) &&
             MOKUTA_RESOLVE(GetError, SDL_GetError) &&
             MOKUTA_RESOLVE(GetAudioDeviceStatus, SDL_GetAudioDeviceStatus) && MOKUTA_RESOLVE(RWFromFile, SDL_RWFromFile) &&
             MOKUTA_RESOLVE(OpenAudio, Mix_OpenAudio) && MOKUTA_RESOLVE(CloseAudio, Mix_CloseAudio) &&
             MOKUTA_RESOLVE(AllocateChannels, Mix_AllocateChannels) &&
             MOKUTA_RESOLVE(SetSoundFonts, Mix_SetSoundFonts) && MOKUTA_RESOLVE(LoadMUS, Mix_LoadMUS) &&
             MOKUTA_RESOLVE(LoadWAV_RW, Mix_LoadWAV_RW) && MOKUTA_RESOLVE(FreeMusic, Mix_FreeMusic) &&
             MOKUTA_RESOLVE(FreeChunk, Mix_FreeChunk) && MOKUTA_RESOLVE(PlayMusic, Mix_PlayMusic) &&
             MOKUTA_RESOLVE(PlayChannelTimed, Mix_PlayChannelTimed) &&
             MOKUTA_RESOLVE(HaltMusic, Mix_HaltMusic) && MOKUTA_RESOLVE(HaltChannel, Mix_HaltChannel) &&
             MOKUTA_RESOLVE(Playing, Mix_Playing) && MOKUTA_RESOLVE(PlayingMusic, Mix_PlayingMusic);
#undef MOKUTA_RESOLVE
    why = failure;
    return loaded ? &sdl : nullptr;
}
