#pragma once

// The game's sound rules: one effect at a time (a new effect cuts the one
// still playing), one looping tune switched by the options, and the click of
// dialog buttons that sounds whatever the options say.

#include "core/World.h"
#include "game/Ports.h"
#include "sound/Audio.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace veltrane {

class TSoundPlayer : public ISoundPort {
  public:
    // Finds "Sounds/<file>" among the media; the default looks beside the program.
    using TResolver = std::function<std::optional<std::filesystem::path>(const std::string&)>;
    // Shows a technical failure to the player (the window uses a plain message box).
    using TReporter = std::function<void(const std::string&)>;

    // `audio` and `options` must outlive the player; the options are read
    // afresh on every call, so a changed setting takes effect at once.
    TSoundPlayer(IAudio& audio, const TGameOptions& options, TReporter report, TResolver resolve = {});
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;
    ~TSoundPlayer() override;

    // Opens the audio device. A failure is reported once; from then on the
    // game stays quiet rather than report every sound it cannot play.
    bool InitAudio();

    void PlaySoundEffect(const std::string& fileName) override;
    void PlayButtonSound() override;
    void UpdateBackgroundMusic() override;

    // The click of the message window's OK and the navigator's closing
    // buttons: sounds even with effects off, never cuts the current effect,
    // and says nothing when it cannot play.
    void PlatformClick();

    // Stops everything and closes the device; later calls do nothing.
    void Shutdown();

    bool Silent() const { return silent_; }

  private:
    std::optional<std::filesystem::path> Resolve(const std::string& relative) const;
    // A fresh stream of "Sounds/<file>" in place of `slot`'s old one; 0 when
    // the file is missing or cannot be opened.
    TStreamHandle Replace(TStreamHandle& slot, const std::string& file, TStreamKind kind);
    void Release(TStreamHandle& slot);

    IAudio& audio_;
    const TGameOptions& options_;
    TReporter report_;
    TResolver resolve_;
    TStreamHandle effect_ = 0;
    TStreamHandle music_ = 0;
    TStreamHandle click_ = 0;
    bool silent_ = false;
};

} // namespace veltrane
