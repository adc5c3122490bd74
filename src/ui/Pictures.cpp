#include "ui/Pictures.h"

#include "core/MediaPaths.h"
#include "ui/BmpDecoder.h"
#include "ui/JpegDecoder.h"

#include <QFile>

namespace veltrane {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != suffix[i]) {
            return false;
        }
    }
    return true;
}

Error Unreadable(const std::string& relative, const std::string& why) {
    return Error{"Picture file " + relative + " could not be read: " + why + "."};
}

Result<QImage> ReadPicture(const std::string& relative, TTransparency transparency, QSize atLeast) {
    const auto path = ResolveMedia(relative);
    if (!path) {
        return Error{"Picture file " + relative + " not found."};
    }
    QFile file(QString::fromStdString(path->string()));
    if (!file.open(QIODevice::ReadOnly)) {
        return Unreadable(relative, file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();

    QImage image;
    if (EndsWithIgnoringCase(relative, ".jpg") || EndsWithIgnoringCase(relative, ".jpeg")) {
        Result<QImage> decoded = DecodeJpeg(bytes, atLeast);
        if (!decoded) {
            return Unreadable(relative, decoded.error().message);
        }
        image = std::move(*decoded);
    } else if (std::optional<QImage> plain = DecodePlainBmp(bytes)) {
        image = std::move(*plain);
    } else {
        const char* format = EndsWithIgnoringCase(relative, ".bmp") ? "BMP" : nullptr;
        if (!image.loadFromData(bytes, format)) {
            return Unreadable(relative,
                              bytes.isEmpty() ? "the file is empty" : "not a picture Qt can decode");
        }
    }
    if (transparency == TTransparency::Fuchsia) {
        return WithFuchsiaTransparent(image);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

Result<QImage> LoadPicture(const std::string& relative, TTransparency transparency) {
    return ReadPicture(relative, transparency, QSize());
}

Result<QImage> LoadThumbnail(const std::string& relative, QSize size) {
    Result<QImage> picture = ReadPicture(relative, TTransparency::Opaque, size);
    if (!picture)
        return picture;
    return picture->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage WithFuchsiaTransparent(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    constexpr QRgb kFuchsia = 0xFF00FF;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            // Only opaque fuchsia: a pixel already see-through stays as it is.
            if (qAlpha(row[x]) == 0xFF && (row[x] & 0xFFFFFF) == kFuchsia) {
                row[x] = 0;
            }
        }
    }
    return result;
}

bool TPictureReporter::Report(const Error& error) {
    if (!shown_.insert(error.message).second) {
        return false;
    }
    if (show_) {
        show_(error.message);
    }
    return true;
}

QImage TPictureReporter::Load(const std::string& relative, TTransparency transparency) {
    Result<QImage> picture = LoadPicture(relative, transparency);
    if (!picture) {
        Report(picture.error());
        return {};
    }
    return std::move(*picture);
}

} // namespace veltrane
