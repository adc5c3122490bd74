#pragma once

#include <QImage>

namespace veltrane::assetgen {

// Head-and-shoulders portraits: the thirty alien races, the four captains and the president.
class PortraitPainter {
  public:
    static QImage alien(int n);   // 150 × 180
    static QImage captain(int n); // 109 × 140
    static QImage president();    // 120 × 150
};

} // namespace veltrane::assetgen
