#pragma once

#include <cstdint>
#include <string_view>

namespace veltrane::assetgen {

// The generator's own seeded source of variety. Every picture and sound seeds one from a
// fixed number, so a build produces the same bytes whatever order the jobs run in.
class AssetRandom {
  public:
    explicit AssetRandom(std::uint64_t seed) : state_(seed ^ 0x9E3779B97F4A7C15ull) {}

    // A stable seed from a name ("planet7"), independent of the platform's string hashing.
    static std::uint64_t seedFor(std::string_view name, std::uint64_t salt = 0);

    std::uint64_t next();
    // Uniform in [0, 1).
    double real();
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * real(); }
    // Uniform integer 0 … n − 1 (0 for n ≤ 0).
    int below(int n);
    bool chance(double p) { return real() < p; }

  private:
    std::uint64_t state_;
};

} // namespace veltrane::assetgen
