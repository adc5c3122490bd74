#include "ui/BmpDecoder.h"

#include <cstdint>
#include <cstdlib>

namespace veltrane {

namespace {

constexpr std::int64_t kFileHeaderBytes = 14;
constexpr std::int64_t kMaxSide = 32768;

std::uint32_t U16(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0] | (at[1] << 8));
}

std::uint32_t U32(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

std::int32_t I32(const unsigned char* at) {
    return static_cast<std::int32_t>(U32(at));
}

} // namespace

std::optional<QImage> DecodePlainBmp(const QByteArray& bytes) {
    const std::int64_t size = bytes.size();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (size < kFileHeaderBytes + 40 || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const unsigned char* info = data + kFileHeaderBytes;
    const std::uint32_t infoSize = U32(info);
    const std::int64_t width = I32(info + 4);
    const std::int64_t height = I32(info + 8);
    const std::uint32_t planes = U16(info + 12);
    const std::uint32_t bits = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);
    // The plain header and its two longer successors; anything else is Qt's.
    if ((infoSize != 40 && infoSize != 108 && infoSize != 124) || planes != 1 || compression != 0 ||
        (bits != 24 && bits != 32))
        return std::nullopt;
    const std::int64_t rows = std::llabs(height);
    if (width <= 0 || width > kMaxSide || rows == 0 || rows > kMaxSide)
        return std::nullopt;

    const std::int64_t pixelsAt = U32(data + 10);
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    if (pixelsAt < kFileHeaderBytes + infoSize || pixelsAt + stride * rows > size)
        return std::nullopt;

    QImage image(static_cast<int>(width), static_cast<int>(rows), QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const std::int64_t step = bits / 8;
    for (std::int64_t y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const std::int64_t stored = height > 0 ? rows - 1 - y : y;
        const unsigned char* from = data + pixelsAt + stored * stride;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::int64_t x = 0; x < width; ++x, from += step)
            to[x] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

} // namespace veltrane
