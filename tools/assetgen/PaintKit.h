#pragma once

#include "AssetRandom.h"
#include "Rgb.h"

#include <QImage>
#include <QPainter>
#include <QPointF>

namespace veltrane::assetgen {

// Small painting helpers shared by every family of pictures. The light comes from the upper
// left for everything, so it lives here.
class PaintKit {
  public:
    // Unit vector towards the light: up, left and towards the viewer.
    static constexpr double kLightX = -0.56;
    static constexpr double kLightY = -0.62;
    static constexpr double kLightZ = 0.55;

    static QImage transparent(int w, int h);
    static QImage opaque(int w, int h, const Rgb& fill);

    // Deep blue-black space with a soft vertical gradient and scattered stars.
    static void space(QImage& image, AssetRandom& rnd, double starDensity,
                      const Rgb& tint = Rgb::hex(0x060a18));
    // One star: a bright point with a soft halo; big ones get a faint cross glare.
    static void star(QImage& image, double x, double y, double brightness, const Rgb& colour);

    // Adds a colour with a soft radial falloff (for glows, suns, engines).
    static void glow(QImage& image, double cx, double cy, double radius, const Rgb& colour, double strength);
    // Soft film grain, so flat fills look painted rather than printed.
    static void grain(QImage& image, AssetRandom& rnd, double amount);

    // Lambert light from the standard direction on a sphere normal, with a little ambient.
    static double sphereLight(double nx, double ny, double nz, double ambient = 0.08);

    // Radial gradient brush lit from the upper left, for rounded shapes drawn with QPainter.
    static QBrush litBrush(const QRectF& box, const Rgb& base, double highlight = 0.45, double shade = 0.45);
    static QBrush litBrush(const QRectF& box, const QColor& base) {
        return litBrush(box, Rgb::from(base.rgb()));
    }

    static QPainter::RenderHints hints() { return QPainter::Antialiasing | QPainter::SmoothPixmapTransform; }
};

} // namespace veltrane::assetgen
