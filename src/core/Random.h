#pragma once

#include <cstdint>
#include <optional>

namespace veltrane {

// The one pseudo-random generator of a game. In play it is seeded from the
// clock, and re-seeded from the clock where a new game asks for it. Built with
// a fixed seed (tests, tools), every such re-seed takes the next seed from a
// sequence started by that seed instead, so a whole game replays from one number.
class TRandom {
  public:
    // Seeded from the clock; every Reseed() reads the clock again.
    TRandom();
    // Reproducible: Reseed() draws its seeds from a sequence started by `seed`.
    explicit TRandom(std::uint64_t seed);

    // Uniform integer 0 .. n-1; 0 when n <= 0.
    int Random(int n);
    // Uniform real in [0, 1).
    double RandomReal();

    // "Re-seed from the clock".
    void Reseed();
    // Start over from an explicit seed (clock mode stays as it was).
    void Seed(std::uint64_t seed);

    bool Reproducible() const { return master_.has_value(); }

  private:
    std::uint64_t Next();

    std::uint64_t state_[4]{};
    std::optional<std::uint64_t> master_;
};

// A fresh seed from the clock; two calls never give the same one.
std::uint64_t ClockSeed();

} // namespace veltrane
