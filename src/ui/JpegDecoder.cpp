#include "ui/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace veltrane {

namespace {

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

// Everything between setjmp and a possible longjmp is plain C state, so the
// jump skips no destructor. Returns false with trap->message set on failure.
bool Decode(jpeg_decompress_struct* info, ErrorTrap* trap, const QByteArray& bytes, QImage* image) {
    if (setjmp(trap->back) != 0) {
        return false;
    }
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB; // greyscale pictures are widened too
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        std::snprintf(trap->message, sizeof trap->message, "unsupported colour layout");
        return false;
    }
    *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                    QImage::Format_RGB888);
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

Result<QImage> DecodeJpeg(const QByteArray& bytes) {
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
    const bool decoded = Decode(&info, &trap, bytes, &image);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        return Error{std::string("not a readable JPEG picture (") + trap.message + ")"};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace veltrane
