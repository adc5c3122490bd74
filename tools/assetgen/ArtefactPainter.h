#pragma once

#include "ArtefactLore.h"

#include <QImage>

namespace veltrane::assetgen {

// The hundred relics, 40 × 41 on the fuchsia key. Each shows what its English name says (an
// eye, a crown, a chalice) in the material its name or description gives, else one of its own.
class ArtefactPainter {
  public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 41;
    // Relic n as the built-in English script names it.
    static QImage paint(int n);
    static QImage paint(int n, const ArtefactLore::Entry& lore);
};

} // namespace veltrane::assetgen
