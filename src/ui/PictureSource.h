#pragma once

#include "core/Result.h"

#include <QImage>

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace veltrane {

// Raw picture loading: a path relative to the program folder; with
// `transparent`, fuchsia pixels become see-through.
using TPictureFileLoader = std::function<Result<QImage>(const std::string& relative, bool transparent)>;
using TProblemReporter = std::function<void(const std::string& message)>;

// The window's way to its pictures. A picture that cannot be had is reported
// once per file and run, in words that name the file; the caller then ends
// what it was doing instead of working on with an empty picture.
class PictureSource {
  public:
    PictureSource(TPictureFileLoader loader, TProblemReporter report);

    std::optional<QImage> Load(const std::string& relative, bool transparent = false);

    // How many pictures were asked for so far, found or not.
    int Requests() const { return requests_; }

  private:
    TPictureFileLoader loader_;
    TProblemReporter report_;
    std::set<std::string> reported_;
    int requests_ = 0;
};

} // namespace veltrane
