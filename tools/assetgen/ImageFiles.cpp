#include "ImageFiles.h"

#include <QBuffer>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace veltrane::assetgen {

namespace {

struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jpegErrorExit(j_common_ptr info) {
    // libjpeg's own handler would end the process; jump back and report instead.
    auto* err = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(err->jump, 1);
}

} // namespace

QByteArray ImageFiles::jpeg(const QImage& image, int quality) {
    if (image.isNull()) {
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    JpegError err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = jpegErrorExit;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return out;
}

QByteArray ImageFiles::bmp(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    // Qt writes 32-bit-per-pixel images as 24-bit BMP; RGB32 carries no alpha to lose.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!rgb.save(&buffer, "BMP")) {
        return {};
    }
    return out;
}

QImage ImageFiles::onKeyColour(const QImage& argb, QRgb matte, double threshold) {
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const double a = qAlpha(in[x]) / 255.0;
            if (a < threshold) {
                dst[x] = kKeyColour;
                continue;
            }
            // Partly covered edge pixels lean towards the matte instead of a pink fringe.
            const double k = threshold >= 1.0 ? 1.0 : (a - threshold) / (1.0 - threshold);
            const double cover = 0.55 + 0.45 * k;
            int r = static_cast<int>(qRed(in[x]) * cover + qRed(matte) * (1.0 - cover) + 0.5);
            int g = static_cast<int>(qGreen(in[x]) * cover + qGreen(matte) * (1.0 - cover) + 0.5);
            int b = static_cast<int>(qBlue(in[x]) * cover + qBlue(matte) * (1.0 - cover) + 0.5);
            if (r == 255 && g == 0 && b == 255) {
                g = 1;
            }
            dst[x] = qRgb(r, g, b);
        }
    }
    return out;
}

QByteArray ImageFiles::png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

} // namespace veltrane::assetgen
