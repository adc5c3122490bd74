#pragma once

#include <QImage>
#include <QString>

namespace veltrane::assetgen {

// Small pictures of the window: transport list icons, equipment, economy and police levels,
// command-button glyphs and the direction arrows.
class IconPainter {
  public:
    // 16 × 16: 1 = freight boxes, 2–10 = passengers.
    static QImage transport(int n);
    // 25 × 25: five kinds of equipment in three levels each.
    static QImage equipment(int n);
    // 32 × 32: level 0, 1, 2 as one, two, three bars in red, yellow, green.
    static QImage status(int level);
    // 32 × 28 command glyphs: "Map", "System", "Order", "Navigator".
    static QImage button(const QString& name);
    // 32 × 32, 1 = up, then clockwise in steps of 45°.
    static QImage arrow(int n);
    // 16 × 16 navigator list icons: 0 = a star system, 1 = a transport job's destination.
    static QImage navigatorList(int n);
    // The dark glass square the equipment, status and arrow icons are drawn on.
    static QImage background(int width, int height);
};

} // namespace veltrane::assetgen
