#include "game/SoundPlayer.h"

#include "core/MediaPaths.h"
#include "sound/SdlAudio.h"
#include "sound/SilentAudio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace veltrane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The player over a silent back end, a settable media folder and a list of
// what the window would have shown.
class SoundPlayerTest : public ::testing::Test {
  protected:
    SoundPlayerTest()
        : player_(
              audio_, options_, [this](const std::string& text) { reports_.push_back(text); },
              [this](const std::string& relative) -> std::optional<std::filesystem::path> {
                  if (missing_.count(relative) != 0) {
                      return std::nullopt;
                  }
                  return std::filesystem::path("/media") / relative;
              }) {}

    // Starts a test from a working device and an empty call list.
    void Open() {
        ASSERT_TRUE(player_.InitAudio());
        audio_.ClearCalls();
    }

    SilentAudio audio_;
    TGameOptions options_;
    std::vector<std::string> reports_;
    std::set<std::string> missing_;
    TSoundPlayer player_;
};

TEST_F(SoundPlayerTest, EffectIsCreatedFromTheSoundsFolderAndPlayedFromTheStart) {
    Open();
    player_.PlaySoundEffect("good.wav");
    EXPECT_THAT(audio_.Calls(),
                ElementsAre("CreateStream(/media/Sounds/good.wav,Effect)", "Play(1,restart)"));
    EXPECT_THAT(reports_, IsEmpty());
}

TEST_F(SoundPlayerTest, WithEffectsOffNothingIsPlayedNorStopped) {
    Open();
    player_.PlaySoundEffect("good.wav");
    options_.Effects = false;
    audio_.ClearCalls();
    player_.PlaySoundEffect("bad.wav");
    player_.PlaySoundEffect("");
    player_.PlayButtonSound();
    EXPECT_THAT(audio_.Calls(), IsEmpty());
    EXPECT_THAT(reports_, IsEmpty());
}

TEST_F(SoundPlayerTest, SecondEffectCutsTheFirstAndReleasesItsStream) {
    Open();
    player_.PlaySoundEffect("good.wav");
    player_.PlaySoundEffect("bad.wav");
    EXPECT_THAT(audio_.Calls(), ElementsAre("CreateStream(/media/Sounds/good.wav,Effect)", "Play(1,restart)",
                                            "IsActive(1)", "Stop(1)", "Free(1)",
                                            "CreateStream(/media/Sounds/bad.wav,Effect)", "Play(2,restart)"));
    EXPECT_EQ(audio_.LiveStreams(), std::set<TStreamHandle>{2});
}

TEST_F(SoundPlayerTest, FinishedEffectIsNotStoppedButStillReleased) {
    Open();
    player_.PlaySoundEffect("good.wav");
    audio_.Finish(1);
    audio_.ClearCalls();
    player_.PlaySoundEffect("bad.wav");
    EXPECT_THAT(audio_.Calls(), ElementsAre("IsActive(1)", "Free(1)",
                                            "CreateStream(/media/Sounds/bad.wav,Effect)", "Play(2,restart)"));
}

TEST_F(SoundPlayerTest, LongGameKeepsOneEffectStream) {
    Open();
    for (int i = 0; i < 500; ++i) {
        player_.PlayButtonSound();
    }
    EXPECT_EQ(audio_.LiveStreams().size(), 1u);
}

TEST_F(SoundPlayerTest, EmptyNameOnlyStopsTheEffect) {
    Open();
    player_.PlaySoundEffect("trance.mp3");
    audio_.ClearCalls();
    player_.PlaySoundEffect("");
    EXPECT_THAT(audio_.Calls(), ElementsAre("IsActive(1)", "Stop(1)"));
    audio_.ClearCalls();
    player_.PlaySoundEffect("");
    EXPECT_THAT(audio_.Calls(), ElementsAre("IsActive(1)")) << "nothing left to stop";
    EXPECT_THAT(reports_, IsEmpty());
}

TEST_F(SoundPlayerTest, MissingButtonSoundIsReportedOnEveryPress) {
    Open();
    missing_.insert("Sounds/button.wav");
    player_.PlayButtonSound();
    player_.PlayButtonSound();
    EXPECT_THAT(reports_,
                ElementsAre("Error playing sound file button.wav!", "Error playing sound file button.wav!"));
    for (const std::string& call : audio_.Calls()) {
        EXPECT_EQ(call.rfind("CreateStream", 0), std::string::npos) << "no stream for a missing file";
    }
}

