#include "ImageFiles.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

using namespace veltrane::assetgen;

namespace {

QImage decode(const QByteArray& bytes) {
    QImage image;
    image.loadFromData(bytes);
    return image;
}

} // namespace

TEST(KeyColour, TransparentBecomesKeyAndOpaqueKeepsItsColour) {
    QImage argb(4, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(0, 0, 0, 0));
    argb.setPixel(1, 0, qRgba(200, 10, 10, 255));
    argb.setPixel(2, 0, qRgba(200, 10, 10, 60));  // below the threshold
    argb.setPixel(3, 0, qRgba(255, 0, 255, 255)); // the key colour painted on purpose
    const QImage out = ImageFiles::onKeyColour(argb, qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(0, 0), ImageFiles::kKeyColour);
    EXPECT_EQ(out.pixel(1, 0), qRgb(200, 10, 10));
    EXPECT_EQ(out.pixel(2, 0), ImageFiles::kKeyColour);
    EXPECT_NE(out.pixel(3, 0), ImageFiles::kKeyColour) << "an opaque pixel must never turn into a hole";
}

TEST(KeyColour, EdgePixelsLeanTowardsTheMatteNotTheKey) {
    QImage argb(1, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(250, 250, 250, 128));
    const QImage out = ImageFiles::onKeyColour(argb, qRgb(0, 0, 0));
    const QRgb p = out.pixel(0, 0);
    EXPECT_NE(p, ImageFiles::kKeyColour);
    EXPECT_LT(qRed(p), 250);
    EXPECT_EQ(qRed(p), qGreen(p)) << "no pink cast from the key";
}

TEST(Bitmap, Is24BitAndKeepsEveryColourExactly) {
    QImage image(3, 2, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgb(255, 0, 255), qRgb(1, 2, 3),       qRgb(250, 128, 7),
                            qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgba(9, 9, 9, 10)};
    for (int i = 0; i < 6; ++i) {
        image.setPixel(i % 3, i / 3, colours[i]);
    }
    const QByteArray bytes = ImageFiles::bmp(image);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(static_cast<quint8>(bytes[28]), 24);
    const QImage back = decode(bytes);
    ASSERT_EQ(back.size(), QSize(3, 2));
    EXPECT_FALSE(back.hasAlphaChannel());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(back.pixel(i % 3, i / 3) & 0xFFFFFF, colours[i] & 0xFFFFFF) << i;
    }
}

TEST(Jpeg, IsBaselineAndRoundTripsSizeAndColour) {
    QImage image(33, 17, QImage::Format_RGB32);
    image.fill(qRgb(40, 120, 200));
    const QByteArray bytes = ImageFiles::jpeg(image);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2)));
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2)));
    const QImage back = decode(bytes);
    ASSERT_EQ(back.size(), image.size());
    const QRgb p = back.pixel(16, 8);
    EXPECT_NEAR(qRed(p), 40, 4);
    EXPECT_NEAR(qGreen(p), 120, 4);
    EXPECT_NEAR(qBlue(p), 200, 4);
}

TEST(Jpeg, QualityTradesSizeAndNullImagesGiveNothing) {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            image.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, ((x ^ y) * 11) & 255));
        }
    }
    EXPECT_LT(ImageFiles::jpeg(image, 30).size(), ImageFiles::jpeg(image, 88).size());
    EXPECT_TRUE(ImageFiles::jpeg(QImage()).isEmpty());
    EXPECT_TRUE(ImageFiles::bmp(QImage()).isEmpty());
}
