#pragma once

// Loading the game's pictures by their media names ("Pics\ship3.bmp",
// "Planets/planet7.jpg"), with fuchsia as the see-through colour of sprites.

#include "core/Result.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <set>
#include <string>

namespace veltrane {

enum class TTransparency {
    Opaque,
    Fuchsia, // pure 0xFF00FF pixels become fully transparent
};

// The picture found beneath the program folder, ".jpg" through our JPEG
// decoder and everything else (".bmp") through Qt. Opaque pictures come as
// RGB32, transparent ones as ARGB32. A missing or unreadable file gives an
// error naming it, e.g. "Picture file Pics/ship3.bmp not found."
Result<QImage> LoadPicture(const std::string& relative, TTransparency transparency = TTransparency::Opaque);

// The picture scaled smoothly to `size`, for a thumbnail: a JPEG is shrunk
// while it is decoded, as far as it stays at least `size` large.
Result<QImage> LoadThumbnail(const std::string& relative, QSize size);

// Pixels of exactly 0xFF00FF turned fully transparent, in ARGB32.
QImage WithFuchsiaTransparent(const QImage& image);

// Shows each picture problem once per run: a missing file met on every
// repaint or every landing would otherwise bury the player in boxes.
class TPictureReporter {
  public:
    using TShow = std::function<void(const std::string&)>;

    explicit TPictureReporter(TShow show) : show_(std::move(show)) {}

    // True when the message was shown now, false when it had been before.
    bool Report(const Error& error);

    // The picture, or an empty one after reporting why there is none.
    QImage Load(const std::string& relative, TTransparency transparency = TTransparency::Opaque);

  private:
    TShow show_;
    std::set<std::string> shown_;
};

} // namespace veltrane