TEST_F(SoundPlayerTest, UnreadableOrUnplayableEffectIsReported) {
    Open();
    audio_.SetCreateFails(true);
    player_.PlaySoundEffect("install.wav");
    audio_.SetCreateFails(false);
    audio_.SetPlayFails(true);
    player_.PlaySoundEffect("fanfare.wav");
    EXPECT_THAT(reports_, ElementsAre("Error playing sound file install.wav!",
                                      "Error playing sound file fanfare.wav!"));
}

TEST_F(SoundPlayerTest, MusicStartsFromTheBeginningOnEveryUpdate) {
    Open();
    player_.UpdateBackgroundMusic();
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(audio_.Calls(),
                ElementsAre("CreateStream(/media/Sounds/space_loop.mp3,LoopingMusic)", "Play(1,restart)",
                            "Stop(1)", "Free(1)", "CreateStream(/media/Sounds/space_loop.mp3,LoopingMusic)",
                            "Play(2,restart)"));
    EXPECT_TRUE(audio_.IsActive(2));
}

TEST_F(SoundPlayerTest, MusicOffStopsAPlayingTuneAndOnStartsItAgain) {
    Open();
    player_.UpdateBackgroundMusic();
    options_.Background = false;
    audio_.ClearCalls();
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(audio_.Calls(), ElementsAre("IsActive(1)", "Stop(1)"));
    audio_.ClearCalls();
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(audio_.Calls(), ElementsAre("IsActive(1)")) << "already quiet";

    options_.Background = true;
    audio_.ClearCalls();
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(audio_.Calls(),
                ElementsAre("Stop(1)", "Free(1)", "CreateStream(/media/Sounds/space_loop.mp3,LoopingMusic)",
                            "Play(2,restart)"));
}

TEST_F(SoundPlayerTest, MusicOffBeforeAnyTuneDoesNothing) {
    Open();
    options_.Background = false;
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(audio_.Calls(), IsEmpty());
}

TEST_F(SoundPlayerTest, MissingOrFailingMusicIsReported) {
    Open();
    missing_.insert("Sounds/space_loop.mp3");
    player_.UpdateBackgroundMusic();
    missing_.clear();
    audio_.SetPlayFails(true);
    player_.UpdateBackgroundMusic();
    EXPECT_THAT(reports_, ElementsAre("Error playing background sound!", "Error playing background sound!"));
}

TEST_F(SoundPlayerTest, EffectsAndMusicDoNotTouchEachOther) {
    Open();
    player_.UpdateBackgroundMusic();
    player_.PlaySoundEffect("good.wav");
    player_.PlaySoundEffect("bad.wav");
    EXPECT_TRUE(audio_.IsActive(1)) << "the tune plays on under the effects";
}

TEST_F(SoundPlayerTest, PlatformClickIgnoresEffectsAndDoesNotCutTheEffect) {
    Open();
    player_.PlaySoundEffect("fanfare.wav");
    options_.Effects = false;
    audio_.ClearCalls();
    player_.PlatformClick();
    player_.PlatformClick();
    EXPECT_THAT(audio_.Calls(), ElementsAre("CreateStream(/media/Sounds/button.wav,Effect)",
                                            "Play(2,restart)", "Play(2,restart)"));
    EXPECT_TRUE(audio_.IsActive(1));
}

TEST_F(SoundPlayerTest, PlatformClickStaysQuietWhenItCannotPlay) {
    Open();
    missing_.insert("Sounds/button.wav");
    player_.PlatformClick();
    missing_.clear();
    audio_.SetPlayFails(true);
    player_.PlatformClick();
    EXPECT_THAT(reports_, IsEmpty());
    // The stream found on the second try is kept and plays once the device lets it.
    audio_.SetPlayFails(false);
    player_.PlatformClick();
    EXPECT_EQ(audio_.Calls().back(), "Play(1,restart)");
}

TEST_F(SoundPlayerTest, FailedInitIsReportedOnceAndTheGameGoesOnSilently) {
    audio_.SetInitFails(true);
    EXPECT_FALSE(player_.InitAudio());
    EXPECT_TRUE(player_.Silent());
    audio_.ClearCalls();
    player_.PlayButtonSound();
    player_.PlaySoundEffect("bad.wav");
    player_.UpdateBackgroundMusic();
    player_.PlatformClick();
    EXPECT_THAT(reports_, ElementsAre("Error initializing audio!"));
    EXPECT_THAT(audio_.Calls(), IsEmpty());
}

