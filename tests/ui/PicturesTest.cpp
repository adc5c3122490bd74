#include "ui/Pictures.h"
#include "ui/BmpDecoder.h"
#include "ui/JpegDecoder.h"

#include "core/MediaPaths.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace veltrane {
namespace {

namespace fs = std::filesystem;

// Left half red, right half blue: easy to recognise after lossy compression.
QImage TwoColours(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, x < width / 2 ? qRgb(220, 20, 20) : qRgb(20, 20, 220));
        }
    }
    return image;
}

QByteArray AsJpeg(const QImage& image, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

bool Near(QRgb actual, QRgb wanted) {
    return std::abs(qRed(actual) - qRed(wanted)) < 24 && std::abs(qGreen(actual) - qGreen(wanted)) < 24 &&
           std::abs(qBlue(actual) - qBlue(wanted)) < 24;
}

TEST(DecodeJpeg, ColourPictureKeepsSizeAndColours) {
    const Result<QImage> decoded = DecodeJpeg(AsJpeg(TwoColours(64, 24)));
    ASSERT_TRUE(decoded) << decoded.error().message;
    EXPECT_EQ(decoded->size(), QSize(64, 24));
    EXPECT_EQ(decoded->format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(decoded->pixel(4, 12), qRgb(220, 20, 20)));
    EXPECT_TRUE(Near(decoded->pixel(60, 12), qRgb(20, 20, 220)));
}

struct ShrinkCase {
    const char* name;
    QSize atLeast;
    QSize decoded; // from a 66 x 26 picture
};

class DecodeSmall : public ::testing::TestWithParam<ShrinkCase> {};

// A thumbnail decodes shrunk by 2, 4 or 8, never below the size asked for,
// in the same colours and layout.
TEST_P(DecodeSmall, ShrinksAsFarAsTheSizeAllows) {
    const Result<QImage> decoded = DecodeJpeg(AsJpeg(TwoColours(66, 26)), GetParam().atLeast);
    ASSERT_TRUE(decoded) << decoded.error().message;
    EXPECT_EQ(decoded->size(), GetParam().decoded);
    EXPECT_EQ(decoded->format(), QImage::Format_RGB32);
    EXPECT_TRUE(Near(decoded->pixel(0, decoded->height() / 2), qRgb(220, 20, 20)));
    EXPECT_TRUE(Near(decoded->pixel(decoded->width() - 1, decoded->height() / 2), qRgb(20, 20, 220)));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DecodeSmall,
    ::testing::Values(ShrinkCase{"NoSizeKeepsTheWhole", QSize(), QSize(66, 26)},
                      ShrinkCase{"TinyGoesToAnEighthRoundedUp", QSize(1, 1), QSize(9, 4)},
                      ShrinkCase{"ExactlyAnEighth", QSize(9, 4), QSize(9, 4)},
                      ShrinkCase{"OnePixelMoreTakesAQuarter", QSize(10, 4), QSize(17, 7)},
                      ShrinkCase{"HeightDecides", QSize(9, 8), QSize(33, 13)},
                      ShrinkCase{"WholeSize", QSize(66, 26), QSize(66, 26)},
                      ShrinkCase{"LargerThanThePicture", QSize(67, 1), QSize(66, 26)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DecodeJpeg, GreyscaleAndProgressivePicturesDecode) {
    QImage grey(17, 9, QImage::Format_Grayscale8);
    grey.fill(200);
    const Result<QImage> fromGrey = DecodeJpeg(AsJpeg(grey));
    ASSERT_TRUE(fromGrey) << fromGrey.error().message;
    EXPECT_EQ(fromGrey->size(), QSize(17, 9));
    EXPECT_TRUE(Near(fromGrey->pixel(8, 4), qRgb(200, 200, 200)));

    const Result<QImage> progressive = DecodeJpeg(AsJpeg(TwoColours(40, 40), true));
    ASSERT_TRUE(progressive) << progressive.error().message;
    EXPECT_TRUE(Near(progressive->pixel(35, 20), qRgb(20, 20, 220)));
}

TEST(DecodeJpeg, DamagedDataIsAnErrorNotTheEndOfTheProgram) {
    const QByteArray good = AsJpeg(TwoColours(64, 64));
    ASSERT_GT(good.size(), 400);
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"text", QByteArray("certainly not a picture")},
        {"start marker only", good.left(2)},
        {"header only", good.left(150)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"last bytes missing", good.left(good.size() - 10)},
    };
    for (const auto& [name, bytes] : cases) {
        const Result<QImage> decoded = DecodeJpeg(bytes);
        EXPECT_FALSE(decoded) << name;
        if (!decoded) {
            EXPECT_FALSE(decoded.error().message.empty()) << name;
        }
    }
    // The decoder is still fine afterwards.
    EXPECT_TRUE(DecodeJpeg(good));
}

TEST(DecodeJpeg, FlippedBytesGiveAPictureOrAnErrorNeverACrash) {
    const QByteArray good = AsJpeg(TwoColours(48, 32));
    std::mt19937 random(20240611);
    int errors = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = good;
        for (int flips = 0; flips < 4; ++flips) {
            const auto at = static_cast<int>(random() % static_cast<unsigned>(bytes.size()));
            bytes[at] = static_cast<char>(random() & 0xFF);
        }
        const Result<QImage> decoded = DecodeJpeg(bytes);
        if (decoded) {
            // Damage the decoder cannot notice still yields a whole picture.
            EXPECT_FALSE(decoded->isNull());
            EXPECT_EQ(decoded->format(), QImage::Format_RGB32);
        } else {
            ++errors;
            EXPECT_FALSE(decoded.error().message.empty());
        }
    }
    EXPECT_GT(errors, 0) << "some of the damage must be noticed";
}

