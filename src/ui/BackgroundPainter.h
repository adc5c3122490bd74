#pragma once

#include "core/Random.h"

#include <QPixmap>

#include <array>
#include <optional>

class QPainter;

namespace veltrane {

class PictureSource;

// The tiled space texture around the play area. The three tiles are decoded
// once; every repaint picks one of them afresh, as the window always has.
class BackgroundPainter {
  public:
    explicit BackgroundPainter(PictureSource& pictures);

    // Tiles the chosen picture over `size` from the top-left corner. Answers
    // the tile number that was drawn (1..3).
    int Paint(QPainter& painter, const QSize& size, TRandom& rng);

    // How many tile pictures have been decoded so far.
    int TilesDecoded() const { return decoded_; }

  private:
    const QPixmap* Tile(int n);

    PictureSource& pictures_;
    std::array<std::optional<QPixmap>, 3> tiles_;
    std::array<bool, 3> tried_{};
    int decoded_ = 0;
};

} // namespace veltrane
