#include "sound/SilentAudio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace veltrane {
namespace {

using ::testing::ElementsAre;

// Other tests lean on this double behaving like a real back end.
TEST(SilentAudio, RecordsEveryCallInOrder) {
    SilentAudio audio;
    ASSERT_TRUE(audio.Init());
    const TStreamHandle music = audio.CreateStream("Sounds/loop.mp3", TStreamKind::LoopingMusic);
    audio.Play(music, true);
    audio.Play(music, false);
    audio.IsActive(music);
    audio.Stop(music);
    audio.Free(music);
    audio.StopAll();
    audio.Shutdown();
    EXPECT_THAT(audio.Calls(),
                ElementsAre("Init", "CreateStream(Sounds/loop.mp3,LoopingMusic)", "Play(1,restart)",
                            "Play(1)", "IsActive(1)", "Stop(1)", "Free(1)", "StopAll", "Shutdown"));
}

TEST(SilentAudio, PlayedStreamsStayActiveUntilStoppedFinishedOrFreed) {
    SilentAudio audio;
    const TStreamHandle a = audio.CreateStream("a.wav", TStreamKind::Effect);
    const TStreamHandle b = audio.CreateStream("b.wav", TStreamKind::Effect);
    const TStreamHandle c = audio.CreateStream("c.wav", TStreamKind::Effect);
    EXPECT_FALSE(audio.IsActive(a));
    for (const TStreamHandle handle : {a, b, c}) {
        ASSERT_TRUE(audio.Play(handle, true));
        EXPECT_TRUE(audio.IsActive(handle));
    }
    audio.Stop(a);
    audio.Finish(b);
    audio.Free(c);
    EXPECT_FALSE(audio.IsActive(a));
    EXPECT_FALSE(audio.IsActive(b));
    EXPECT_FALSE(audio.IsActive(c));
    EXPECT_FALSE(audio.Play(c, true)) << "a freed stream cannot play";
    EXPECT_EQ(audio.LiveStreams().size(), 2u);
}

TEST(SilentAudio, ScriptedFailures) {
    SilentAudio audio;
    audio.SetInitFails(true);
    EXPECT_FALSE(audio.Init());
    EXPECT_EQ(audio.CreateStream("a.wav", TStreamKind::Effect), 0u) << "no device, no streams";
    EXPECT_FALSE(audio.Play(0, true));

    audio.SetInitFails(false);
    ASSERT_TRUE(audio.Init());
    audio.SetCreateFails(true);
    EXPECT_EQ(audio.CreateStream("a.wav", TStreamKind::Effect), 0u);
    audio.SetCreateFails(false);
    const TStreamHandle handle = audio.CreateStream("a.wav", TStreamKind::Effect);
    ASSERT_NE(handle, 0u);
    audio.SetPlayFails(true);
    EXPECT_FALSE(audio.Play(handle, true));
    EXPECT_FALSE(audio.IsActive(handle));
}

} // namespace
} // namespace veltrane
