// The desktop icon at every installed size: what a menu or a dock would show.
#include "AppIconPainter.h"
#include "ImageFiles.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace veltrane::assetgen;

namespace {

class AppIconSizes : public ::testing::TestWithParam<int> {};

TEST_P(AppIconSizes, RoundedPlateLitFromTheUpperLeftSurvivesPng) {
    const int size = GetParam();
    const QImage png = QImage::fromData(ImageFiles::png(AppIconPainter::paint(size)), "PNG");
    ASSERT_EQ(png.size(), QSize(size, size));
    ASSERT_TRUE(png.hasAlphaChannel());
    const QImage icon = png.convertToFormat(QImage::Format_ARGB32);
    // The rounded corners let the desktop show through; the plate itself is solid.
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    // The planet's lit side faces the game's one sun, up and to the left.
    const auto brightness = [&](double u, double v) {
        const QRgb p = icon.pixel(static_cast<int>(u * size), static_cast<int>(v * size));
        return qRed(p) + qGreen(p) + qBlue(p);
    };
    EXPECT_GT(brightness(0.42, 0.46), brightness(0.70, 0.74));
}

INSTANTIATE_TEST_SUITE_P(Installed, AppIconSizes, ::testing::ValuesIn(AppIconPainter::kSizes),
                         [](const auto& row) { return "px" + std::to_string(row.param); });

} // namespace
