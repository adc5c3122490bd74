#include "PlanetPainter.h"

#include "AssetRandom.h"
#include "PaintKit.h"

#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

Rgb craters(Rgb c, double x, double y, double z, int variant) {
    // A handful of fixed craters per variant: dark floors with a lit rim on the light side.
    AssetRandom rnd(AssetRandom::seedFor("craters", static_cast<std::uint64_t>(variant)));
    for (int i = 0; i < 14; ++i) {
        double cx = rnd.range(-1, 1), cy = rnd.range(-1, 1), cz = rnd.range(-0.2, 1);
        const double len = std::sqrt(cx * cx + cy * cy + cz * cz);
        cx /= len;
        cy /= len;
        cz /= len;
        const double size = rnd.range(0.06, 0.24);
        const double d = std::acos(std::clamp(x * cx + y * cy + z * cz, -1.0, 1.0)) / size;
        if (d < 1.15) {
            const double floor = smoothstep(1.0, 0.7, d);
            const double rim = std::exp(-std::pow((d - 1.0) / 0.12, 2.0));
            // Rim lit on the side facing the light, the floor shaded on that side.
            const double facing =
                ((x - cx) * PaintKit::kLightX + (y - cy) * PaintKit::kLightY) / (size + 1e-6);
            c = c * (1.0 - 0.28 * floor * (0.6 + 0.4 * facing)) + Rgb{0.14, 0.13, 0.12} * rim * 0.8;
        }
    }
    return c;
}

} // namespace

Rgb PlanetPainter::surface(int type, double x, double y, double z, const Noise& noise, int variant) {
    const double f = noise.fbm(x * 2.2 + 7, y * 2.2, z * 2.2, 5);
    const double fine = noise.fbm(x * 9 + 3, y * 9, z * 9, 3);
    switch (type) {
    case 1: { // Barren: grey-brown rock, craters
        const Rgb a = Rgb::hex(0x5d5650), b = Rgb::hex(0x9a8f84);
        Rgb c = mix(a, b, smoothstep(0.3, 0.7, f)) * (0.85 + 0.3 * fine);
        return craters(c, x, y, z, variant);
    }
    case 2: { // Corrugated: rust and ochre ridges in parallel folds
        const double axis = x * 0.35 + y * 0.94 + z * 0.1 * variant;
        const double warp = noise.fbm(x * 1.5, y * 1.5, z * 1.5 + 40, 4);
        const double fold = 0.5 + 0.5 * std::sin((axis * (22 + 5 * variant) + warp * 6.0));
        const Rgb rust = Rgb::hex(0x8a3b1c), ochre = Rgb::hex(0xc9892f), dark = Rgb::hex(0x4a2414);
        Rgb c = mix(rust, ochre, smoothstep(0.25, 0.85, f));
        return mix(dark, c, 0.45 + 0.55 * std::pow(fold, 0.7)) * (0.9 + 0.2 * fine);
    }
    case 3: { // Desert: sand gold, dunes
        const double dune = 0.5 + 0.5 * std::sin(x * 18 + noise.fbm(x * 2, y * 2, z * 2 + 9, 3) * 9 + y * 4);
        const Rgb sand = Rgb::hex(0xd9ad5c), pale = Rgb::hex(0xf0d596), deep = Rgb::hex(0xa8742f);
        Rgb c = mix(deep, sand, smoothstep(0.2, 0.7, f));
        c = mix(c, pale, 0.35 * dune * smoothstep(0.35, 0.8, fine + 0.2));
        return c;
    }
    case 4: { // Terran: green land, blue seas, white clouds, polar ice
        const double height = f + 0.12 * (fine - 0.5);
        const double sea = 0.50 + 0.03 * (variant - 1);
        Rgb c;
        if (height < sea) {
            c = mix(Rgb::hex(0x0d2f6e), Rgb::hex(0x1f63a8), smoothstep(sea - 0.2, sea, height));
        } else {
            const double land = smoothstep(sea, sea + 0.2, height);
            c = mix(Rgb::hex(0x3f8a3a), Rgb::hex(0x8b7a4a), land);
            c = mix(Rgb::hex(0xd8c890), c, smoothstep(sea, sea + 0.015, height));
        }
        const double polar = smoothstep(0.78, 0.88, std::abs(y) + 0.08 * fine);
        c = mix(c, Rgb::hex(0xf2f6fa), polar);
        const double cloud = smoothstep(0.52, 0.72, noise.fbm(x * 3 + 20, y * 5, z * 3, 5));
        return mix(c, Rgb::hex(0xffffff), cloud * 0.85);
    }
    case 5: { // Gas: banded cream, orange and brown with storms
        const double warp = noise.fbm(x * 3, y * 1.2, z * 3 + 11, 4) - 0.5;
        const double band = y * (4.5 + variant) + warp * 1.6 + 0.4 * variant;
        const double s = 0.5 + 0.5 * std::sin(band * 3.14159);
        const double s2 = 0.5 + 0.5 * std::sin(band * 7.1 + 1.3);
        const Rgb cream = Rgb::hex(0xecdcb4), orange = Rgb::hex(0xd88a45), brown = Rgb::hex(0x7a4a2a);
        Rgb c = mix(mix(brown, orange, s), cream, s2 * 0.6);
        // One great storm oval per planet.
        const double sx = x - (-0.25 + 0.2 * variant), sy = (y - (0.25 - 0.22 * variant)) * 2.2;
        const double storm = std::exp(-(sx * sx + sy * sy) / 0.025);
        c = mix(c, Rgb::hex(variant == 1 ? 0xb8452a : 0xf4e6c8), storm * 0.85);
        return c * (0.92 + 0.16 * fine);
    }
    case 6: { // Icy: white and pale cyan, cracked plates
        const double crack = noise.ridged(x * 2.2 + y * 0.7 + 30, y * 2.2 + z * 2.0, 4);
        Rgb c = mix(Rgb::hex(0xbfe6ee), Rgb::hex(0xf4fbff), smoothstep(0.3, 0.7, f));
        c = mix(c, Rgb::hex(0x3e8aa0), smoothstep(0.62, 0.88, crack) * 0.85);
        return c;
    }
    case 7: { // Swampy: olive and dark teal, mist
        Rgb c = mix(Rgb::hex(0x1f4a44), Rgb::hex(0x6b7330), smoothstep(0.35, 0.65, f));
        c = mix(c, Rgb::hex(0x22302a), smoothstep(0.6, 0.8, fine) * 0.5);
        const double mist = smoothstep(0.45, 0.75, noise.fbm(x * 2.5 + 50, y * 4, z * 2.5, 4));
        return mix(c, Rgb::hex(0x9fb59a), mist * 0.45);
    }
    default: { // Tundra: grey-green moss, snow patches
        Rgb c = mix(Rgb::hex(0x556353), Rgb::hex(0x8c9a80), smoothstep(0.3, 0.7, f));
        const double snow =
            smoothstep(0.58, 0.66, noise.fbm(x * 4, y * 4, z * 4 + 70, 4) + 0.25 * std::abs(y));
        return mix(c, Rgb::hex(0xe6ebef), snow);
    }
    }
}

