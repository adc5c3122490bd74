#include "SoundSynth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace veltrane::assetgen;

namespace {

double peakOf(const SoundBuffer& s) {
    double peak = 0.0;
    for (const double v : s.samples) {
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

} // namespace

TEST(SoundFinish, RemovesOffsetScalesToPeakAndSilencesBothEnds) {
    SoundBuffer s;
    for (int i = 0; i < 4410; ++i) {
        s.samples.push_back(0.3 + 0.2 * std::sin(i * 0.05));
    }
    SoundSynth::finish(s);
    double mean = 0.0;
    for (const double v : s.samples) {
        mean += v;
    }
    // The ends are faded after the offset is removed, which leaves a tiny residue only.
    EXPECT_NEAR(mean / static_cast<double>(s.samples.size()), 0.0, 0.01);
    EXPECT_NEAR(peakOf(s), SoundSynth::kPeak, 1e-12);
    EXPECT_EQ(s.samples.front(), 0.0);
    EXPECT_NEAR(s.samples.back(), 0.0, 1e-3);
}

TEST(SoundFinish, LeavesSilenceAndEmptyBuffersAlone) {
    SoundBuffer silent;
    silent.samples.assign(100, 0.0);
    SoundSynth::finish(silent);
    EXPECT_EQ(peakOf(silent), 0.0);
    SoundBuffer empty;
    SoundSynth::finish(empty);
    EXPECT_TRUE(empty.samples.empty());
}

TEST(Effects, EveryNamedEffectIsShortAndUnknownNamesGiveNothing) {
    for (const char* name : {"button", "good", "bad", "goodmsg", "badmsg", "install"}) {
        const SoundBuffer s = SoundSynth::effect(name);
        EXPECT_GE(s.seconds(), 0.1) << name;
        EXPECT_LE(s.seconds(), 1.2) << name;
        EXPECT_NEAR(peakOf(s), SoundSynth::kPeak, 1e-9) << name;
    }
    const SoundBuffer fanfare = SoundSynth::effect("fanfare");
    EXPECT_NEAR(fanfare.seconds(), 2.0, 0.3);
    EXPECT_TRUE(SoundSynth::effect("Button").samples.empty());
    EXPECT_TRUE(SoundSynth::effect("").samples.empty());
}

TEST(Effects, GoodRisesAndBadFalls) {
    // Zero crossings per second early and late in the sound track its pitch.
    const auto crossings = [](const SoundBuffer& s, double from, double to) {
        int count = 0;
        const auto a = static_cast<std::size_t>(from * s.rate), b = static_cast<std::size_t>(to * s.rate);
        for (std::size_t i = a + 1; i < b; ++i) {
            count += (s.samples[i - 1] < 0) != (s.samples[i] < 0);
        }
        return count / (to - from);
    };
    const SoundBuffer good = SoundSynth::effect("good");
    EXPECT_GT(crossings(good, 0.3, 0.4), crossings(good, 0.02, 0.1) * 1.2);
    const SoundBuffer bad = SoundSynth::effect("bad");
    EXPECT_LT(crossings(bad, 0.3, 0.38), crossings(bad, 0.02, 0.1) * 0.85);
}

TEST(SpaceLoopSynthesis, IsWholeMp3FramesAndRunsOnAcrossItsEnd) {
    const SoundBuffer loop = SoundSynth::spaceLoop();
    ASSERT_EQ(loop.channels, 2);
    EXPECT_EQ(loop.frames() % SoundSynth::kMp3Frame, 0u);
    EXPECT_GE(loop.seconds(), 30.0);
    EXPECT_LE(loop.seconds(), 60.0);
    // The step from the last frame to the first is no bigger than a step inside the loop.
    double largestStep = 0.0;
    for (std::size_t i = 2; i < loop.samples.size(); i += 2) {
        largestStep = std::max(largestStep, std::abs(loop.samples[i] - loop.samples[i - 2]));
    }
    const std::size_t last = loop.samples.size() - 2;
    EXPECT_LE(std::abs(loop.samples[0] - loop.samples[last]), largestStep);
    EXPECT_LE(std::abs(loop.samples[1] - loop.samples[last + 1]), largestStep);
    EXPECT_NEAR(peakOf(loop), SoundSynth::kPeak, 1e-9);
}

TEST(SpaceLoopSynthesis, EncoderInputIsOneFrameShorterAndStartsAtTheCodecDelay) {
    SoundBuffer period;
    period.channels = 2;
    const std::size_t frames = 3 * SoundSynth::kMp3Frame;
    for (std::size_t i = 0; i < frames; ++i) {
        period.samples.push_back(static_cast<double>(i));
        period.samples.push_back(-static_cast<double>(i));
    }
    const SoundBuffer in = SoundSynth::encoderInputForLoop(period);
    ASSERT_EQ(in.frames(), frames - SoundSynth::kMp3Frame);
    EXPECT_EQ(in.samples[0], SoundSynth::kCodecDelay);
    EXPECT_EQ(in.samples[1], -SoundSynth::kCodecDelay);
    // The frames the decoder replaces by its silent edges are the ones left out.
    const std::size_t last = in.frames() - 1;
    EXPECT_EQ(in.samples[last * 2],
              static_cast<double>(frames - SoundSynth::kMp3Frame - 1 + SoundSynth::kCodecDelay));

    SoundBuffer tiny;
    tiny.channels = 1;
    tiny.samples.assign(SoundSynth::kMp3Frame, 0.1);
    EXPECT_TRUE(SoundSynth::encoderInputForLoop(tiny).samples.empty());
}
