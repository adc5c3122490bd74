#include "Noise.h"

#include <cmath>

namespace veltrane::assetgen {

namespace {

double fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

int wrap(int v, int period) {
    const int m = v % period;
    return m < 0 ? m + period : m;
}

} // namespace

double Noise::lattice(int x, int y, int z) const {
    std::uint32_t h = seed_;
    h ^= static_cast<std::uint32_t>(x) * 0x8DA6B343u;
    h ^= static_cast<std::uint32_t>(y) * 0xD8163841u;
    h ^= static_cast<std::uint32_t>(z) * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h) * (1.0 / 4294967295.0);
}

double Noise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double a = mix(lattice(ix, iy, 0), lattice(ix + 1, iy, 0), tx);
    const double b = mix(lattice(ix, iy + 1, 0), lattice(ix + 1, iy + 1, 0), tx);
    return mix(a, b, ty);
}

double Noise::at(double x, double y, double z) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double fz = std::floor(z);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const int iz = static_cast<int>(fz);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    const double tz = fade(z - fz);
    const double a0 = mix(lattice(ix, iy, iz), lattice(ix + 1, iy, iz), tx);
    const double b0 = mix(lattice(ix, iy + 1, iz), lattice(ix + 1, iy + 1, iz), tx);
    const double a1 = mix(lattice(ix, iy, iz + 1), lattice(ix + 1, iy, iz + 1), tx);
    const double b1 = mix(lattice(ix, iy + 1, iz + 1), lattice(ix + 1, iy + 1, iz + 1), tx);
    return mix(mix(a0, b0, ty), mix(a1, b1, ty), tz);
}

double Noise::atPeriodic(double x, double y, int period) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = wrap(static_cast<int>(fx), period);
    const int iy = wrap(static_cast<int>(fy), period);
    const int jx = wrap(ix + 1, period);
    const int jy = wrap(iy + 1, period);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    // The period is folded into the z coordinate so different periods give different fields.
    const double a = mix(lattice(ix, iy, period), lattice(jx, iy, period), tx);
    const double b = mix(lattice(ix, jy, period), lattice(jx, jy, period), tx);
    return mix(a, b, ty);
}

double Noise::fbm(double x, double y, int octaves, double gain) const {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        // Offsetting each octave hides the lattice alignment at the origin.
        sum += amp * at(x + o * 17.31, y - o * 9.77);
        norm += amp;
        amp *= gain;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / norm;
}

double Noise::fbm(double x, double y, double z, int octaves, double gain) const {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * at(x + o * 17.31, y - o * 9.77, z + o * 5.13);
        norm += amp;
        amp *= gain;
        x *= 2.0;
        y *= 2.0;
        z *= 2.0;
    }
    return sum / norm;
}

double Noise::fbmPeriodic(double x, double y, int period, int octaves, double gain) const {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    int p = period;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * atPeriodic(x, y, p);
        norm += amp;
        amp *= gain;
        x *= 2.0;
        y *= 2.0;
        p *= 2;
    }
    return sum / norm;
}

double Noise::ridged(double x, double y, int octaves) const {
    double sum = 0.0;
    double amp = 1.0;
    double norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        const double v = 1.0 - std::abs(at(x + o * 3.7, y + o * 1.3) * 2.0 - 1.0);
        sum += amp * v * v;
        norm += amp;
        amp *= 0.5;
        x *= 2.0;
        y *= 2.0;
    }
    return sum / norm;
}

} // namespace veltrane::assetgen
