#include "PictureSource.h"

#include <utility>

namespace veltrane {

PictureSource::PictureSource(TPictureFileLoader loader, TProblemReporter report,
                             TThumbnailFileLoader thumbnails)
    : loader_(std::move(loader)), thumbnails_(std::move(thumbnails)), report_(std::move(report)) {}

std::optional<QImage> PictureSource::Load(const std::string& relative, bool transparent) {
    ++requests_;
    return Accept(relative, loader_ ? loader_(relative, transparent)
                                    : Result<QImage>(Error{"No picture loader for " + relative + "."}));
}

std::optional<QImage> PictureSource::LoadThumbnail(const std::string& relative, QSize size) {
    if (!thumbnails_) {
        std::optional<QImage> whole = Load(relative);
        if (whole)
            *whole = whole->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return whole;
    }
    ++requests_;
    return Accept(relative, thumbnails_(relative, size));
}

std::optional<QImage> PictureSource::Accept(const std::string& relative, Result<QImage> picture) {
    if (picture.ok() && !picture->isNull())
        return std::move(*picture);

    // The background is repainted many times a second; one box per file is plenty.
    if (reported_.insert(relative).second && report_) {
        std::string message =
            picture.ok() ? "Picture file " + relative + " is empty." : picture.error().message;
        report_(message);
    }
    return std::nullopt;
}

} // namespace veltrane
