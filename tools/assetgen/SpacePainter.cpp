#include "SpacePainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"

#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

struct Mood {
    Rgb deep, glow, highlight;
};

Mood moodFor(int sector) {
    switch (sector) {
    case 1: // cool blue-violet
        return {Rgb::hex(0x1a2a78), Rgb::hex(0x7a4ad0), Rgb::hex(0xa8c8ff)};
    case 2: // teal-green
        return {Rgb::hex(0x0c4a50), Rgb::hex(0x22a088), Rgb::hex(0xb0ffd8)};
    case 3: // amber-rose
        return {Rgb::hex(0x6a2a20), Rgb::hex(0xe08a50), Rgb::hex(0xffc8b8)};
    default: // crimson-purple
        return {Rgb::hex(0x5a0c30), Rgb::hex(0xb02a5a), Rgb::hex(0xd8a0ff)};
    }
}

} // namespace

std::pair<QImage, QImage> SpacePainter::nebula(int sector) {
    AssetRandom rnd(AssetRandom::seedFor("sector" + std::to_string(sector)));
    const Noise noise(rnd.next());
    const Mood mood = moodFor(sector);
    QImage plain = PaintKit::opaque(kMapWidth, kMapHeight, Rgb{});
    PaintKit::space(plain, rnd, 0.0, Rgb::hex(0x04060f));
    const double ox = rnd.range(0, 100), oy = rnd.range(0, 100);
    for (int y = 0; y < kMapHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(plain.scanLine(y));
        for (int x = 0; x < kMapWidth; ++x) {
            const double u = x / 260.0 + ox, v = y / 260.0 + oy;
            // Domain warping gives the clouds their torn, flowing edges.
            const double wx = noise.fbm(u, v, 4), wy = noise.fbm(u + 5.2, v + 1.3, 4);
            const double cloud = noise.fbm(u + 2.2 * wx, v + 2.2 * wy, 6);
            const double detail = noise.fbm(u * 3 + wx, v * 3 - wy, 4);
            const double dust = noise.ridged(u * 1.6 + 9, v * 1.6 + 3, 4);
            const double density = smoothstep(0.38, 0.78, cloud);
            Rgb c = Rgb::from(line[x]);
            c = c + mood.deep * (density * 0.9);
            c = c + mood.glow * (std::pow(density, 2.0) * (0.35 + 0.5 * detail));
            c = c +
                mood.highlight * (std::pow(smoothstep(0.62, 0.9, cloud * 0.7 + detail * 0.4), 2.0) * 0.45);
            // Dark dust lanes eat into the glow.
            c = c * (1.0 - 0.55 * smoothstep(0.7, 0.95, dust) * density);
            line[x] = c.toRgb();
        }
    }
    // Background stars stay few, faint and tinted: the system markers on top of the map are
    // small white discs and must never be mistaken for one of them.
    const int stars = kMapWidth * kMapHeight / 900;
    for (int i = 0; i < stars; ++i) {
        const double b = std::pow(rnd.real(), 3.0);
        const double tint = rnd.real();
        const Rgb colour = mix(Rgb{0.8, 0.8, 0.9}, mood.highlight, tint < 0.5 ? 0.7 : 0.45);
        PaintKit::star(plain, rnd.range(0, kMapWidth), rnd.range(0, kMapHeight), 0.1 + 0.3 * b, colour);
    }

    // The bright twin: lifted midtones and a pale bevelled frame thick enough to read as a
    // thumbnail at 34 × 34.
    QImage bright = plain.copy();
    for (int y = 0; y < kMapHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bright.scanLine(y));
        for (int x = 0; x < kMapWidth; ++x) {
            Rgb c = Rgb::from(line[x]);
            c = Rgb{std::pow(c.r, 0.75), std::pow(c.g, 0.75), std::pow(c.b, 0.75)} * 1.25 + mood.deep * 0.12;
            const int edge = std::min(std::min(x, kMapWidth - 1 - x), std::min(y, kMapHeight - 1 - y));
            if (edge < kFrame) {
                const double t = static_cast<double>(edge) / kFrame;
                // Bevel: lit on the top and left edges, a groove in the middle, bright inner lip.
                const bool litSide =
                    (x < y && x < kFrame) || (y <= x && y < kFrame && x < kMapWidth - kFrame);
                const Rgb metal = mix(Rgb::hex(0xdfe8f0), mood.highlight, 0.25);
                const double bevel = litSide ? 1.08 : 0.82;
                const double groove = 1.0 - 0.25 * std::exp(-std::pow((t - 0.55) / 0.12, 2.0));
                const double lip = 1.0 + 0.18 * smoothstep(0.8, 1.0, t);
                c = metal * (bevel * groove * lip * (0.92 + 0.08 * noise.at(x / 3.0, y / 3.0)));
            }
            line[x] = c.toRgb();
        }
    }
    return {plain, bright};
}