// A bitmap written byte by byte, so the shapes Qt never writes (top-down,
// 32-bit, a longer header) are covered too. Pixel (x, y) has a colour of its own.
QByteArray Bitmap(int width, int height, int bits, std::uint32_t infoSize = 40,
                  std::uint32_t compression = 0) {
    const int rows = std::abs(height);
    const int stride = (width * bits + 31) / 32 * 4;
    const auto offset = static_cast<std::uint32_t>(14 + infoSize);
    QByteArray b(static_cast<int>(offset) + stride * rows, '\0');
    auto put = [&b](int at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    b[0] = 'B', b[1] = 'M';
    put(2, static_cast<std::uint32_t>(b.size()), 4);
    put(10, offset, 4);
    put(14, infoSize, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, static_cast<std::uint32_t>(bits), 2);
    put(30, compression, 4);
    for (int row = 0; row < rows; ++row)
        for (int x = 0; x < width; ++x) {
            const int y = height > 0 ? rows - 1 - row : row;
            const int at = static_cast<int>(offset) + row * stride + x * bits / 8;
            put(at, static_cast<std::uint32_t>(qRgb(x * 40, y * 60, (x + y) * 20)) & 0xFFFFFF,
                std::min(3, bits / 8));
        }
    return b;
}

struct BmpCase {
    const char* name;
    QByteArray bytes;
    bool plain; // ours to read; otherwise left to Qt
};
void PrintTo(const BmpCase& c, std::ostream* os) {
    *os << c.name;
}

class DecodeBmp : public ::testing::TestWithParam<BmpCase> {};

TEST_P(DecodeBmp, ReadsPlainBitmapsAsQtDoesAndLeavesTheRestToIt) {
    const std::optional<QImage> ours = DecodePlainBmp(GetParam().bytes);
    ASSERT_EQ(ours.has_value(), GetParam().plain);
    if (ours) {
        const QImage qts = QImage::fromData(GetParam().bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(qts.isNull());
        EXPECT_EQ(*ours, qts);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, DecodeBmp,
                         ::testing::Values(BmpCase{"BottomUp24", Bitmap(5, 3, 24), true},
                                           BmpCase{"TopDown24", Bitmap(5, -3, 24), true},
                                           BmpCase{"RowPaddingWidths", Bitmap(7, 2, 24), true},
                                           BmpCase{"ThirtyTwoBits", Bitmap(3, 4, 32), true},
                                           BmpCase{"LongerHeader", Bitmap(4, 2, 24, 124), true},
                                           BmpCase{"Palette", Bitmap(4, 2, 8), false},
                                           BmpCase{"RunLength", Bitmap(4, 2, 24, 40, 1), false},
                                           BmpCase{"Truncated", Bitmap(6, 6, 24).left(90), false},
                                           BmpCase{"NoWidth", Bitmap(0, 3, 24), false},
                                           BmpCase{"NotABitmap", QByteArray(80, 'x'), false}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(DecodeBmp, EveryCutOfAGoodBitmapIsRefusedNeverOverread) {
    const QByteArray good = Bitmap(9, 5, 24);
    for (int length = 0; length < good.size(); ++length)
        EXPECT_FALSE(DecodePlainBmp(good.left(length))) << length;
    EXPECT_TRUE(DecodePlainBmp(good));
}

// A throw-away program folder for the loader.
class PicturesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("veltrane-pics-" + std::to_string(seed()));
        fs::create_directories(root_ / "Pics");
        SetProgramFolder(root_.string());
    }
    void TearDown() override {
        SetProgramFolder("");
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    QString At(const std::string& relative) const {
        return QString::fromStdString((root_ / relative).string());
    }

    // A 3 × 2 sprite: fuchsia corners, a near-fuchsia and two ordinary pixels.
    void WriteSprite(const std::string& relative) {
        QImage sprite(3, 2, QImage::Format_RGB32);
        sprite.setPixel(0, 0, qRgb(255, 0, 255));
        sprite.setPixel(1, 0, qRgb(254, 0, 255));
        sprite.setPixel(2, 0, qRgb(255, 0, 255));
        sprite.setPixel(0, 1, qRgb(10, 200, 30));
        sprite.setPixel(1, 1, qRgb(0, 0, 0));
        sprite.setPixel(2, 1, qRgb(255, 255, 255));
        ASSERT_TRUE(sprite.save(At(relative), "BMP"));
    }

    fs::path root_;
};

TEST_F(PicturesTest, JpegIsFoundWhateverTheCaseAndSeparator) {
    ASSERT_EQ(AsJpeg(TwoColours(20, 10)).size() > 0, true);
    {
        std::ofstream out(root_ / "Pics" / "Arrow3.jpg", std::ios::binary);
        const QByteArray bytes = AsJpeg(TwoColours(20, 10));
        out.write(bytes.constData(), bytes.size());
    }
    const Result<QImage> picture = LoadPicture("pics\\arrow3.JPG");
    ASSERT_TRUE(picture) << picture.error().message;
    EXPECT_EQ(picture->size(), QSize(20, 10));
    EXPECT_EQ(picture->format(), QImage::Format_RGB32);
}

TEST_F(PicturesTest, FuchsiaBecomesTransparentOnlyWhenAsked) {
    WriteSprite("Pics/ship3.bmp");

    const Result<QImage> opaque = LoadPicture("Pics/ship3.bmp");
    ASSERT_TRUE(opaque) << opaque.error().message;
    EXPECT_FALSE(opaque->hasAlphaChannel());
    EXPECT_EQ(opaque->pixel(0, 0), qRgb(255, 0, 255));

    const Result<QImage> sprite = LoadPicture("Pics/ship3.bmp", TTransparency::Fuchsia);
    ASSERT_TRUE(sprite) << sprite.error().message;
    EXPECT_EQ(sprite->format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(sprite->pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(sprite->pixel(2, 0)), 0);
    EXPECT_EQ(sprite->pixel(1, 0), qRgb(254, 0, 255)) << "only exact fuchsia is see-through";
    EXPECT_EQ(sprite->pixel(0, 1), qRgb(10, 200, 30));
    EXPECT_EQ(sprite->pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(sprite->pixel(2, 1), qRgb(255, 255, 255));
}

TEST_F(PicturesTest, MissingFileMessageNamesIt) {
    const Result<QImage> picture = LoadPicture("Pics/ship3.bmp");
    ASSERT_FALSE(picture);
    EXPECT_EQ(picture.error().message, "Picture file Pics/ship3.bmp not found.");
}

TEST_F(PicturesTest, BrokenFilesAreErrorsThatNameTheFile) {
    std::ofstream(root_ / "Pics" / "broken.jpg") << "not a jpeg at all";
    std::ofstream(root_ / "Pics" / "broken.bmp") << "BM and then nothing useful";
    std::ofstream(root_ / "Pics" / "empty.bmp");
    for (const std::string name : {"Pics/broken.jpg", "Pics/broken.bmp", "Pics/empty.bmp"}) {
        const Result<QImage> picture = LoadPicture(name, TTransparency::Fuchsia);
        ASSERT_FALSE(picture) << name;
        EXPECT_EQ(picture.error().message.rfind("Picture file " + name + " could not be read", 0), 0u)
            << picture.error().message;
    }
}

TEST_F(PicturesTest, ReporterShowsEachProblemOnce) {
    std::vector<std::string> shown;
    TPictureReporter reporter([&](const std::string& message) { shown.push_back(message); });
    EXPECT_TRUE(reporter.Load("Pics/ship3.bmp").isNull());
    EXPECT_TRUE(reporter.Load("Pics/ship3.bmp").isNull());
    EXPECT_TRUE(reporter.Load("Pics/ship4.bmp").isNull());
    EXPECT_TRUE(reporter.Load("Pics/ship3.bmp").isNull());
    EXPECT_EQ(shown, (std::vector<std::string>{"Picture file Pics/ship3.bmp not found.",
                                               "Picture file Pics/ship4.bmp not found."}));

    EXPECT_TRUE(reporter.Report(Error{"something new"}));
    EXPECT_FALSE(reporter.Report(Error{"something new"}));
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(PicturesTest, ReporterPassesGoodPicturesThroughSilently) {
    WriteSprite("Pics/module1.bmp");
    int shown = 0;
    TPictureReporter reporter([&](const std::string&) { ++shown; });
    const QImage picture = reporter.Load("Pics/Module1.bmp", TTransparency::Fuchsia);
    EXPECT_EQ(picture.size(), QSize(3, 2));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(shown, 0);
}

} // namespace
} // namespace veltrane
