// Checks the pictures and sounds the build put into the program folder.
#include "DecodedSound.h"
#include "ExpectedAssets.h"
#include "SoundSynth.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cmath>

using namespace veltrane::assetgen;

namespace {

QString programFile(const QString& relative) {
    return QDir(VELTRANE_PROGRAM_DIR).filePath(relative);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le32(const QByteArray& b, int at) {
    return static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8 |
           static_cast<quint8>(b[at + 2]) << 16 | static_cast<quint32>(static_cast<quint8>(b[at + 3])) << 24;
}

quint16 le16(const QByteArray& b, int at) {
    return static_cast<quint16>(static_cast<quint8>(b[at]) | static_cast<quint8>(b[at + 1]) << 8);
}

// The start-of-frame marker of a JPEG: 0xC0 baseline, 0xC2 progressive; 0 when none found.
int jpegFrameMarker(const QByteArray& b) {
    int at = 2;
    while (at + 4 <= b.size()) {
        if (static_cast<quint8>(b[at]) != 0xFF) {
            return 0;
        }
        const int marker = static_cast<quint8>(b[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            return marker;
        }
        at += 2 + (static_cast<quint8>(b[at + 2]) << 8 | static_cast<quint8>(b[at + 3]));
    }
    return 0;
}

double rms(const std::vector<short>& s, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double v = s[(from + i) % s.size()];
        sum += v * v;
    }
    return std::sqrt(sum / static_cast<double>(count));
}

} // namespace

TEST(ProgramFolderPictures, EveryPictureIsThereInItsSize) {
    QStringList wrong;
    for (const ExpectedPicture& e : expectedPictures()) {
        QImageReader reader(programFile(e.path));
        const QSize size = reader.size();
        if (size != QSize(e.width, e.height)) {
            wrong << QString("%1: %2 x %3").arg(e.path).arg(size.width()).arg(size.height());
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join("\n").toStdString();
}

TEST(ProgramFolderPictures, BitmapsAreUncompressed24Bit) {
    for (const ExpectedPicture& e : expectedPictures()) {
        if (!e.path.endsWith(".bmp")) {
            continue;
        }
        const QByteArray bytes = readAll(programFile(e.path));
        ASSERT_GE(bytes.size(), 54) << e.path.toStdString();
        EXPECT_TRUE(bytes.startsWith("BM")) << e.path.toStdString();
        EXPECT_EQ(le16(bytes, 28), 24) << e.path.toStdString();
        EXPECT_EQ(le32(bytes, 30), 0u) << e.path.toStdString();
    }
}

TEST(ProgramFolderPictures, JpegsAreBaseline) {
    for (const ExpectedPicture& e : expectedPictures()) {
        if (e.path.endsWith(".jpg")) {
            EXPECT_EQ(jpegFrameMarker(readAll(programFile(e.path))), 0xC0) << e.path.toStdString();
        }
    }
}

TEST(ProgramFolderPictures, SpritesStandOnTheKeyColourWithoutPinkFringes) {
    for (const ExpectedPicture& e : expectedPictures()) {
        if (!isKeyedSprite(e.path)) {
            continue;
        }
        const QImage image(programFile(e.path));
        ASSERT_FALSE(image.isNull()) << e.path.toStdString();
        int key = 0, fringe = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if ((p & 0xFFFFFF) == 0xFF00FF) {
                    ++key;
                } else if (qRed(p) > 190 && qBlue(p) > 190 && qGreen(p) < 70) {
                    ++fringe;
                }
            }
        }
        const int all = image.width() * image.height();
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu) << e.path.toStdString();
        EXPECT_GT(key, all / 10) << e.path.toStdString();
        EXPECT_GT(all - key, all / 20) << e.path.toStdString() << " shows almost nothing";
        EXPECT_EQ(fringe, 0) << e.path.toStdString();
    }
}

