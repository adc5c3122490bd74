#include "sound/SdlMixerLibrary.h"

#include <dlfcn.h>

namespace veltrane {

namespace {

// The name the mixer's runtime package installs; its own dependencies
// (SDL itself among them) come along with it.
constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

struct Loaded {
    SdlMixerLibrary library;
    bool complete = false;
    std::string error;
};

template <typename Function>
bool Resolve(void* handle, const char* name, Function& target, std::string& error) {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) {
        error = std::string(kLibraryName) + " has no " + name;
        return false;
    }
    // dlsym hands out functions as object pointers; POSIX guarantees the round trip.
    target = reinterpret_cast<Function>(symbol);
    return true;
}

Loaded Load() {
    Loaded loaded;
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        loaded.error = why != nullptr ? why : std::string("cannot load ") + kLibraryName;
        return loaded;
    }
    SdlMixerLibrary& l = loaded.library;
    bool complete = true;
    // Stops at the first missing function, so the error names that one.
    const auto need = [&](const char* name, auto& target) {
        complete = complete && Resolve(handle, name, target, loaded.error);
    };
    need("SDL_SetHint", l.SetHint);
    need("SDL_InitSubSystem", l.InitSubSystem);
    need("SDL_QuitSubSystem", l.QuitSubSystem);
    need("SDL_GetError", l.GetError);
    need("SDL_RWFromFile", l.RWFromFile);
    need("Mix_Init", l.Init);
    need("Mix_Quit", l.Quit);
    need("Mix_OpenAudio", l.OpenAudio);
    need("Mix_CloseAudio", l.CloseAudio);
    need("Mix_LoadWAV_RW", l.LoadWAV_RW);
    need("Mix_LoadMUS", l.LoadMUS);
    need("Mix_FreeChunk", l.FreeChunk);
    need("Mix_FreeMusic", l.FreeMusic);
    need("Mix_PlayChannelTimed", l.PlayChannelTimed);
    need("Mix_PlayMusic", l.PlayMusic);
    need("Mix_AllocateChannels", l.AllocateChannels);
    need("Mix_Playing", l.Playing);
    need("Mix_PlayingMusic", l.PlayingMusic);
    need("Mix_GetChunk", l.GetChunk);
    need("Mix_HaltChannel", l.HaltChannel);
    need("Mix_HaltMusic", l.HaltMusic);
    loaded.complete = complete;
    // The handle stays open: SDL's audio thread runs code from it until the end.
    return loaded;
}

} // namespace

const SdlMixerLibrary* SdlMixerLibrary::Get(std::string& error) {
    static const Loaded loaded = Load();
    if (!loaded.complete) {
        error = loaded.error;
        return nullptr;
    }
    return &loaded.library;
}

} // namespace veltrane
