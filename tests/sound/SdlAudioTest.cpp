#include "sound/SdlAudio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <thread>
#include <vector>

namespace veltrane {
namespace {

namespace fs = std::filesystem;

void PutLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A mono 16-bit PCM tone of the given length, written by hand.
void WriteTone(const fs::path& path, double seconds) {
    const std::uint32_t rate = 44100;
    const auto samples = static_cast<std::uint32_t>(rate * seconds);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    PutLe(out, 36 + samples * 2, 4);
    out.write("WAVEfmt ", 8);
    PutLe(out, 16, 4);
    PutLe(out, 1, 2); // PCM
    PutLe(out, 1, 2); // mono
    PutLe(out, rate, 4);
    PutLe(out, rate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    out.write("data", 4);
    PutLe(out, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = 8000.0 * std::sin(2.0 * 3.14159265 * 440.0 * i / rate);
        PutLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
}

template <typename Condition> bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// Runs against SDL's dummy output, which plays in real time without a device.
class SdlAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("veltrane-sdl-" + std::to_string(seed()));
        fs::create_directories(folder_);
        WriteTone(folder_ / "long.wav", 2.0);
        WriteTone(folder_ / "short.wav", 0.05);
        ASSERT_TRUE(audio_.Init()) << audio_.LastError();
    }
    void TearDown() override {
        audio_.Shutdown();
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path folder_;
    SdlAudio audio_;
};

TEST_F(SdlAudioTest, EffectPlaysUntilStopped) {
    const TStreamHandle effect = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    ASSERT_NE(effect, 0u) << audio_.LastError();
    EXPECT_FALSE(audio_.IsActive(effect));
    ASSERT_TRUE(audio_.Play(effect, true));
    EXPECT_TRUE(audio_.IsActive(effect));
    // Restarting a playing effect keeps it playing.
    EXPECT_TRUE(audio_.Play(effect, true));
    EXPECT_TRUE(audio_.IsActive(effect));
    audio_.Stop(effect);
    EXPECT_FALSE(audio_.IsActive(effect));
}

TEST_F(SdlAudioTest, ShortEffectEndsByItself) {
    const TStreamHandle effect = audio_.CreateStream(folder_ / "short.wav", TStreamKind::Effect);
    ASSERT_NE(effect, 0u);
    ASSERT_TRUE(audio_.Play(effect, true));
    EXPECT_TRUE(WaitFor([&] { return !audio_.IsActive(effect); }, std::chrono::seconds(5)));
}

TEST_F(SdlAudioTest, TwoEffectsSoundTogetherOnTheirOwnChannels) {
    const TStreamHandle first = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    const TStreamHandle second = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    ASSERT_NE(first, second);
    ASSERT_TRUE(audio_.Play(first, true));
    ASSERT_TRUE(audio_.Play(second, true));
    EXPECT_TRUE(audio_.IsActive(first));
    EXPECT_TRUE(audio_.IsActive(second));
    audio_.Stop(first);
    EXPECT_FALSE(audio_.IsActive(first));
    EXPECT_TRUE(audio_.IsActive(second));
}

TEST_F(SdlAudioTest, ManyEffectsAtOnceStillFindAChannel) {
    std::vector<TStreamHandle> effects;
    for (int i = 0; i < 20; ++i) {
        effects.push_back(audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect));
        ASSERT_TRUE(audio_.Play(effects.back(), true)) << i << ": " << audio_.LastError();
    }
    for (const TStreamHandle effect : effects) {
        EXPECT_TRUE(audio_.IsActive(effect));
    }
    audio_.StopAll();
    for (const TStreamHandle effect : effects) {
        EXPECT_FALSE(audio_.IsActive(effect));
    }
}

TEST_F(SdlAudioTest, MusicLoopsPastItsEndUntilStopped) {
    const TStreamHandle music = audio_.CreateStream(folder_ / "short.wav", TStreamKind::LoopingMusic);
    ASSERT_NE(music, 0u) << audio_.LastError();
    ASSERT_TRUE(audio_.Play(music, true));
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // six times its length
    EXPECT_TRUE(audio_.IsActive(music));
    audio_.Stop(music);
    EXPECT_FALSE(audio_.IsActive(music));
}

TEST_F(SdlAudioTest, NewMusicReplacesTheOldOne) {
    const TStreamHandle first = audio_.CreateStream(folder_ / "long.wav", TStreamKind::LoopingMusic);
    const TStreamHandle second = audio_.CreateStream(folder_ / "long.wav", TStreamKind::LoopingMusic);
    ASSERT_TRUE(audio_.Play(first, true));
    ASSERT_TRUE(audio_.Play(second, true));
    EXPECT_FALSE(audio_.IsActive(first));
    EXPECT_TRUE(audio_.IsActive(second));
    // Stopping the replaced one must not silence the new one.
    audio_.Stop(first);
    EXPECT_TRUE(audio_.IsActive(second));
}

TEST_F(SdlAudioTest, MissingOrBrokenFilesGiveNoStream) {
    EXPECT_EQ(audio_.CreateStream(folder_ / "absent.wav", TStreamKind::Effect), 0u);
    EXPECT_EQ(audio_.CreateStream(folder_ / "absent.mp3", TStreamKind::LoopingMusic), 0u);
    std::ofstream(folder_ / "broken.wav") << "RIFF but nothing after it";
    EXPECT_EQ(audio_.CreateStream(folder_ / "broken.wav", TStreamKind::Effect), 0u);
    EXPECT_FALSE(audio_.LastError().empty());
    EXPECT_FALSE(audio_.Play(0, true));
    EXPECT_FALSE(audio_.IsActive(0));
}

TEST_F(SdlAudioTest, FreedStreamsAreGone) {
    const TStreamHandle effect = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    const TStreamHandle music = audio_.CreateStream(folder_ / "long.wav", TStreamKind::LoopingMusic);
    ASSERT_TRUE(audio_.Play(effect, true));
    ASSERT_TRUE(audio_.Play(music, true));
    audio_.Free(effect);
    audio_.Free(music);
    EXPECT_FALSE(audio_.IsActive(effect));
    EXPECT_FALSE(audio_.IsActive(music));
    EXPECT_FALSE(audio_.Play(effect, true));
    audio_.Free(effect); // twice is harmless
}

TEST_F(SdlAudioTest, NothingWorksAfterShutdownButInitOpensAgain) {
    const TStreamHandle effect = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    ASSERT_TRUE(audio_.Play(effect, true));
    audio_.Shutdown();
    EXPECT_FALSE(audio_.IsActive(effect));
    EXPECT_EQ(audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect), 0u);
    ASSERT_TRUE(audio_.Init());
    const TStreamHandle again = audio_.CreateStream(folder_ / "long.wav", TStreamKind::Effect);
    EXPECT_NE(again, 0u);
    EXPECT_TRUE(audio_.Play(again, true));
}

TEST(SdlAudioWithoutDevice, StreamsFailBeforeInit) {
    SdlAudio audio;
    EXPECT_EQ(audio.CreateStream("/nonexistent.wav", TStreamKind::Effect), 0u);
    EXPECT_FALSE(audio.Play(1, true));
    audio.StopAll();
    audio.Shutdown();
}

TEST(SdlAudioWithoutDevice, InitFailsCleanlyWhenNoOutputCanBeOpened) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::optional<std::string> saved =
        before != nullptr ? std::optional<std::string>(before) : std::nullopt;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudio audio;
    const bool opened = audio.Init();
    if (saved) {
        setenv("SDL_AUDIODRIVER", saved->c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
    EXPECT_FALSE(opened);
    EXPECT_FALSE(audio.LastError().empty());
    EXPECT_EQ(audio.CreateStream("/nonexistent.wav", TStreamKind::Effect), 0u);
    // The device is free again for a later, working attempt.
    EXPECT_TRUE(audio.Init()) << audio.LastError();
}

// The game plays its MP3 jingle as an effect; checked with the generated one.
TEST_F(SdlAudioTest, GeneratedMp3PlaysAsEffectAndAsMusic) {
    const fs::path trance = fs::path(VELTRANE_PROGRAM_DIR) / "Sounds" / "trance.mp3";
    ASSERT_TRUE(fs::exists(trance)) << "no generated sounds in " << VELTRANE_PROGRAM_DIR;
    const TStreamHandle effect = audio_.CreateStream(trance, TStreamKind::Effect);
    ASSERT_NE(effect, 0u) << audio_.LastError();
    EXPECT_TRUE(audio_.Play(effect, true));
    EXPECT_TRUE(audio_.IsActive(effect));
    const TStreamHandle music = audio_.CreateStream(trance, TStreamKind::LoopingMusic);
    ASSERT_NE(music, 0u) << audio_.LastError();
    EXPECT_TRUE(audio_.Play(music, true));
    EXPECT_TRUE(audio_.IsActive(music));
}

} // namespace
} // namespace veltrane
