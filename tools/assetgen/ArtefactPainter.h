#pragma once

#include <QImage>

namespace veltrane::assetgen {

// The hundred relics, 40 × 41 on the fuchsia key. Ten kinds (gem, idol, mask, tablet, orb,
// device, skull, crown, key, shard) take turns, so neighbouring numbers look different, and
// each kind is drawn in ten materials and shapes.
class ArtefactPainter {
  public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 41;
    static constexpr int kKinds = 10;
    static int kindOf(int n) { return (n - 1) % kKinds; }
    static QImage paint(int n);
};

} // namespace veltrane::assetgen
