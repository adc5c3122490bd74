#pragma once

#include "core/Random.h"

#include <QPixmap>
#include <QSize>

#include <cstdint>
#include <optional>

class QPainter;

namespace veltrane {

class PictureSource;

// The space around the play area. One of the three tile pictures gives the
// nebula's colours, softened into one sweep across the whole window so no
// seam or band repeats; stars are scattered over it by the painter's own
// generator, never the game's. Seeded once, it paints the same sky for a size
// however often the window repaints, before and after any dialog.
class BackgroundPainter {
  public:
    // The default seed picks the violet nebula, which sets the frame's cyan off best.
    static constexpr std::uint64_t kDefaultSeed = 5;

    explicit BackgroundPainter(PictureSource& pictures, std::uint64_t seed = kDefaultSeed);

    // Paints the sky over `size` from the top-left corner; answers the tile
    // number whose colours it has (1..3).
    int Paint(QPainter& painter, const QSize& size);

    // How many tile pictures have been decoded so far.
    int TilesDecoded() const { return decoded_; }

  private:
    QPixmap Compose(const QSize& size);

    PictureSource& pictures_;
    std::uint64_t seed_;
    int tile_ = 0;
    std::optional<QImage> tilePicture_;
    QPixmap sky_;
    int decoded_ = 0;
};

} // namespace veltrane
