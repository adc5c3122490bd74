#include "game/SoundPlayer.h"

#include "core/MediaPaths.h"

#include <utility>

namespace veltrane {

namespace {
const std::string kSoundFolder = "Sounds/";
const std::string kButtonSound = "button.wav";
const std::string kMusic = "space_loop.mp3";
} // namespace

TSoundPlayer::TSoundPlayer(IAudio& audio, const TGameOptions& options, TReporter report, TResolver resolve)
    : audio_(audio), options_(options), report_(std::move(report)), resolve_(std::move(resolve)) {}

TSoundPlayer::~TSoundPlayer() {
    Shutdown();
}

bool TSoundPlayer::InitAudio() {
    if (audio_.Init()) {
        silent_ = false;
        return true;
    }
    silent_ = true;
    if (report_) {
        report_("Error initializing audio!");
    }
    return false;
}

void TSoundPlayer::PlaySoundEffect(const std::string& fileName) {
    if (silent_ || !options_.Effects) {
        return;
    }
    if (effect_ != 0 && audio_.IsActive(effect_)) {
        audio_.Stop(effect_);
    }
    if (fileName.empty()) {
        return;
    }
    const TStreamHandle stream = Replace(effect_, fileName, TStreamKind::Effect);
    // A file that could not be opened fails here too, as playing nothing fails.
    if ((stream == 0 || !audio_.Play(stream, true)) && report_) {
        report_("Error playing sound file " + fileName + "!");
    }
}

void TSoundPlayer::PlayButtonSound() {
    PlaySoundEffect(kButtonSound);
}

void TSoundPlayer::UpdateBackgroundMusic() {
    if (silent_) {
        return;
    }
    if (options_.Background) {
        // Every call starts the tune from its beginning.
        if (music_ != 0) {
            audio_.Stop(music_);
        }
        const TStreamHandle stream = Replace(music_, kMusic, TStreamKind::LoopingMusic);
        if ((stream == 0 || !audio_.Play(stream, true)) && report_) {
            report_("Error playing background sound!");
        }
    } else if (music_ != 0 && audio_.IsActive(music_)) {
        audio_.Stop(music_);
    }
}

void TSoundPlayer::PlatformClick() {
    if (silent_) {
        return;
    }
    // The click is opened once and kept; a missing file is looked for again
    // next time, in case it has appeared since.
    if (click_ == 0) {
        Replace(click_, kButtonSound, TStreamKind::Effect);
    }
    if (click_ != 0) {
        audio_.Play(click_, true);
    }
}

void TSoundPlayer::Shutdown() {
    if (effect_ == 0 && music_ == 0 && click_ == 0 && silent_) {
        return;
    }
    audio_.StopAll();
    Release(effect_);
    Release(music_);
    Release(click_);
    audio_.Shutdown();
    silent_ = true;
}

std::optional<std::filesystem::path> TSoundPlayer::Resolve(const std::string& relative) const {
    return resolve_ ? resolve_(relative) : ResolveMedia(relative);
}

TStreamHandle TSoundPlayer::Replace(TStreamHandle& slot, const std::string& file, TStreamKind kind) {
    // Streams are released as they are replaced, so a long game holds at
    // most one stream per purpose.
    Release(slot);
    if (const auto path = Resolve(kSoundFolder + file)) {
        slot = audio_.CreateStream(*path, kind);
    }
    return slot;
}

void TSoundPlayer::Release(TStreamHandle& slot) {
    if (slot != 0) {
        audio_.Free(slot);
        slot = 0;
    }
}

} // namespace veltrane
