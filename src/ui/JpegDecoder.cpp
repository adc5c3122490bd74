#include "ui/JpegDecoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include <QtGlobal>

namespace veltrane {

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_ARGB;
#endif

// libjpeg's error manager with a way back: error_exit longjmps to the
// decoder instead of calling exit(), and warnings about damaged data are
// remembered, because libjpeg would otherwise pad a cut-off file with grey.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
    bool damaged;
};

void LeaveOnError(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->back, 1);
}

void NoteWarning(j_common_ptr info, int level) {
    // Level -1 is a warning about the data itself; higher levels are traces.
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    if (level < 0 && !trap->damaged) {
        (*info->err->format_message)(info, trap->message);
        trap->damaged = true;
    }
}

// The largest of 8, 4, 2 and 1 that leaves the picture at least `atLeast`
// large (libjpeg rounds the shrunk size up).
unsigned int ShrinkFactor(JDIMENSION width, JDIMENSION height, QSize atLeast) {
    if (!atLeast.isValid())
        return 1;
    const auto wanted = [](int side) { return static_cast<JDIMENSION>(std::max(side, 1)); };
    for (unsigned int factor : {8u, 4u, 2u})
        if ((width + factor - 1) / factor >= wanted(atLeast.width()) &&
            (height + factor - 1) / factor >= wanted(atLeast.height()))
            return factor;
    return 1;
}

// Everything between setjmp and a possible longjmp is plain C state, so the
// jump skips no destructor. Returns false with trap->message set on failure.
bool Decode(jpeg_decompress_struct* info, ErrorTrap* trap, const QByteArray& bytes, QSize atLeast,
            QImage* image) {
    if (setjmp(trap->back) != 0) {
        return false;
    }
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    info->scale_num = 1;
    info->scale_denom = ShrinkFactor(info->image_width, info->image_height, atLeast);
    // Straight into the bytes of QImage::Format_RGB32 (opaque alpha included): no
    // conversion pass after decoding, which cost as much as the decoding itself.
    // Greyscale pictures are widened too.
    info->out_color_space = kRgb32Layout;
    jpeg_start_decompress(info);
    if (info->output_components != 4) {
        std::snprintf(trap->message, sizeof trap->message, "unsupported colour layout");
        return false;
    }
    *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                    QImage::Format_RGB32);
    if (image->isNull()) {
        std::snprintf(trap->message, sizeof trap->message, "picture too large");
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return !trap->damaged;
}

} // namespace

Result<QImage> DecodeJpeg(const QByteArray& bytes, QSize atLeast) {
    if (bytes.isEmpty()) {
        return Error{"the file is empty"};
    }
    jpeg_decompress_struct info{};
    ErrorTrap trap{};
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = LeaveOnError;
    trap.manager.emit_message = NoteWarning;
    jpeg_create_decompress(&info);

    QImage image;
    const bool decoded = Decode(&info, &trap, bytes, atLeast, &image);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        return Error{std::string("not a readable JPEG picture (") + trap.message + ")"};
    }
    return image;
}

} // namespace veltrane
