#include "PictureSource.h"

#include <utility>

namespace veltrane {

PictureSource::PictureSource(TPictureFileLoader loader, TProblemReporter report)
    : loader_(std::move(loader)), report_(std::move(report)) {}

std::optional<QImage> PictureSource::Load(const std::string& relative, bool transparent) {
    ++requests_;
    Result<QImage> picture = loader_ ? loader_(relative, transparent)
                                     : Result<QImage>(Error{"No picture loader for " + relative + "."});
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
