#include "SoundFiles.h"
#include "DecodedSound.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>

using namespace veltrane::assetgen;

namespace {

quint32 le32(const QByteArray& b, int at) {
    return static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8 |
           static_cast<quint8>(b[at + 2]) << 16 | static_cast<quint32>(static_cast<quint8>(b[at + 3])) << 24;
}

short sampleAt(const QByteArray& b, int index) {
    return static_cast<short>(static_cast<quint8>(b[44 + index * 2]) | static_cast<quint8>(b[45 + index * 2])
                                                                           << 8);
}

SoundBuffer sine(int channels, double seconds) {
    SoundBuffer s;
    s.channels = channels;
    const auto frames = static_cast<std::size_t>(seconds * s.rate);
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            s.samples.push_back(0.5 * std::sin(2 * M_PI * 440.0 * static_cast<double>(i) / s.rate));
        }
    }
    return s;
}

} // namespace

TEST(Wav, HeaderDescribesTheSamples) {
    const SoundBuffer s = sine(2, 0.01);
    const QByteArray b = SoundFiles::wav(s);
    ASSERT_EQ(b.size(), static_cast<qsizetype>(44 + s.samples.size() * 2));
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(le32(b, 4), static_cast<quint32>(b.size() - 8));
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(static_cast<quint8>(b[22]), 2);  // channels
    EXPECT_EQ(le32(b, 24), 44100u);            // rate
    EXPECT_EQ(le32(b, 28), 44100u * 4);        // bytes per second
    EXPECT_EQ(static_cast<quint8>(b[32]), 4);  // block align
    EXPECT_EQ(static_cast<quint8>(b[34]), 16); // bits
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(le32(b, 40), static_cast<quint32>(s.samples.size() * 2));
}

TEST(Wav, SamplesAreRoundedAndClampedNeverWrapped) {
    SoundBuffer s;
    s.samples = {0.0, 0.5, -0.5, 1.0, -1.0, 1.7, -3.0};
    const QByteArray b = SoundFiles::wav(s);
    EXPECT_EQ(sampleAt(b, 0), 0);
    EXPECT_EQ(sampleAt(b, 1), 16384);
    EXPECT_EQ(sampleAt(b, 2), -16384);
    EXPECT_EQ(sampleAt(b, 3), 32767);
    EXPECT_EQ(sampleAt(b, 4), -32767);
    EXPECT_EQ(sampleAt(b, 5), 32767);
    EXPECT_EQ(sampleAt(b, 6), -32767);
}

TEST(Mp3, HasNoInfoFrameAndDecodesToItsLengthPlusCodecFrames) {
    const SoundBuffer s = sine(2, 1.0);
    const QByteArray bytes = SoundFiles::mp3(s, 128);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.left(2000).contains("Info"));
    EXPECT_FALSE(bytes.left(2000).contains("Xing"));
    QTemporaryDir dir;
    QFile file(dir.filePath("tone.mp3"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const DecodedSound decoded = DecodedSound::load(file.fileName());
    ASSERT_TRUE(decoded.error.isEmpty()) << decoded.error.toStdString();
    EXPECT_GE(decoded.left.size(), s.frames());
    EXPECT_LE(decoded.left.size(), s.frames() + 2 * 1152);
}

TEST(Mp3, RefusesChannelCountsItCannotEncode) {
    SoundBuffer s = sine(1, 0.1);
    s.channels = 3;
    EXPECT_TRUE(SoundFiles::mp3(s, 128).isEmpty());
    s.channels = 0;
    EXPECT_TRUE(SoundFiles::mp3(s, 128).isEmpty());
}
