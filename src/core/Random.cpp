#include "Random.h"

#include <chrono>

namespace veltrane {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

std::uint64_t ClockSeed() {
    // Two re-seeds within one tick must still differ, so mix in a counter.
    static std::uint64_t counter = 0;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    std::uint64_t mix = static_cast<std::uint64_t>(ticks) ^ (static_cast<std::uint64_t>(wall) << 1) ^
                        (++counter * 0xD1B54A32D192ED03ull);
    return SplitMix(mix);
}

TRandom::TRandom() {
    Seed(ClockSeed());
}

TRandom::TRandom(std::uint64_t seed) : master_(seed) {
    Seed(SplitMix(*master_));
}

void TRandom::Seed(std::uint64_t seed) {
    std::uint64_t x = seed;
    for (auto& s : state_)
        s = SplitMix(x);
}

void TRandom::Reseed() {
    Seed(master_ ? SplitMix(*master_) : ClockSeed());
}

// xoshiro256**: fast, and good enough for dice of a trading game.
std::uint64_t TRandom::Next() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

int TRandom::Random(int n) {
    if (n <= 0)
        return 0;
    // Multiply-shift keeps the draw uniform enough for small n without a loop.
    const std::uint64_t r = Next() >> 32;
    return static_cast<int>((r * static_cast<std::uint64_t>(n)) >> 32);
}

double TRandom::RandomReal() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

} // namespace veltrane
