#include "LandscapePainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace veltrane::assetgen {

namespace {

enum class Daytime { Day, Dusk, Night, Dawn };

struct Palette {
    Rgb skyTop, skyHorizon;
    Rgb far, mid, fore;
    Rgb accent; // snow, strata, sand crests, moss: depends on the type
};

Palette paletteFor(int type) {
    switch (type) {
    case 1:
        return {Rgb::hex(0x020308), Rgb::hex(0x10131f), Rgb::hex(0x5a534e),
                Rgb::hex(0x6e645a), Rgb::hex(0x7d7064), Rgb::hex(0xa89c8e)};
    case 2:
        return {Rgb::hex(0x9c6070), Rgb::hex(0xe8b09c), Rgb::hex(0xa0583a),
                Rgb::hex(0x8e4424), Rgb::hex(0xa8622e), Rgb::hex(0xd49a48)};
    case 3:
        return {Rgb::hex(0x9cc0dc), Rgb::hex(0xf6ead0), Rgb::hex(0xc89c62),
                Rgb::hex(0xd8a85a), Rgb::hex(0xe0b868), Rgb::hex(0xf6dca0)};
    case 4:
        return {Rgb::hex(0x2c66bc), Rgb::hex(0xb4d6f2), Rgb::hex(0x4a6e78),
                Rgb::hex(0x3f7a3a), Rgb::hex(0x5c8e3c), Rgb::hex(0xeef2f6)};
    case 5:
        return {Rgb::hex(0x8a5a3a), Rgb::hex(0xf0caa0), Rgb::hex(0xe6cfa4),
                Rgb::hex(0xd08848), Rgb::hex(0x8a5232), Rgb::hex(0xf4e6c8)};
    case 6:
        return {Rgb::hex(0x061430), Rgb::hex(0x1f4a6a), Rgb::hex(0x9ccbe0),
                Rgb::hex(0xc4e6f0), Rgb::hex(0xe2f4f8), Rgb::hex(0x5aa0b8)};
    case 7:
        return {Rgb::hex(0x3a5a44), Rgb::hex(0xa6c094), Rgb::hex(0x4e6a4c),
                Rgb::hex(0x3c5a3a), Rgb::hex(0x4a5a2c), Rgb::hex(0x1c3a38)};
    default:
        return {Rgb::hex(0x7c7498), Rgb::hex(0xcac2d6), Rgb::hex(0x7a8478),
                Rgb::hex(0x6a7a60), Rgb::hex(0x74846a), Rgb::hex(0xe8ecf0)};
    }
}

Daytime daytimeFor(int type, int n) {
    if (type == 1) {
        return Daytime::Night; // no air, always a black sky
    }
    static constexpr std::array<Daytime, 10> cycle{
        Daytime::Day, Daytime::Dusk, Daytime::Day, Daytime::Night, Daytime::Dawn,
        Daytime::Day, Daytime::Dusk, Daytime::Day, Daytime::Night, Daytime::Day};
    if (type == 6) {
        // Icy worlds show off their aurora: mostly night.
        return n % 3 == 0 ? Daytime::Day : Daytime::Night;
    }
    const Daytime t = cycle[static_cast<std::size_t>((n - 1 + type) % 10)];
    if (t == Daytime::Night && (type == 2 || type == 7)) {
        // Dust and haze glow even late: these worlds keep their coloured sky.
        return n % 2 ? Daytime::Dusk : Daytime::Dawn;
    }
    return t;
}

// Sky and light for a time of day; the ground is tinted by the same light.
void applyDaytime(Palette& p, Daytime t, Rgb& light) {
    light = Rgb{1, 1, 1};
    switch (t) {
    case Daytime::Day:
        break;
    case Daytime::Dusk:
        p.skyTop = mix(p.skyTop, Rgb::hex(0x2a1e48), 0.6);
        p.skyHorizon = mix(p.skyHorizon, Rgb::hex(0xf08a4a), 0.6);
        light = Rgb{1.0, 0.78, 0.62};
        break;
    case Daytime::Dawn:
        p.skyTop = mix(p.skyTop, Rgb::hex(0x40508a), 0.5);
        p.skyHorizon = mix(p.skyHorizon, Rgb::hex(0xf4c0b0), 0.55);
        light = Rgb{0.95, 0.85, 0.85};
        break;
    case Daytime::Night:
        p.skyTop = p.skyTop * 0.12 + Rgb::hex(0x02040c);
        p.skyHorizon = p.skyHorizon * 0.22 + Rgb::hex(0x080c1c);
        light = Rgb{0.42, 0.46, 0.62};
        break;
    }
}

// How a patch of rock takes the light: its Lambert shade relative to a flat face, and how much
// it faces up (where dust, moss and snow settle).
struct Relief {
    double shade = 1.0;
    double up = 0.0;
};

struct Layer {
    std::vector<double> top; // y of the ground's upper edge per column
    Rgb colour;
    double haze;