TEST(ProgramFolderSounds, EffectsAreShortPcmWithHeadroomAndNoOffset) {
    for (const ExpectedSound& e : expectedSounds()) {
        if (!e.path.endsWith(".wav")) {
            continue;
        }
        const std::string name = e.path.toStdString();
        const QByteArray b = readAll(programFile(e.path));
        ASSERT_GE(b.size(), 46) << name;
        ASSERT_TRUE(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE") << name;
        EXPECT_EQ(le16(b, 20), 1) << name; // PCM
        EXPECT_EQ(le32(b, 24), 44100u) << name;
        EXPECT_EQ(le16(b, 34), 16) << name;
        const quint32 channels = le16(b, 22);
        const quint32 dataBytes = le32(b, 40);
        ASSERT_EQ(static_cast<qsizetype>(44 + dataBytes), b.size()) << name;
        const std::size_t frames = dataBytes / 2 / channels;
        const double seconds = static_cast<double>(frames) / 44100.0;
        EXPECT_GE(seconds, e.minSeconds) << name;
        EXPECT_LE(seconds, e.maxSeconds) << name;
        double peak = 0.0, sum = 0.0;
        for (std::size_t i = 0; i < dataBytes / 2; ++i) {
            const double v = static_cast<short>(le16(b, 44 + static_cast<int>(i) * 2)) / 32768.0;
            peak = std::max(peak, std::abs(v));
            sum += v;
        }
        const double peakDb = 20.0 * std::log10(peak);
        EXPECT_GT(peakDb, -4.0) << name;
        EXPECT_LT(peakDb, -2.5) << name;
        EXPECT_LT(std::abs(sum / (dataBytes / 2)), 0.002) << name << " has a DC offset";
        // Soft edges: the first and last samples are (nearly) silent.
        EXPECT_LT(std::abs(static_cast<short>(le16(b, 44))), 100) << name;
        EXPECT_LT(std::abs(static_cast<short>(le16(b, static_cast<int>(b.size()) - 2))), 100) << name;
    }
}

TEST(ProgramFolderSounds, MusicDecodesToItsLength) {
    for (const ExpectedSound& e : expectedSounds()) {
        if (!e.path.endsWith(".mp3")) {
            continue;
        }
        const DecodedSound sound = DecodedSound::load(programFile(e.path));
        ASSERT_TRUE(sound.error.isEmpty()) << sound.error.toStdString();
        EXPECT_GE(sound.seconds(), e.minSeconds) << e.path.toStdString();
        EXPECT_LE(sound.seconds(), e.maxSeconds) << e.path.toStdString();
        int peak = 0;
        for (const short v : sound.left) {
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        }
        EXPECT_LT(peak, 32767) << e.path.toStdString() << " clips";
        EXPECT_GT(peak, 16000) << e.path.toStdString() << " is too quiet";
    }
}

TEST(SpaceLoop, DecodedLoopIsWholeFramesAndJoinsInAQuietMoment) {
    const DecodedSound sound = DecodedSound::load(programFile("Sounds/space_loop.mp3"));
    ASSERT_TRUE(sound.error.isEmpty()) << sound.error.toStdString();
    const std::size_t n = sound.left.size();
    EXPECT_EQ(n % SoundSynth::kMp3Frame, 0u);
    const double overall = rms(sound.left, 0, n);
    // The two frames either side of the join: the decoder's silent edges lie here.
    const double seam = rms(sound.left, n - SoundSynth::kMp3Frame, 2 * SoundSynth::kMp3Frame);
    EXPECT_LT(seam, overall * 0.05);
    for (const auto* channel : {&sound.left, &sound.right}) {
        EXPECT_LT(std::abs(channel->back() - channel->front()), 200);
    }
}

TEST(SpaceLoop, DecodedStreamIsInStepWithThePeriod) {
    // The encoder input is shifted to cancel the codec delay; if that shift were wrong, the
    // loop point would land in loud music and the quiet join above would be luck.
    const DecodedSound sound = DecodedSound::load(programFile("Sounds/space_loop.mp3"));
    ASSERT_TRUE(sound.error.isEmpty()) << sound.error.toStdString();
    const SoundBuffer period = SoundSynth::spaceLoop();
    ASSERT_EQ(sound.left.size(), period.frames());
    double dot = 0.0, a2 = 0.0, b2 = 0.0;
    for (std::size_t i = period.frames() / 3; i < period.frames() / 3 + 44100; ++i) {
        const double a = sound.left[i] / 32768.0, b = period.samples[i * 2];
        dot += a * b;
        a2 += a * a;
        b2 += b * b;
    }
    EXPECT_GT(dot / std::sqrt(a2 * b2), 0.95);
}
