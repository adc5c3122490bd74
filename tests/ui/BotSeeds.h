#pragma once

// The seeds the bot's test plays in CI and its benchmark times.

#include <array>
#include <cstdint>

namespace veltrane::test {

inline constexpr std::array<std::uint64_t, 5> kBotSeeds{1, 2, 6, 7, 8};

} // namespace veltrane::test