    double topAt(int x) const { return top[static_cast<std::size_t>(x)]; }
};

class Scene {
  public:
    Scene(int type, int n)
        : type_(type), n_(n),
          rnd_(AssetRandom::seedFor("landscape" + std::to_string(type) + "-" + std::to_string(n))),
          noise_(rnd_.next()),
          image_(PaintKit::opaque(LandscapePainter::kWidth, LandscapePainter::kHeight, Rgb{})) {
        pal_ = paletteFor(type);
        time_ = daytimeFor(type, n);
        applyDaytime(pal_, time_, light_);
        horizon_ = rnd_.range(0.36, 0.52) * kH;
        sea_ = type == 4 && n % 2 == 0;
    }

    QImage paint() {
        sky();
        celestial();
        if (type_ == 5) {
            cloudscape();
        } else {
            buildLayers();
            ground();
            details();
        }
        mist();
        AssetRandom grainRnd(rnd_.next());
        PaintKit::grain(image_, grainRnd, 0.025);
        return image_;
    }

  private:
    static constexpr int kW = LandscapePainter::kWidth;
    static constexpr int kH = LandscapePainter::kHeight;

    void sky() {
        for (int y = 0; y < kH; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            const double t = std::pow(clamp01(y / (horizon_ + 60.0)), 1.4);
            for (int x = 0; x < kW; ++x) {
                Rgb c = mix(pal_.skyTop, pal_.skyHorizon, t);
                if (type_ == 4 && time_ != Daytime::Night) {
                    // Fair-weather clouds, flattened towards the horizon.
                    const double cl = noise_.fbm(x / 140.0, y / 38.0 + n_, 5);
                    c = mix(c, mix(Rgb{1, 1, 1}, pal_.skyHorizon, 0.3) * light_,
                            smoothstep(0.55, 0.72, cl) * 0.85);
                } else if (type_ == 8 || type_ == 7) {
                    // Overcast or haze: soft layered cloud.
                    const double cl = noise_.fbm(x / 220.0, y / 30.0 + n_, 4);
                    c = mix(c, pal_.skyHorizon * 1.05, smoothstep(0.4, 0.75, cl) * 0.5);
                } else if (type_ == 2) {
                    const double dust = noise_.fbm(x / 300.0, y / 60.0, 3);
                    c = mix(c, Rgb::hex(0xd89a80), smoothstep(0.5, 0.8, dust) * 0.35);
                } else if (type_ == 6 && time_ == Daytime::Night) {
                    c = c + aurora(x, y);
                }
                line[x] = c.toRgb();
            }
        }
        if (time_ == Daytime::Night || type_ == 1) {
            const double density = type_ == 1 ? 0.0016 : 0.0009;
            const int stars = static_cast<int>(kW * horizon_ * density);
            for (int i = 0; i < stars; ++i) {
                const double b = std::pow(rnd_.real(), 2.5);
                PaintKit::star(image_, rnd_.range(0, kW), rnd_.range(0, horizon_ + 20), 0.2 + 0.75 * b,
                               Rgb{0.9, 0.92, 1.0});
            }
        }
    }

