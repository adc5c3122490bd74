#pragma once

#include <cstdint>

namespace veltrane::assetgen {

// Smooth value noise in two and three dimensions, with fractal sums. Values lie in [0, 1].
// The periodic variants repeat every `period` lattice cells, for tiles and loops that must
// join without a seam.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : seed_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}

    double at(double x, double y) const;
    double at(double x, double y, double z) const;
    double atPeriodic(double x, double y, int period) const;

    double fbm(double x, double y, int octaves, double gain = 0.5) const;
    double fbm(double x, double y, double z, int octaves, double gain = 0.5) const;
    // Octave k has period `period` × 2^k, so the sum repeats every `period` at octave 0's scale.
    double fbmPeriodic(double x, double y, int period, int octaves, double gain = 0.5) const;
    // Sharp creases where the noise crosses its middle: cracks, ridges, veins.
    double ridged(double x, double y, int octaves) const;

  private:
    double lattice(int x, int y, int z) const;
    std::uint32_t seed_;
};

} // namespace veltrane::assetgen