QImage SpacePainter::tunnel(int frame) {
    AssetRandom rnd(AssetRandom::seedFor("tunnel"));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(kTunnelWidth, kTunnelHeight, Rgb{});
    const double cx = kTunnelWidth / 2.0, cy = kTunnelHeight / 2.0;
    // Depth advances a quarter of the texture's period per frame; angle wraps every 32 cells.
    constexpr int kAngleCells = 32;
    constexpr int kDepthPeriod = 4;
    const double shift = static_cast<double>(frame - 1) / kTunnelFrames * kDepthPeriod;
    for (int y = 0; y < kTunnelHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kTunnelWidth; ++x) {
            const double dx = (x + 0.5 - cx) / cx, dy = (y + 0.5 - cy) / cy * 0.55;
            const double r = std::sqrt(dx * dx + dy * dy) + 1e-4;
            const double angle = (std::atan2(dy, dx) / (2 * M_PI) + 0.5) * kAngleCells;
            const double depth = 0.6 / r + shift;
            // The depth coordinate repeats every kDepthPeriod, so frame 4 + 1 equals frame 1.
            const double streak = noise.fbmPeriodic(angle, depth * 4.0, kAngleCells, 3);
            const double rings = 0.5 + 0.5 * std::cos(2 * M_PI * depth);
            const double fog = std::exp(-r * 1.2);
            const double wall = smoothstep(0.0, 0.25, r);
            Rgb c = mix(Rgb::hex(0x1a1060), Rgb::hex(0x40a0ff), streak) * (0.3 + 0.7 * std::pow(streak, 2.0));
            c = c + Rgb::hex(0xb080ff) * (rings * 0.25 * streak);
            c = c * wall + Rgb::hex(0xe8f0ff) * (std::pow(fog, 3.0) * 0.9);
            line[x] = c.toRgb();
        }
    }
    return image;
}

QImage SpacePainter::tile(int n) {
    AssetRandom rnd(AssetRandom::seedFor("tile" + std::to_string(n)));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(kTile, kTile, Rgb{});
    const Rgb tints[] = {Rgb::hex(0x0a1230), Rgb::hex(0x0c1a24), Rgb::hex(0x180c28)};
    const Rgb tint = tints[(n - 1) % 3];
    constexpr int kCells = 4; // the noise lattice wraps every 4 cells = 128 pixels
    for (int y = 0; y < kTile; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kTile; ++x) {
            const double u = x * kCells / static_cast<double>(kTile),
                         v = y * kCells / static_cast<double>(kTile);
            const double cloud = noise.fbmPeriodic(u, v, kCells, 5);
            const Rgb c = Rgb::hex(0x03050c) + tint * (0.4 + 1.6 * smoothstep(0.3, 0.8, cloud));
            line[x] = c.toRgb();
        }
    }
    // Stars near an edge are painted again across it, so the tile wraps without cut stars.
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.range(0, kTile), y = rnd.range(0, kTile);
        const double b = 0.2 + 0.7 * std::pow(rnd.real(), 3.0);
        for (int ty = -1; ty <= 1; ++ty) {
            for (int tx = -1; tx <= 1; ++tx) {
                PaintKit::star(image, x + tx * kTile, y + ty * kTile, b, Rgb{0.9, 0.93, 1.0});
            }
        }
    }
    return image;
}

