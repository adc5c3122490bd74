#pragma once

#include <QByteArray>

#include <vector>

namespace veltrane::assetgen {

// A block of sound: interleaved samples in −1…1.
struct SoundBuffer {
    int channels = 1;
    int rate = 44100;
    std::vector<double> samples;

    std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    double seconds() const { return static_cast<double>(frames()) / rate; }
    // The sample of one channel in a frame; the channels of a frame lie side by side.
    double& at(std::size_t frame, int channel) { return samples[index(frame, channel)]; }
    double at(std::size_t frame, int channel) const { return samples[index(frame, channel)]; }

  private:
    std::size_t index(std::size_t frame, int channel) const {
        return frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel);
    }
};

class SoundFiles {
  public:
    // 16-bit PCM RIFF/WAVE; samples beyond ±1 are clamped, never wrapped.
    static QByteArray wav(const SoundBuffer& sound);
    // MP3 through lame at a constant bit rate, without the Xing/Info frame (a decoder that
    // does not know it would play it as a frame of silence). Empty on failure.
    static QByteArray mp3(const SoundBuffer& sound, int kbps);

    // Converts a sample to 16 bits with rounding and clamping.
    static short toPcm16(double v);
};

} // namespace veltrane::assetgen
