#include "AppIconPainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"

#include <cmath>

namespace veltrane::assetgen {

namespace {

// Positions are in plate units: -1 … 1 across the master, y downwards.
constexpr double kPlateHalf = 0.94;
constexpr double kPlateCorner = 0.34;
constexpr double kPlanetX = 0.10;
constexpr double kPlanetY = 0.14;
constexpr double kPlanetR = 0.54;
// The orbit: an ellipse around the planet, tilted so its near side runs across the lower left.
constexpr double kOrbitA = 0.80;
constexpr double kOrbitB = 0.25;
constexpr double kOrbitTilt = -0.42;

// Signed distance to the plate's rounded square: negative inside.
double plateDistance(double u, double v) {
    const double qx = std::abs(u) - kPlateHalf + kPlateCorner;
    const double qy = std::abs(v) - kPlateHalf + kPlateCorner;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - kPlateCorner;
}

// The orbit's point at angle `t`, in plate units.
QPointF orbitPoint(double t) {
    const double ex = kOrbitA * std::cos(t), ey = kOrbitB * std::sin(t);
    const double c = std::cos(kOrbitTilt), s = std::sin(kOrbitTilt);
    return {kPlanetX + ex * c - ey * s, kPlanetY + ex * s + ey * c};
}

// Ocean, land and cloud, lit from the upper left, with a blue rim where the air is thick.
Rgb planetColour(double nx, double ny, double nz, const Noise& noise) {
    const double land = noise.fbm(nx * 2.4 + 5, ny * 2.4, nz * 2.4, 5);
    const double cloud = noise.fbm(nx * 4.0, ny * 9.0 + 3, nz * 4.0, 4);
    Rgb c = land > 0.54 ? mix(Rgb::hex(0x3f7a3a), Rgb::hex(0x9a8a55), smoothstep(0.6, 0.75, land))
                        : mix(Rgb::hex(0x0d3b70), Rgb::hex(0x1d6c9a), smoothstep(0.3, 0.54, land));
    c = mix(c, Rgb{0.95, 0.97, 1.0}, 0.85 * smoothstep(0.55, 0.72, cloud));
    const double light = PaintKit::sphereLight(nx, ny, nz, 0.04);
    const double rim = std::pow(1.0 - nz, 3.0);
    return c * light + Rgb::hex(0x6fb8ff) * (rim * (0.25 + 0.9 * light));
}

} // namespace

QImage AppIconPainter::master() {
    constexpr int n = kMasterSize;
    AssetRandom rnd(AssetRandom::seedFor("appicon"));
    QImage image = PaintKit::opaque(n, n, Rgb::hex(0x050814));
    PaintKit::space(image, rnd, 0.0009, Rgb::hex(0x0a1030));
    const auto px = [](double unit) { return (unit + 1.0) * 0.5 * n; };

    // The sun the whole game is lit by, just off the upper left corner.
    PaintKit::glow(image, px(-1.05), px(-1.05), n * 0.36, Rgb::hex(0xffd9a8), 0.55);
    PaintKit::glow(image, px(-1.0), px(-1.0), n * 0.12, Rgb{1, 1, 1}, 0.9);

    const Noise noise(AssetRandom::seedFor("appicon-planet"));
    const Noise haze(AssetRandom::seedFor("appicon-nebula"));
    for (int y = 0; y < n; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const double u = (x + 0.5) / n * 2.0 - 1.0, v = (y + 0.5) / n * 2.0 - 1.0;
            Rgb c = Rgb::from(line[x]);
            // A wisp of blue-violet nebula behind the planet.
            const double wisp = haze.fbm(u * 1.8 + 4, v * 1.8, 5);
            c = c + Rgb::hex(0x3b2a78) * (0.55 * std::pow(smoothstep(0.45, 0.8, wisp), 1.5));
            const double dx = (u - kPlanetX) / kPlanetR, dy = (v - kPlanetY) / kPlanetR;
            const double d2 = dx * dx + dy * dy;
            if (d2 < 1.0) {
                const double edge = clamp01((1.0 - std::sqrt(d2)) * kPlanetR * n * 0.5);
                c = mix(c, planetColour(dx, dy, std::sqrt(1.0 - d2), noise), edge);
            } else {
                // Atmosphere glow outside the disc, brighter towards the light.
                const double out = std::sqrt(d2) - 1.0;
                const double towards = (dx * PaintKit::kLightX + dy * PaintKit::kLightY) / std::sqrt(d2);
                const double lit = clamp01(0.35 + 0.9 * towards);
                c = c + Rgb::hex(0x4f9cff) * (std::exp(-out * 22.0) * lit);
            }
            line[x] = c.toRgb();
        }
    }

    // The orbit: glowing dots along the ellipse, hidden where it passes behind the planet.
    constexpr int kSteps = 900;
    const double shipAt = 2.35;
    for (int i = 0; i < kSteps; ++i) {
        const double t = 2.0 * M_PI * i / kSteps;
        const QPointF p = orbitPoint(t);
        const double dx = (p.x() - kPlanetX) / kPlanetR, dy = (p.y() - kPlanetY) / kPlanetR;
        const bool behind = std::sin(t) < 0.0 && dx * dx + dy * dy < 1.02;
        if (behind) {
            continue;
        }
        // Brightest just behind the ship, fading along its wake.
        const double wake = std::fmod(shipAt - t + 4.0 * M_PI, 2.0 * M_PI);
        const double k = 0.10 + 0.5 * std::exp(-wake * 1.6);
        PaintKit::glow(image, px(p.x()), px(p.y()), n * 0.007, Rgb::hex(0x7fe8ff), k);
    }
    const QPointF ship = orbitPoint(shipAt);
    PaintKit::glow(image, px(ship.x()), px(ship.y()), n * 0.05, Rgb::hex(0x8ff0ff), 0.75);
    PaintKit::glow(image, px(ship.x()), px(ship.y()), n * 0.012, Rgb{1, 1, 1}, 1.0);

    // Cut the plate out, its rim catching a thin cyan light on the sides facing the sun.
    QImage plate(n, n, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < n; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(plate.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const double u = (x + 0.5) / n * 2.0 - 1.0, v = (y + 0.5) / n * 2.0 - 1.0;
            const double d = plateDistance(u, v);
            const double alpha = clamp01(0.5 - d * n * 0.5);
            const double rim = std::exp(-std::pow((d + 0.012) / 0.008, 2.0));
            const double facing = clamp01(0.5 - 0.6 * (u + v));
            const Rgb lit = Rgb::from((Rgb::from(in[x]) + Rgb::hex(0x5fd8ff) * (rim * facing * 0.8)).toRgb());
            // Premultiplied: the colour is clamped before it is scaled by the coverage.
            const QRgb rgb = (lit * alpha).toRgb();
            out[x] = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), static_cast<int>(std::lround(alpha * 255.0)));
        }
    }
    return plate;
}

QImage AppIconPainter::paint(int size) {
    static const QImage big = master();
    if (size >= kMasterSize) {
        return big;
    }
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace veltrane::assetgen
