#pragma once

// The few things the game asks of an audio back end: open the device, make a
// stream from a file, play, ask whether it still plays, stop and release.

#include <cstdint>
#include <filesystem>

namespace veltrane {

enum class TStreamKind {
    Effect,       // played once
    LoopingMusic, // loops until stopped
};

// 0 is never a valid stream; it stands for "could not be created".
using TStreamHandle = std::uint32_t;

class IAudio {
  public:
    virtual ~IAudio() = default;

    // Opens the default output. False when there is no usable device.
    virtual bool Init() = 0;
    // 0 when the file cannot be opened or decoded, or the device is not open.
    virtual TStreamHandle CreateStream(const std::filesystem::path& path, TStreamKind kind) = 0;
    // `restart` plays from the beginning even if the stream is already playing.
    // False for handle 0 and for streams the back end could not start.
    virtual bool Play(TStreamHandle handle, bool restart) = 0;
    virtual bool IsActive(TStreamHandle handle) = 0;
    virtual void Stop(TStreamHandle handle) = 0;
    virtual void StopAll() = 0;
    // Releases a stream; the handle is invalid afterwards.
    virtual void Free(TStreamHandle handle) = 0;
    // Releases every stream and closes the device.
    virtual void Shutdown() = 0;
};

} // namespace veltrane
