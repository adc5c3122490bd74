#pragma once

// SDL2_mixer, opened when the game first asks for sound rather than when the
// program starts. The mixer pulls in some fifty libraries (decoders, sound
// servers, SDL's video back ends) that the first frame does not need; loading
// them later lets the window come up first. Without the library the game runs
// silent and says so once, as with any other audio failure.

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace veltrane {

struct SdlMixerLibrary {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_RWFromFile) RWFromFile = nullptr;
    decltype(&Mix_Init) Init = nullptr;
    decltype(&Mix_Quit) Quit = nullptr;
    decltype(&Mix_OpenAudio) OpenAudio = nullptr;
    decltype(&Mix_CloseAudio) CloseAudio = nullptr;
    decltype(&Mix_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&Mix_LoadMUS) LoadMUS = nullptr;
    decltype(&Mix_FreeChunk) FreeChunk = nullptr;
    decltype(&Mix_FreeMusic) FreeMusic = nullptr;
    decltype(&Mix_PlayChannelTimed) PlayChannelTimed = nullptr;
    decltype(&Mix_PlayMusic) PlayMusic = nullptr;
    decltype(&Mix_AllocateChannels) AllocateChannels = nullptr;
    decltype(&Mix_Playing) Playing = nullptr;
    decltype(&Mix_PlayingMusic) PlayingMusic = nullptr;
    decltype(&Mix_GetChunk) GetChunk = nullptr;
    decltype(&Mix_HaltChannel) HaltChannel = nullptr;
    decltype(&Mix_HaltMusic) HaltMusic = nullptr;

    // The library of this process, loaded on the first call and kept until
    // the program ends. Null when it is missing or lacks a function; `error`
    // then says which.
    static const SdlMixerLibrary* Get(std::string& error);
};

} // namespace veltrane