    Rgb aurora(int x, int y) const {
        // Curtains: a wavy band with vertical streaks, green below fading to violet above.
        const double centre =
            horizon_ * (0.45 + 0.12 * std::sin(x / 130.0 + n_) + 0.1 * (noise_.at(x / 90.0, n_) - 0.5));
        const double d = (y - centre) / (horizon_ * 0.35);
        if (d < -1.6 || d > 1.0) {
            return {};
        }
        const double band = d < 0 ? std::exp(-d * d * 1.2) : std::exp(-d * d * 9.0);
        const double streak = std::pow(noise_.at(x / 6.0, n_ * 3.0 + y / 400.0), 2.0);
        const Rgb green = Rgb::hex(0x40f0a0), violet = Rgb::hex(0x9a60f0);
        return mix(green, violet, clamp01(-d * 0.8)) * (band * (0.25 + 0.55 * streak));
    }

    void celestial() {
        if (type_ == 3 && time_ != Daytime::Night) {
            // The large second sun of desert worlds, low and hazy, with its small bright twin.
            const double sx = rnd_.range(0.55, 0.85) * kW, sy = horizon_ * rnd_.range(0.45, 0.8);
            PaintKit::glow(image_, sx, sy, 95, Rgb::hex(0xf0a050), 0.5);
            disc(sx, sy, 46, Rgb::hex(0xffd890), Rgb::hex(0xffc070), false);
            const double tx = rnd_.range(0.1, 0.35) * kW, ty = horizon_ * rnd_.range(0.15, 0.4);
            PaintKit::glow(image_, tx, ty, 40, Rgb::hex(0xfff4d0), 0.9);
            disc(tx, ty, 9, Rgb{1, 1, 0.95}, Rgb{1, 1, 0.95}, false);
        } else if (time_ == Daytime::Day && type_ != 8 && type_ != 7) {
            const double tx = rnd_.range(0.08, 0.35) * kW, ty = horizon_ * rnd_.range(0.15, 0.45);
            PaintKit::glow(image_, tx, ty, 55, Rgb::hex(0xfff0c8), 0.6);
            disc(tx, ty, 12, Rgb{1, 1, 0.94}, Rgb{1, 1, 0.94}, false);
        } else if (time_ == Daytime::Dusk || time_ == Daytime::Dawn) {
            const double tx = rnd_.range(0.15, 0.85) * kW;
            PaintKit::glow(image_, tx, horizon_ + 10, 120, Rgb::hex(0xff9a50), 0.55);
            disc(tx, horizon_ + 4, 22, Rgb::hex(0xffd0a0), Rgb::hex(0xffa860), false);
        }
        // Moons: none, one or two, more at night; one in three landscapes gets a big one.
        int moons = rnd_.below(time_ == Daytime::Night ? 3 : 2) + (n_ % 3 == 0 ? 1 : 0);
        if (type_ == 5) {
            moons = 1;
        }
        for (int i = 0; i < moons; ++i) {
            const double big = (i == 0 && n_ % 3 == 0) ? rnd_.range(40, 70) : rnd_.range(7, 18);
            const double mx = rnd_.range(0.1, 0.9) * kW;
            const double my = rnd_.range(big + 5, std::max(big + 10, horizon_ - big * 0.3));
            const Rgb base = mix(Rgb::hex(0xb8b4ac), paletteFor(1 + rnd_.below(8)).mid, 0.45);
            disc(mx, my, big, base * 1.1, base, true);
        }
    }

    // A lit disc: suns flat and glowing, moons shaded from the upper left with mottled seas.
    void disc(double cx, double cy, double r, const Rgb& lit, const Rgb& base, bool shaded) {
        const int x0 = std::max(0, static_cast<int>(cx - r - 2)),
                  x1 = std::min(kW - 1, static_cast<int>(cx + r + 2));
        const int y0 = std::max(0, static_cast<int>(cy - r - 2)),
                  y1 = std::min(kH - 1, static_cast<int>(cy + r + 2));
        for (int y = y0; y <= y1; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = x0; x <= x1; ++x) {
                const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
                const double d = std::sqrt(dx * dx + dy * dy);
                const double cover = clamp01((1.0 - d) * r + 0.5);
                if (cover <= 0) {
                    continue;
                }
                Rgb c = lit;
                if (shaded) {
                    const double dz = std::sqrt(std::max(0.0, 1.0 - d * d));
                    const double mottle = noise_.fbm(dx * 3 + cx, dy * 3 + cy, 4);
                    c = mix(base * 0.7, lit, smoothstep(0.35, 0.65, mottle));
                    const double l = PaintKit::sphereLight(dx, dy, dz, 0.0);
                    // Through air the dark side fades into the sky rather than black.
                    const Rgb sky = Rgb::from(line[x]);
                    c = mix(sky, c * (0.15 + 1.0 * l),
                            type_ == 1 ? 1.0 : 0.35 + 0.65 * smoothstep(0.0, 0.3, l));
                }
                line[x] = mix(Rgb::from(line[x]), c, cover).toRgb();
            }
        }
    }

