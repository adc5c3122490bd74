#pragma once

#include "core/Result.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace veltrane {

// Raw picture loading: a path relative to the program folder; with
// `transparent`, fuchsia pixels become see-through.
using TPictureFileLoader = std::function<Result<QImage>(const std::string& relative, bool transparent)>;
using TProblemReporter = std::function<void(const std::string& message)>;
// A picture scaled to a thumbnail's size; the loader may decode it small.
using TThumbnailFileLoader = std::function<Result<QImage>(const std::string& relative, QSize size)>;

// The window's way to its pictures. A picture that cannot be had is reported
// once per file and run, in words that name the file; the caller then ends
// what it was doing instead of working on with an empty picture.
class PictureSource {
  public:
    // Without a thumbnail loader, thumbnails are the whole pictures scaled down.
    PictureSource(TPictureFileLoader loader, TProblemReporter report, TThumbnailFileLoader thumbnails = {});

    std::optional<QImage> Load(const std::string& relative, bool transparent = false);
    // The opaque picture scaled smoothly to `size`.
    std::optional<QImage> LoadThumbnail(const std::string& relative, QSize size);

    // How many pictures were asked for so far, found or not.
    int Requests() const { return requests_; }

  private:
    std::optional<QImage> Accept(const std::string& relative, Result<QImage> picture);

    TPictureFileLoader loader_;
    TThumbnailFileLoader thumbnails_;
    TProblemReporter report_;
    std::set<std::string> reported_;
    int requests_ = 0;
};

} // namespace veltrane
