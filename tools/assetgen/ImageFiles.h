#pragma once

#include <QByteArray>
#include <QImage>

namespace veltrane::assetgen {

// Encoders for the two picture formats the game reads. Both return empty bytes on failure.
class ImageFiles {
  public:
    static constexpr int kJpegQuality = 88;
    // Baseline JPEG through libjpeg, no progressive scan, fixed Huffman tables.
    static QByteArray jpeg(const QImage& image, int quality = kJpegQuality);
    // Uncompressed 24-bit BMP without alpha.
    static QByteArray bmp(const QImage& image);
    // PNG with its alpha channel, for the desktop icons outside the program folder.
    static QByteArray png(const QImage& image);

    // The colour the game treats as transparent on its BMP sprites.
    static constexpr QRgb kKeyColour = 0xFFFF00FF;
    // Flattens a picture painted on a transparent canvas onto the key colour: pixels that are
    // mostly covered keep their colour (edges blended towards `matte`), the rest become the key.
    // No kept pixel may equal the key itself, or it would turn into a hole.
    static QImage onKeyColour(const QImage& argb, QRgb matte, double threshold = 0.45);
};

} // namespace veltrane::assetgen
