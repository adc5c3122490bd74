#pragma once

// No sound at all, but a faithful record of what was asked: every call in
// order, written like "Play(2,restart)". Tests script its answers.

#include "sound/Audio.h"

#include <set>
#include <string>
#include <vector>

namespace veltrane {

class SilentAudio : public IAudio {
  public:
    bool Init() override;
    TStreamHandle CreateStream(const std::filesystem::path& path, TStreamKind kind) override;
    bool Play(TStreamHandle handle, bool restart) override;
    bool IsActive(TStreamHandle handle) override;
    void Stop(TStreamHandle handle) override;
    void StopAll() override;
    void Free(TStreamHandle handle) override;
    void Shutdown() override;

    // What the next calls answer. A failed Init makes later streams fail too,
    // as a real back end without a device would.
    void SetInitFails(bool fails) { initFails_ = fails; }
    void SetCreateFails(bool fails) { createFails_ = fails; }
    void SetPlayFails(bool fails) { playFails_ = fails; }
    // A stream that was played counts as active until stopped or freed; this
    // lets a test end it early, as if the sound had run out.
    void Finish(TStreamHandle handle) { playing_.erase(handle); }

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Streams created and not yet freed.
    const std::set<TStreamHandle>& LiveStreams() const { return live_; }

  private:
    void Record(std::string call) { calls_.push_back(std::move(call)); }

    std::vector<std::string> calls_;
    std::set<TStreamHandle> live_;
    std::set<TStreamHandle> playing_;
    TStreamHandle nextHandle_ = 1;
    bool initFails_ = false;
    bool createFails_ = false;
    bool playFails_ = false;
    bool deviceMissing_ = false;
};

} // namespace veltrane
