#include "AssetRandom.h"

namespace veltrane::assetgen {

std::uint64_t AssetRandom::seedFor(std::string_view name, std::uint64_t salt) {
    // FNV-1a: tiny, stable across compilers and runs.
    std::uint64_t h = 1469598103934665603ull ^ salt;
    for (const char c : name) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::uint64_t AssetRandom::next() {
    // SplitMix64: good enough spread for art, and no hidden global state.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double AssetRandom::real() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

int AssetRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    return static_cast<int>(next() % static_cast<std::uint64_t>(n));
}

} // namespace veltrane::assetgen
