#pragma once

// Sound through SDL2_mixer, loaded by the first Init. Effects are decoded whole into memory and played
// on a mixer channel of their own, so an effect and the click of a dialog
// button can sound together; the looping music streams from its file.
//
// One instance per process: the mixer device is process-wide. All calls come
// from the window's thread; nothing here waits for a sound to end.

#include "sound/Audio.h"

#include <map>
#include <string>

struct Mix_Chunk;
struct _Mix_Music;

namespace veltrane {

struct SdlMixerLibrary;

class SdlAudio : public IAudio {
  public:
    SdlAudio() = default;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio() override;

    bool Init() override;
    TStreamHandle CreateStream(const std::filesystem::path& path, TStreamKind kind) override;
    bool Play(TStreamHandle handle, bool restart) override;
    bool IsActive(TStreamHandle handle) override;
    void Stop(TStreamHandle handle) override;
    void StopAll() override;
    void Free(TStreamHandle handle) override;
    void Shutdown() override;

    // The mixer's own words for the last failure, for a diagnostic line.
    const std::string& LastError() const { return lastError_; }

  private:
    struct Stream {
        Mix_Chunk* chunk = nullptr;  // effects
        _Mix_Music* music = nullptr; // looping music
        int channel = -1;            // the mixer channel the effect last played on
    };

    Stream* Find(TStreamHandle handle);
    bool PlayEffect(Stream& stream, bool restart);
    bool PlayMusic(TStreamHandle handle, Stream& stream, bool restart);
    bool EffectPlaying(const Stream& stream) const;
    void Release(Stream& stream);
    void NoteError();

    std::map<TStreamHandle, Stream> streams_;
    TStreamHandle nextHandle_ = 1;
    TStreamHandle currentMusic_ = 0;
    const SdlMixerLibrary* mix_ = nullptr; // loaded by the first Init
    bool open_ = false;
    std::string lastError_;
};

} // namespace veltrane