TEST_F(SoundPlayerTest, ShutdownStopsAndReleasesEverythingOnce) {
    Open();
    player_.UpdateBackgroundMusic();
    player_.PlaySoundEffect("good.wav");
    player_.PlatformClick();
    audio_.ClearCalls();
    player_.Shutdown();
    EXPECT_THAT(audio_.Calls(), ElementsAre("StopAll", "Free(2)", "Free(1)", "Free(3)", "Shutdown"));
    EXPECT_THAT(audio_.LiveStreams(), IsEmpty());
    audio_.ClearCalls();
    player_.Shutdown();
    player_.PlayButtonSound();
    EXPECT_THAT(audio_.Calls(), IsEmpty()) << "nothing after shutdown";
}

TEST(SoundPlayerLifetime, DestructionReleasesTheDevice) {
    SilentAudio audio;
    TGameOptions options;
    {
        TSoundPlayer player(audio, options, {}, [](const std::string& relative) {
            return std::optional<std::filesystem::path>(relative);
        });
        player.InitAudio();
        player.PlayButtonSound();
    }
    EXPECT_EQ(audio.Calls().back(), "Shutdown");
    EXPECT_THAT(audio.LiveStreams(), IsEmpty());
}

} // namespace
} // namespace veltrane

namespace veltrane {
namespace {

// A silent mono 16-bit WAV of the given length: enough for the mixer to play.
void WriteSilence(const std::filesystem::path& path, double seconds) {
    const auto samples = static_cast<std::uint32_t>(44100 * seconds);
    auto le = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) {
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return out;
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF" << le(36 + samples * 2, 4) << "WAVEfmt " << le(16, 4) << le(1, 2) << le(1, 2)
        << le(44100, 4) << le(88200, 4) << le(2, 2) << le(16, 2) << "data" << le(samples * 2, 4)
        << std::string(samples * 2, '\0');
}

// The same rules over the real mixer (SDL's dummy output under test).
class SoundPlayerWithMixerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        root_ = std::filesystem::temp_directory_path() / ("veltrane-player-" + std::to_string(seed()));
        std::filesystem::create_directories(root_ / "Sounds");
        for (const char* name : {"button.wav", "good.wav", "bad.wav", "loop.wav"}) {
            WriteSilence(root_ / "Sounds" / name, 3.0);
        }
        SetProgramFolder(root_.string());
    }
    void TearDown() override {
        SetProgramFolder("");
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path root_;
};

TEST_F(SoundPlayerWithMixerTest, EffectsCutEachOtherButNotTheClickOrTheMusic) {
    SdlAudio audio;
    TGameOptions options;
    std::vector<std::string> reports;
    // The mixer tells music formats by their extension: the tune here is a WAV.
    TSoundPlayer player(
        audio, options, [&](const std::string& text) { reports.push_back(text); },
        [](const std::string& relative) {
            return ResolveMedia(relative == "Sounds/space_loop.mp3" ? "Sounds/loop.wav" : relative);
        });
    ASSERT_TRUE(player.InitAudio()) << audio.LastError();

    player.UpdateBackgroundMusic();
    player.PlaySoundEffect("good.wav");
    player.PlatformClick();
    player.PlaySoundEffect("BAD.WAV"); // names are found whatever their case
    EXPECT_THAT(reports, IsEmpty());
    // Streams in order of creation: 1 the tune, 2 and 4 the effects, 3 the click.
    EXPECT_TRUE(audio.IsActive(1)) << "the tune plays under the effects";
    EXPECT_FALSE(audio.IsActive(2)) << "the first effect was cut and released";
    EXPECT_TRUE(audio.IsActive(3)) << "the click plays on";
    EXPECT_TRUE(audio.IsActive(4)) << "the second effect plays";

    player.PlaySoundEffect("missing.wav");
    EXPECT_THAT(reports, ElementsAre("Error playing sound file missing.wav!"));

    player.Shutdown();
    EXPECT_FALSE(audio.IsActive(1));
    EXPECT_FALSE(audio.IsActive(3));
}

} // namespace
} // namespace veltrane
