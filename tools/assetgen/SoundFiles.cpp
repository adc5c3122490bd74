#include "SoundFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <lame/lame.h>

namespace veltrane::assetgen {

namespace {

void putU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void putU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

} // namespace

short SoundFiles::toPcm16(double v) {
    const double scaled = std::clamp(v, -1.0, 1.0) * 32767.0;
    return static_cast<short>(std::lround(scaled));
}

QByteArray SoundFiles::wav(const SoundBuffer& sound) {
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    const auto channels = static_cast<std::uint16_t>(sound.channels);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    putU32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    putU32(out, 16);
    putU16(out, 1);
    putU16(out, channels);
    putU32(out, static_cast<std::uint32_t>(sound.rate));
    putU32(out, static_cast<std::uint32_t>(sound.rate) * channels * 2);
    putU16(out, static_cast<std::uint16_t>(channels * 2));
    putU16(out, 16);
    out.append("data");
    putU32(out, dataBytes);
    for (const double s : sound.samples) {
        putU16(out, static_cast<std::uint16_t>(toPcm16(s)));
    }
    return out;
}

QByteArray SoundFiles::mp3(const SoundBuffer& sound, int kbps) {
    if (sound.channels < 1 || sound.channels > 2) {
        return {};
    }
    lame_global_flags* gf = lame_init();
    if (!gf) {
        return {};
    }
    lame_set_in_samplerate(gf, sound.rate);
    lame_set_out_samplerate(gf, sound.rate);
    lame_set_num_channels(gf, sound.channels);
    lame_set_mode(gf, sound.channels == 2 ? JOINT_STEREO : MONO);
    lame_set_brate(gf, kbps);
    lame_set_VBR(gf, vbr_off);
    lame_set_quality(gf, 2);
    lame_set_bWriteVbrTag(gf, 0);
    if (lame_init_params(gf) < 0) {
        lame_close(gf);
        return {};
    }
    const std::size_t frames = sound.frames();
    std::vector<short> left(frames);
    std::vector<short> right(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        left[i] = toPcm16(sound.at(i, 0));
        right[i] = sound.channels == 2 ? toPcm16(sound.samples[i * 2 + 1]) : left[i];
    }
    QByteArray out;
    std::vector<unsigned char> chunk;
    constexpr std::size_t kBlock = 8192;
    for (std::size_t pos = 0; pos < frames; pos += kBlock) {
        const int n = static_cast<int>(std::min(kBlock, frames - pos));
        chunk.resize(static_cast<std::size_t>(1.25 * n + 7200));
        const int written = lame_encode_buffer(gf, left.data() + pos, right.data() + pos, n, chunk.data(),
                                               static_cast<int>(chunk.size()));
        if (written < 0) {
            lame_close(gf);
            return {};
        }
        out.append(reinterpret_cast<const char*>(chunk.data()), written);
    }
    chunk.resize(7200);
    const int tail = lame_encode_flush(gf, chunk.data(), static_cast<int>(chunk.size()));
    lame_close(gf);
    if (tail < 0) {
        return {};
    }
    out.append(reinterpret_cast<const char*>(chunk.data()), tail);
    return out;
}

} // namespace veltrane::assetgen