    double shape(int layer, double x) const {
        const double z = layer * 31.7 + n_ * 7.3;
        const double f = noise_.fbm(x / (layer == 0 ? 180.0 : 260.0), z, 5);
        switch (type_) {
        case 1:
            return 0.55 * f + 0.45 * noise_.ridged(x / 210.0, z + 3, 4);
        case 2: {
            // Folded ridges: saw-tooth crests in parallel rows, slightly warped.
            const double phase = x / (110.0 + 40 * layer) + 2.5 * noise_.fbm(x / 400.0, z + 1, 2);
            const double saw = phase - std::floor(phase);
            // Long gentle back, short steep face: the folds lean one way like real strata.
            const double fold = saw < 0.8 ? saw / 0.8 : (1.0 - saw) / 0.2;
            return 0.6 * f + 0.4 * std::pow(fold, 1.3);
        }
        case 3: {
            const double dune =
                0.5 + 0.5 * std::sin(x / (90.0 + 40 * layer) + 3 * noise_.fbm(x / 300.0, z, 2));
            return 0.3 * f + 0.7 * std::pow(dune, 1.8);
        }
        case 4:
            return std::pow(f, 1.4) * 1.3;
        case 5: {
            // Rounded cloud heads of varying width.
            const double period = 70.0 + 45 * layer;
            const double phase = x / period + 3.0 * noise_.fbm(x / 150.0, z + 2, 2);
            const double u = (phase - std::floor(phase)) * 2.0 - 1.0;
            return 0.45 * f + 0.55 * std::sqrt(std::max(0.0, 1.0 - u * u));
        }
        case 6:
            return 0.35 * f + 0.65 * std::pow(noise_.ridged(x / 150.0, z + 5, 4), 2.0);
        case 7:
            return 0.7 * f;
        default:
            return 0.6 * f + 0.2 * std::sin(x / 160.0 + z);
        }
    }

    void buildLayers() {
        const double ampScale = (type_ == 7 || type_ == 8) ? 0.45 : (type_ == 3 ? 0.6 : 1.0);
        const double farAmp = rnd_.range(90, 170) * ampScale;
        const double midAmp = rnd_.range(45, 80) * ampScale;
        const double foreTop = kH * rnd_.range(0.70, 0.76);
        const double midBase = std::min(foreTop - 10, horizon_ + rnd_.range(60, 95));
        layers_.assign(3, Layer{});
        layers_[0] = {{}, pal_.far, 0.5};
        layers_[1] = {{}, pal_.mid, 0.22};
        layers_[2] = {{}, pal_.fore, 0.0};
        for (int x = 0; x < kW; ++x) {
            layers_[0].top.push_back(horizon_ + 20 - farAmp * shape(0, x));
            layers_[1].top.push_back(sea_ ? horizon_ + 22 : midBase - midAmp * shape(1, x));
            // The foreground rises only a little, so its lower part is a level plain.
            layers_[2].top.push_back(foreTop - 14 * noise_.fbm(x / 200.0, 91.0 + n_, 3));
        }
    }

