#include "sound/SilentAudio.h"

namespace veltrane {

namespace {
const char* KindName(TStreamKind kind) {
    return kind == TStreamKind::Effect ? "Effect" : "LoopingMusic";
}
} // namespace

bool SilentAudio::Init() {
    Record("Init");
    deviceMissing_ = initFails_;
    return !initFails_;
}

TStreamHandle SilentAudio::CreateStream(const std::filesystem::path& path, TStreamKind kind) {
    Record("CreateStream(" + path.generic_string() + "," + KindName(kind) + ")");
    if (createFails_ || deviceMissing_) {
        return 0;
    }
    const TStreamHandle handle = nextHandle_++;
    live_.insert(handle);
    return handle;
}

bool SilentAudio::Play(TStreamHandle handle, bool restart) {
    Record("Play(" + std::to_string(handle) + (restart ? ",restart)" : ")"));
    if (playFails_ || live_.count(handle) == 0) {
        return false;
    }
    playing_.insert(handle);
    return true;
}

bool SilentAudio::IsActive(TStreamHandle handle) {
    Record("IsActive(" + std::to_string(handle) + ")");
    return playing_.count(handle) != 0;
}

void SilentAudio::Stop(TStreamHandle handle) {
    Record("Stop(" + std::to_string(handle) + ")");
    playing_.erase(handle);
}

void SilentAudio::StopAll() {
    Record("StopAll");
    playing_.clear();
}

void SilentAudio::Free(TStreamHandle handle) {
    Record("Free(" + std::to_string(handle) + ")");
    playing_.erase(handle);
    live_.erase(handle);
}

void SilentAudio::Shutdown() {
    Record("Shutdown");
    playing_.clear();
    live_.clear();
}

} // namespace veltrane
