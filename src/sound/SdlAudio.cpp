#include "sound/SdlAudio.h"

#include "sound/SdlMixerLibrary.h"

namespace veltrane {

namespace {
constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkSize = 2048;
constexpr int kMoreChannels = 8;
} // namespace

SdlAudio::~SdlAudio() {
    Shutdown();
}

bool SdlAudio::Init() {
    if (open_) {
        return true;
    }
    mix_ = SdlMixerLibrary::Get(lastError_);
    if (mix_ == nullptr) {
        return false;
    }
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into quit
    // events nobody reads, so the program could not be ended from outside.
    mix_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix_->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        NoteError();
        return false;
    }
    // MP3 support may come from a plug-in decoder; a missing one only makes
    // the MP3 files fail to load, which the caller reports.
    mix_->Init(MIX_INIT_MP3);
    if (mix_->OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkSize) != 0) {
        NoteError();
        mix_->Quit();
        mix_->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    open_ = true;
    return true;
}

TStreamHandle SdlAudio::CreateStream(const std::filesystem::path& path, TStreamKind kind) {
    if (!open_) {
        lastError_ = "audio device is not open";
        return 0;
    }
    Stream stream;
    if (kind == TStreamKind::Effect) {
        stream.chunk = mix_->LoadWAV_RW(mix_->RWFromFile(path.c_str(), "rb"), 1);
    } else {
        stream.music = mix_->LoadMUS(path.c_str());
    }
    if (stream.chunk == nullptr && stream.music == nullptr) {
        NoteError();
        return 0;
    }
    const TStreamHandle handle = nextHandle_++;
    streams_.emplace(handle, stream);
    return handle;
}

bool SdlAudio::Play(TStreamHandle handle, bool restart) {
    Stream* stream = Find(handle);
    if (stream == nullptr) {
        return false;
    }
    return stream->chunk != nullptr ? PlayEffect(*stream, restart) : PlayMusic(handle, *stream, restart);
}

bool SdlAudio::PlayEffect(Stream& stream, bool restart) {
    if (EffectPlaying(stream)) {
        if (!restart) {
            return true;
        }
        // Playing on the same channel cuts the running sound and starts over.
        return mix_->PlayChannelTimed(stream.channel, stream.chunk, 0, -1) >= 0;
    }
    int channel = mix_->PlayChannelTimed(-1, stream.chunk, 0, -1);
    if (channel < 0) {
        // Every channel busy: make room rather than stay silent.
        mix_->AllocateChannels(mix_->AllocateChannels(-1) + kMoreChannels);
        channel = mix_->PlayChannelTimed(-1, stream.chunk, 0, -1);
    }
    if (channel < 0) {
        NoteError();
        return false;
    }
    stream.channel = channel;
    return true;
}

bool SdlAudio::PlayMusic(TStreamHandle handle, Stream& stream, bool restart) {
    if (!restart && currentMusic_ == handle && mix_->PlayingMusic() != 0) {
        return true;
    }
    if (mix_->PlayMusic(stream.music, -1) != 0) {
        NoteError();
        return false;
    }
    currentMusic_ = handle;
    return true;
}

bool SdlAudio::EffectPlaying(const Stream& stream) const {
    // A channel remembers its last chunk after it ends; only a playing
    // channel with our chunk counts.
    return stream.channel >= 0 && mix_->Playing(stream.channel) != 0 &&
           mix_->GetChunk(stream.channel) == stream.chunk;
}

bool SdlAudio::IsActive(TStreamHandle handle) {
    const Stream* stream = Find(handle);
    if (stream == nullptr) {
        return false;
    }
    if (stream->chunk != nullptr) {
        return EffectPlaying(*stream);
    }
    return currentMusic_ == handle && mix_->PlayingMusic() != 0;
}

void SdlAudio::Stop(TStreamHandle handle) {
    Stream* stream = Find(handle);
    if (stream == nullptr) {
        return;
    }
    if (stream->chunk != nullptr) {
        if (EffectPlaying(*stream)) {
            mix_->HaltChannel(stream->channel);
        }
    } else if (currentMusic_ == handle) {
        mix_->HaltMusic();
        currentMusic_ = 0;
    }
}

void SdlAudio::StopAll() {
    if (!open_) {
        return;
    }
    mix_->HaltChannel(-1);
    mix_->HaltMusic();
    currentMusic_ = 0;
}

void SdlAudio::Free(TStreamHandle handle) {
    auto found = streams_.find(handle);
    if (found == streams_.end()) {
        return;
    }
    if (currentMusic_ == handle) {
        mix_->HaltMusic();
        currentMusic_ = 0;
    }
    Release(found->second);
    streams_.erase(found);
}

void SdlAudio::Shutdown() {
    if (!open_) {
        return;
    }
    StopAll();
    for (auto& [handle, stream] : streams_) {
        Release(stream);
    }
    streams_.clear();
    mix_->CloseAudio();
    mix_->Quit();
    mix_->QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

SdlAudio::Stream* SdlAudio::Find(TStreamHandle handle) {
    auto found = streams_.find(handle);
    return found == streams_.end() ? nullptr : &found->second;
}

void SdlAudio::Release(Stream& stream) {
    // Freeing a chunk halts every channel that plays it.
    if (stream.chunk != nullptr) {
        mix_->FreeChunk(stream.chunk);
        stream.chunk = nullptr;
    }
    if (stream.music != nullptr) {
        mix_->FreeMusic(stream.music);
        stream.music = nullptr;
    }
}

void SdlAudio::NoteError() {
    lastError_ = mix_->GetError();
}

} // namespace veltrane