    // The height of the rock face below a crest, in pixels: gullies and spurs running down from
    // the ridge line, ledges of strata, and fine grit. Its slopes, lit from the upper left, give
    // the mountains their facets.
    double rockHeight(int layer, int x, int y) const {
        const Layer& l = layerAt(layer);
        const double depth = y - l.topAt(x);
        const double z = layer * 17.0 + n_ * 3.1;
        // Broken crags on the ranges; rolling, rounded forms on dunes and low hills.
        const bool soft = type_ == 3 || type_ == 7 || type_ == 8 || (type_ == 4 && layer == 1);
        const double wide = (type_ == 6 ? 40.0 : 56.0) * (layer == 0 ? 1.0 : 1.4);
        const double warp = noise_.fbm(x / 120.0, z, 2) * 2.0;
        const double grit = noise_.fbm(x / 9.0, y / 9.0 + z, 2);
        double h = 2.0 * grit;
        if (soft) {
            h += 24.0 * noise_.fbm(x / 90.0 + warp, y / 40.0 + z, 3);
        } else {
            // Spurs and gullies running down from the crest, a little longer than wide.
            h += 30.0 * noise_.ridged(x / wide + warp, depth / (wide * 1.2) + z, 3);
        }
        if (type_ == 1 || type_ == 2) {
            // Ledges: the strata step back, each lip catching the light.
            const bool folded = type_ == 2;
            const double bed = (y - 0.5 * l.topAt(x)) / (folded ? 8.0 : 18.0) + 0.3 * grit;
            h += (folded ? 4.0 : 2.0) * smoothstep(0.0, 0.85, bed - std::floor(bed));
        }
        return h;
    }

    Relief reliefAt(const std::vector<double>& height, int x, int row, int rows) const {
        const auto at = [&](int cx, int cr) {
            return height[static_cast<std::size_t>(std::clamp(cr, 0, rows - 1) * kW +
                                                   std::clamp(cx, 0, kW - 1))];
        };
        const double dx = (at(x + 1, row) - at(x - 1, row)) * 0.5;
        const double dy = (at(x, row + 1) - at(x, row - 1)) * 0.5;
        const double len = std::sqrt(dx * dx + dy * dy + 1.0);
        const double nx = -dx / len, ny = -dy / len, nz = 1.0 / len;
        const double lambert =
            std::max(0.0, nx * PaintKit::kLightX + ny * PaintKit::kLightY + nz * PaintKit::kLightZ);
        return {std::clamp(0.35 + 0.65 * lambert / PaintKit::kLightZ, 0.45, 1.4), std::max(0.0, -ny)};
    }

    Rgb groundTexture(int layer, int x, int y, double depthBelowTop, double slope, Relief relief) const {
        const Layer& l = layerAt(layer);
        const double persp = layer == 2 ? 1.0 + (y - l.topAt(x)) / 40.0 : 1.0;
        const double tex = noise_.fbm(x / (22.0 * persp), y / (layer == 2 ? 7.0 : 14.0), 4);
        const bool rock = layer < 2 && type_ != 5;
        // On rock the form comes from the relief; the mottling only roughens it.
        Rgb c = l.colour * (rock ? 0.92 + 0.16 * tex : 0.82 + 0.36 * tex);
        switch (type_) {
        case 1: // pale dust settles on the ledges of the dark rock
            c = mix(c, pal_.accent,
                    rock ? smoothstep(0.25, 0.7, relief.up) * 0.45
                         : smoothstep(0.6, 0.8, noise_.fbm(x / 30.0, y / 10.0 + 5, 3)) * 0.4);
            break;
        case 2: { // strata follow the fold
            const double strata = 0.5 + 0.5 * std::sin((y - 0.6 * l.topAt(x)) / 3.2 + tex * 3);
            c = mix(c, pal_.accent, strata * 0.35 * (layer < 2 ? 1.0 : 0.4));
            break;
        }
        case 3: { // ripples catch the light
            const double ripple = 0.5 + 0.5 * std::sin(y * (layer == 2 ? 0.9 : 1.6) + tex * 6 + x * 0.02);
            c = mix(c, pal_.accent, ripple * 0.25);
            break;
        }
        case 4:
            if (layer == 0) { // snow on the high peaks
                c = mix(c, pal_.accent, smoothstep(horizon_ - 60, horizon_ - 95, y + 20 * tex) * 0.9);
            } else {
                if (layer == 1 && sea_) {
                    // A calm sea mirroring the sky, with long low ripples.
                    const double ripple = noise_.fbm(x / 60.0, y / 2.0, 3);
                    const double depth = smoothstep(0, 60, depthBelowTop);
                    return mix(pal_.skyHorizon, Rgb::hex(0x1c4a8a), 0.35 + 0.45 * depth) *
                           (0.9 + 0.2 * ripple) * light_;
                }
                c = mix(c, Rgb::hex(0x2c5a28),
                        smoothstep(0.58, 0.72, noise_.fbm(x / 14.0, y / 6.0 + 9, 3)) * 0.35);
            }
            break;
        case 5:
            c = mix(c, pal_.accent, smoothstep(0.0, 18.0, -depthBelowTop + 18) * 0.5);
            break;
        case 6: { // cracked plates
            const double crack = noise_.ridged(x / (40.0 * persp), y / 12.0, 3);
            c = mix(c, pal_.accent, smoothstep(0.78, 0.95, crack) * 0.7);
            break;
        }
        case 7:
            c = mix(c, pal_.accent,
                    smoothstep(0.55, 0.75, noise_.fbm(x / (50.0 * persp), y / 8.0 + 3, 4)) *
                        (rock ? 0.3 : 0.7));
            break;
        default: { // snow patches on moss, on the hills lying on the flats that face the sky
            const double snow = noise_.fbm(x / (30.0 * persp), y / (layer == 2 ? 5.0 : 9.0) + 7, 4);
            c = mix(c, pal_.accent,
                    rock ? smoothstep(0.5, 0.8, snow * 0.6 + relief.up * 0.6) * 0.8
                         : smoothstep(0.6, 0.66, snow) * 0.85);
            break;
        }
        }
        if (rock) {
            c = c * relief.shade;
        }
        // Faces turned to the upper-left light are brighter; the lower slopes fall into shade.
        const double lit =
            0.9 + std::clamp(slope, -1.0, 1.0) * 0.3 * (1.0 - smoothstep(0, 90, depthBelowTop));
        const double fall = layer < 2 ? 1.0 - 0.35 * smoothstep(0.0, 120.0, depthBelowTop) : 1.0;
        return c * (lit * fall) * light_;
    }

