#pragma once

#include <QImage>

namespace veltrane::assetgen {

// The window's own pictures: dark brushed metal and glass with thin cyan highlights.
class InterfacePainter {
  public:
    static QImage topCorner(bool right); // 119 × 41
    static QImage titleBackground();     // 662 × 41
    static QImage logo();                // 240 × 41 on the key colour
    static QImage sidePanel(bool right); // 39 × 454 (left), 40 × 454 (right)
    static QImage bottomTop();           // 900 × 12
    static QImage bottomCenter();        // 900 × 180
    static QImage bottomBottom();        // 900 × 13
    static QImage messageBack();         // 479 × 238
    static QImage messageText();         // 433 × 145, light enough for black text
    static QImage aboutBack();           // 495 × 340
    // 96 × 64, the navigator dialog's picture of the navigation computer of level 1, 2 or 3.
    static QImage navigator(int level);
};

} // namespace veltrane::assetgen
