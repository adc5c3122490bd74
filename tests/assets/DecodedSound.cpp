#include "DecodedSound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QFile>

DecodedSound DecodedSound::load(const QString& path) {
    DecodedSound out;
    if (!QFile::exists(path)) {
        out.error = path + ": missing";
        return out;
    }
    // The device is the dummy driver; opening it once fixes the format chunks convert to.
    static const bool opened = [] {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
        return SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
    }();
    if (!opened) {
        out.error = QString("audio: ") + Mix_GetError();
        return out;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.toUtf8().constData());
    if (!chunk) {
        out.error = path + ": " + Mix_GetError();
        return out;
    }
    const auto* samples = reinterpret_cast<const short*>(chunk->abuf);
    const std::size_t frames = chunk->alen / 4;
    out.left.resize(frames);
    out.right.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        out.left[i] = samples[i * 2];
        out.right[i] = samples[i * 2 + 1];
    }
    Mix_FreeChunk(chunk);
    return out;
}