    void ground() {
        std::vector<double> height;
        for (int layer = 0; layer < 3; ++layer) {
            const Layer& l = layerAt(layer);
            // The rock's height over the rows this layer can cover, for its facets' light.
            const bool rock = layer < 2 && type_ != 5;
            const double highest = *std::min_element(l.top.begin(), l.top.end());
            const int firstRow = std::max(0, static_cast<int>(std::floor(highest)) - 1);
            const int rows = rock ? kH - firstRow : 0;
            height.assign(static_cast<std::size_t>(rows * kW), 0.0);
            for (int x = 0; x < kW && rock; ++x) {
                const int last = std::min(kH, static_cast<int>(layerAt(layer + 1).topAt(x)) + 4);
                for (int y = std::max(firstRow, static_cast<int>(l.topAt(x)) - 2); y < last; ++y) {
                    height[static_cast<std::size_t>((y - firstRow) * kW + x)] = rockHeight(layer, x, y);
                }
            }
            for (int x = 0; x < kW; ++x) {
                const double top = l.topAt(x);
                // A wide window: the slope of the whole ridge, not of every little bump.
                const int a = std::max(0, x - 9), b = std::min(kW - 1, x + 9);
                const double slope = (l.topAt(b) - l.topAt(a)) / (b - a);
                const int y0 = std::max(0, static_cast<int>(std::floor(top)));
                // Only down to where the next, nearer layer covers this one.
                const int y1 =
                    layer < 2 ? std::min(kH, static_cast<int>(layerAt(layer + 1).topAt(x)) + 2) : kH;
                for (int y = y0; y < y1; ++y) {
                    const Relief relief = rock ? reliefAt(height, x, y - firstRow, rows) : Relief{};
                    Rgb c = groundTexture(layer, x, y, y - top, slope, relief);
                    const Rgb haze = pal_.skyHorizon;
                    c = mix(c, haze, l.haze + (layer == 2 ? 0.12 * (1.0 - smoothstep(0, 40, y - top)) : 0.0));
                    const double cover = clamp01(y + 1.0 - top);
                    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                    line[x] = mix(Rgb::from(line[x]), c, cover).toRgb();
                }
            }
        }
    }

