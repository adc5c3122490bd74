#pragma once

// Moving a selection over the sector map with the arrow keys.

#include "game/Session.h"

#include <optional>

namespace veltrane {

enum class TArrow { Left, Right, Up, Down };

// The system of the current sector an arrow leads to from system `from`: of
// the visible markers whose centre lies that way, the one nearest along the
// arrow with a sideways step counting double, so the arrow keeps roughly its
// line. Ties go to the lower number. Nothing when no marker lies that way.
std::optional<int> NeighbourToward(const TSession& session, int from, TArrow arrow);

} // namespace veltrane