QImage SpacePainter::sun() {
    AssetRandom rnd(AssetRandom::seedFor("sun"));
    const Noise noise(rnd.next());
    constexpr int kSize = 100;
    // Pure black around the star: the system page is black, so no square may show.
    QImage image = PaintKit::opaque(kSize, kSize, Rgb{});
    const double c = kSize / 2.0;
    for (int y = 0; y < kSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - c, dy = y + 0.5 - c;
            const double r = std::sqrt(dx * dx + dy * dy) / 22.0;
            const double angle = std::atan2(dy, dx);
            // Corona rays: angular noise stretched outwards.
            const double rays = noise.fbmPeriodic((angle / (2 * M_PI) + 0.5) * 24, r * 1.5, 24, 3);
            // The corona dies out before the picture's edge.
            const double fade = 1.0 - smoothstep(0.7 * c, 0.98 * c, std::sqrt(dx * dx + dy * dy));
            const double corona = std::exp(-(r - 1.0) * (2.2 - 1.2 * rays)) * 0.9 * fade;
            Rgb col = Rgb::from(line[x]);
            if (r < 1.0) {
                // Limb darkening and boiling granules on the disc.
                const double limb = std::sqrt(1.0 - r * r);
                const double gran = noise.fbm(dx / 4.0, dy / 4.0, 3);
                col = mix(Rgb::hex(0xff9a30), Rgb::hex(0xfff8e0), 0.3 + 0.7 * limb) * (0.9 + 0.2 * gran);
                const double edge = clamp01((1.0 - r) * 22.0);
                const Rgb outer = mix(col, Rgb::hex(0xffc060) * corona + Rgb::from(line[x]), 1.0 - edge);
                col = outer;
            } else {
                col = col + Rgb::hex(0xffb050) * corona + Rgb::hex(0xff6020) * (corona * corona * 0.3);
            }
            line[x] = col.toRgb();
        }
    }
    return image;
}

QImage SpacePainter::systemBackdrop() {
    AssetRandom rnd(AssetRandom::seedFor("systemBackdrop"));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(kMapWidth, kMapHeight, Rgb{});
    const double ox = rnd.range(0, 100), oy = rnd.range(0, 100);
    for (int y = 0; y < kMapHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kMapWidth; ++x) {
            const double u = x / 320.0 + ox, v = y / 320.0 + oy;
            const double wx = noise.fbm(u, v, 3), wy = noise.fbm(u + 3.7, v + 8.1, 3);
            const double haze = smoothstep(0.45, 0.85, noise.fbm(u + 1.8 * wx, v + 1.8 * wy, 5));
            // The haze drifts across from the lower right, away from the sun.
            const double across = smoothstep(
                0.1, 0.9, (static_cast<double>(x) / kMapWidth + static_cast<double>(y) / kMapHeight) * 0.6);
            Rgb c = mix(Rgb::hex(0x010206), Rgb::hex(0x030713), static_cast<double>(y) / kMapHeight);
            c = c + mix(Rgb::hex(0x1a1440), Rgb::hex(0x0c2438), wx) * (haze * (0.14 + 0.22 * across));
            // The sun's picture sits on black in the top left corner: fade into it without a square.
            const double sunDistance = std::hypot(x - 50.0, y - 50.0);
            c = c * smoothstep(70.0, 160.0, sunDistance);
            line[x] = c.toRgb();
        }
    }
    // Few faint stars, so nothing competes with a scanned planet.
    const int stars = kMapWidth * kMapHeight / 1400;
    for (int i = 0; i < stars; ++i) {
        const double x = rnd.range(0, kMapWidth), y = rnd.range(0, kMapHeight);
        const double b = 0.06 + 0.22 * std::pow(rnd.real(), 4.0);
        if (std::hypot(x - 50.0, y - 50.0) > 150.0) {
            PaintKit::star(image, x, y, b, mix(Rgb{0.85, 0.88, 1.0}, Rgb{1.0, 0.9, 0.75}, rnd.real() * 0.5));
        }
    }
    return image;
}

} // namespace veltrane::assetgen