    // Gas giants have no ground: a sea of cloud bands rolling towards the horizon, with
    // towering heads in the distance and the odd storm.
    void cloudscape() {
        layers_.assign(3, Layer{});
        for (int x = 0; x < kW; ++x) {
            const double heads = noise_.fbm(x / 120.0, n_ * 3.1, 5);
            layers_[0].top.push_back(horizon_ + 10 - 70 * std::pow(heads, 1.5));
            layers_[1].top.push_back(horizon_ + 40);
            layers_[2].top.push_back(kH * 0.75);
        }
        const Rgb cream = pal_.accent, orange = pal_.mid, brown = pal_.fore;
        const double stormX = rnd_.range(0.2, 0.8) * kW, stormY = rnd_.range(horizon_ + 60, kH - 60);
        for (int x = 0; x < kW; ++x) {
            const double top = layers_[0].topAt(x);
            for (int y = std::max(0, static_cast<int>(top)); y < kH; ++y) {
                const double depth = 1.0 / (std::max(1.0, y - horizon_ + 14.0));
                const double u = x * depth * 0.6, v = depth * 180.0;
                const double warp = noise_.fbm(u * 2.0, v * 0.5 + n_, 4);
                const double band = 0.5 + 0.5 * std::sin(v * 3.0 + warp * 5.0 + n_);
                Rgb c = mix(brown, orange, smoothstep(0.1, 0.7, band));
                c = mix(c, cream, smoothstep(0.6, 0.95, band) * 0.8);
                // Billows: light on their upper-left flanks.
                const double billow = noise_.fbm(x / 40.0, y / 16.0 + n_, 4);
                const double behind = noise_.fbm((x + 3) / 40.0, (y + 3) / 16.0 + n_, 4);
                c = c * (0.85 + 0.3 * billow + std::clamp((billow - behind) * 5.0, -0.2, 0.2));
                const double sx = (x - stormX) / 70.0, sy = (y - stormY) / 26.0;
                const double swirl = std::exp(-(sx * sx + sy * sy));
                c = mix(c, Rgb::hex(0xb04a2a) * (0.8 + 0.4 * noise_.at(sx * 4, sy * 4)), swirl * 0.75);
                // Far clouds fade into the hazy sky; the towering heads stand out above it.
                const double haze = y < horizon_ + 12 ? 0.45 : 0.55 * smoothstep(60, 0, y - horizon_);
                c = mix(c, pal_.skyHorizon, haze) * light_;
                const double cover = clamp01(y + 1.0 - top);
                auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                line[x] = mix(Rgb::from(line[x]), c, cover).toRgb();
            }
        }
    }