QImage PlanetPainter::paint(int n) {
    const int type = surfaceOf(n);
    const int variant = (n - 1) % 3;
    AssetRandom rnd(AssetRandom::seedFor("planet" + std::to_string(n)));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(kSize, kSize, Rgb{});
    PaintKit::space(image, rnd, 0.004, Rgb::hex(0x050915));

    const double radius = (type == 5 ? 44.0 : 36.0 + 3.5 * variant) + rnd.range(-1.5, 1.5);
    const double c = kSize / 2.0;
    const double tilt = rnd.range(-0.35, 0.35);
    const double spin = rnd.range(0, 6.28);
    const double ct = std::cos(tilt), st = std::sin(tilt);
    const bool atmosphere = type == 4 || type == 5 || type == 7 || type == 8 || type == 6;
    const Rgb rimColour = type == 4   ? Rgb::hex(0x7fb8ff)
                          : type == 5 ? Rgb::hex(0xffd6a0)
                          : type == 6 ? Rgb::hex(0xbff4ff)
                          : type == 7 ? Rgb::hex(0xa8d890)
                                      : Rgb::hex(0xc8d0e0);
    constexpr int kSub = 3;
    for (int py = 0; py < kSize; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < kSize; ++px) {
            Rgb sum{};
            int covered = 0;
            double haloSum = 0.0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double dx = (px + (sx + 0.5) / kSub - c) / radius;
                    const double dy = (py + (sy + 0.5) / kSub - c) / radius;
                    const double d2 = dx * dx + dy * dy;
                    if (d2 > 1.0) {
                        const double out = std::sqrt(d2) - 1.0;
                        haloSum += std::exp(-out * (atmosphere ? 14.0 : 30.0));
                        continue;
                    }
                    const double dz = std::sqrt(1.0 - d2);
                    // Rotate the texture space (tilt about the view axis, spin about the pole).
                    const double ry = dx * st + dy * ct;
                    const double rx0 = dx * ct - dy * st;
                    const double rx = rx0 * std::cos(spin) + dz * std::sin(spin);
                    const double rz = -rx0 * std::sin(spin) + dz * std::cos(spin);
                    Rgb s = surface(type, rx, ry, rz, noise, variant);
                    const double light = PaintKit::sphereLight(dx, dy, dz, 0.04);
                    s = s * (0.08 + 1.05 * std::pow(light, 0.9));
                    // Rim light: a thin bright edge on the lit side, in the air's colour.
                    const double edge = std::pow(1.0 - dz, 3.0);
                    const double litSide = std::max(0.0, -(dx * 0.7 + dy * 0.7));
                    s = s + rimColour * (edge * (atmosphere ? 0.9 : 0.35) * (0.3 + litSide));
                    sum = sum + s;
                    ++covered;
                }
            }
            const double k = static_cast<double>(covered) / (kSub * kSub);
            Rgb bg = Rgb::from(line[px]);
            bg = bg + rimColour * (haloSum / (kSub * kSub)) * (atmosphere ? 0.35 : 0.12);
            const Rgb planet = covered ? sum * (1.0 / covered) : Rgb{};
            line[px] = mix(bg, planet, k).toRgb();
        }
    }
    return image;
}

} // namespace veltrane::assetgen
