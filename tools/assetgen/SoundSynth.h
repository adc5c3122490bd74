#pragma once

#include "SoundFiles.h"

#include <QString>

namespace veltrane::assetgen {

// The game's sounds, synthesised: short effects, the hyperspace jump and the space loop.
class SoundSynth {
  public:
    static constexpr int kRate = 44100;
    // Peak level of every sound: −3 dBFS.
    static constexpr double kPeak = 0.7079;
    // One MP3 frame; the loop is a whole number of them.
    static constexpr int kMp3Frame = 1152;
    static constexpr int kLoopFrames = 1536; // 1536 × 1152 samples ≈ 40.1 s

    // "button", "good", "bad", "goodmsg", "badmsg", "install", "fanfare"; empty for others.
    static SoundBuffer effect(const QString& name);
    static SoundBuffer trance();
    // One period of the background loop, kLoopFrames MP3 frames long; sample i + period = i.
    static SoundBuffer spaceLoop();

    // An MP3 decoder that knows nothing of encoder delay outputs the input shifted by this
    // many samples (lame's 576 plus the decoder's 529), after leading silence, and one frame
    // more than it was given.
    static constexpr int kCodecDelay = 1105;
    // What to give the encoder so that the decoded stream lines up with the period: one frame
    // shorter, started kCodecDelay samples in. The decoder's silent edges then fall on the
    // loop point, which the loop keeps quiet.
    static SoundBuffer encoderInputForLoop(const SoundBuffer& period);

    // Scales to the standard peak, removes any DC offset and fades both ends over `fadeMs`,
    // so no sound starts or stops with a click.
    static void finish(SoundBuffer& sound, double fadeMs = 3.0);
};

} // namespace veltrane::assetgen