    void details() {
        QPainter p(&image_);
        p.setRenderHints(PaintKit::hints());
        p.setPen(Qt::NoPen);
        const Layer& mid = layers_[1];
        const Layer& fore = layers_[2];
        if (type_ == 6) {
            // Ice spires standing out of the middle ground.
            const int count = 3 + rnd_.below(6);
            for (int i = 0; i < count; ++i) {
                const int x = rnd_.below(kW);
                const double baseY = mid.topAt(x) + 25, h = rnd_.range(50, 150), w = rnd_.range(10, 26);
                QPainterPath spire;
                spire.moveTo(x - w / 2, baseY);
                spire.lineTo(x + rnd_.range(-6, 6), baseY - h);
                spire.lineTo(x + w / 2, baseY);
                spire.closeSubpath();
                QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
                g.setColorAt(0, (Rgb::hex(0xf4fcff) * light_).toColor());
                g.setColorAt(1, (Rgb::hex(0x6fa6c0) * light_).toColor());
                p.setBrush(g);
                p.drawPath(spire);
            }
        }
        if (type_ == 1) {
            // Craters on the foreground plain, flattened by perspective; the far wall is lit.
            const int count = 4 + rnd_.below(5);
            for (int i = 0; i < count; ++i) {
                const double x = rnd_.range(0, kW);
                const double y = fore.topAt(static_cast<int>(x)) + rnd_.range(8, 60);
                const double rw = rnd_.range(18, 60), rh = rw * rnd_.range(0.18, 0.28);
                QRectF box(x - rw, y - rh, rw * 2, rh * 2);
                p.setBrush((pal_.fore * 0.45 * light_).toColor());
                p.drawEllipse(box);
                QLinearGradient g(box.topLeft(), box.bottomRight());
                g.setColorAt(0, (pal_.fore * 0.35 * light_).toColor());
                g.setColorAt(1, (pal_.accent * 0.95 * light_).toColor());
                p.setBrush(g);
                p.drawEllipse(box.adjusted(rw * 0.15, rh * 0.25, 0, 0));
                p.setBrush((pal_.fore * 0.6 * light_).toColor());
                p.drawEllipse(box.adjusted(rw * 0.22, rh * 0.35, -rw * 0.1, -rh * 0.15));
            }
        }
        if (type_ == 7) {
            // Twisted growth on the hills: dark trunks with ragged crowns.
            const int count = 6 + rnd_.below(8);
            for (int i = 0; i < count; ++i) {
                const int x = rnd_.below(kW);
                const bool near = rnd_.chance(0.4);
                const double baseY = near ? fore.topAt(x) + 6 : mid.topAt(x) + 10;
                const double h = near ? rnd_.range(60, 120) : rnd_.range(25, 55);
                const Rgb trunk =
                    (near ? Rgb::hex(0x1a2418) : mix(Rgb::hex(0x2a3a2a), pal_.skyHorizon, 0.35)) * light_;
                QPainterPath path;
                path.moveTo(x, baseY);
                path.cubicTo(x + rnd_.range(-20, 20), baseY - h * 0.4, x + rnd_.range(-25, 25),
                             baseY - h * 0.7, x + rnd_.range(-15, 15), baseY - h);
                QPen pen(trunk.toColor(), near ? 5 : 2.5, Qt::SolidLine, Qt::RoundCap);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawPath(path);
                const QPointF crown = path.currentPosition();
                p.setPen(Qt::NoPen);
                for (int k = 0; k < 5; ++k) {
                    const double r = (near ? 16 : 8) * rnd_.range(0.6, 1.2);
                    p.setBrush(mix(trunk, Rgb::hex(0x3a5a2a) * light_, rnd_.range(0.2, 0.7)).toColor(220));
                    p.drawEllipse(crown + QPointF(rnd_.range(-r, r), rnd_.range(-r * 0.6, r * 0.4)), r,
                                  r * 0.6);
                }
            }
        }
        if (type_ == 8 || type_ == 3 || type_ == 2) {
            // A few boulders near the front, lit from the upper left.
            const int count = rnd_.below(5);
            for (int i = 0; i < count; ++i) {
                const int x = rnd_.below(kW);
                const double y = fore.topAt(x) + rnd_.range(4, 30);
                const double r = rnd_.range(5, 14);
                QRectF box(x - r, y - r * 0.7, r * 2, r * 1.2);
                p.setBrush(PaintKit::litBrush(box, pal_.fore * 0.9 * light_, 0.3, 0.6));
                p.drawEllipse(box);
            }
        }
    }

    void mist() {
        if (type_ != 7 && type_ != 8 && type_ != 5 && type_ != 3) {
            return;
        }
        const double strength = type_ == 7 ? 0.45 : type_ == 5 ? 0.35 : 0.18;
        const Rgb haze = type_ == 7 ? Rgb::hex(0xb0c8a0) : pal_.skyHorizon;
        const double centre = layers_[1].topAt(kW / 2) + 30;
        for (int y = std::max(0, static_cast<int>(centre - 110));
             y < std::min(kH, static_cast<int>(centre + 110)); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            const double band = std::exp(-std::pow((y - centre) / 45.0, 2.0));
            for (int x = 0; x < kW; ++x) {
                const double m = noise_.fbm(x / 160.0, y / 22.0 + 50, 3);
                const double k = band * smoothstep(0.35, 0.7, m) * strength;
                line[x] = mix(Rgb::from(line[x]), haze * light_, k).toRgb();
            }
        }
    }

    int type_;
    int n_;
    AssetRandom rnd_;
    Noise noise_;
    QImage image_;
    Palette pal_;
    Daytime time_;
    Rgb light_;
    double horizon_ = 0.0;
    bool sea_ = false;
    std::vector<Layer> layers_;
    const Layer& layerAt(int i) const { return layers_[static_cast<std::size_t>(i)]; }
};

} // namespace

QImage LandscapePainter::paint(int type, int n) {
    return Scene(type, n).paint();
}

} // namespace veltrane::assetgen
