#pragma once

// Which way the direction arrow of a passenger's hint points, and at what.

#include "core/World.h"

#include <optional>

namespace veltrane {

// Arrow picture number for looking from (x, y) towards (tx, ty) on the map,
// y growing downwards. 1 is straight up and the numbers run clockwise to 8;
// the same position also gives 1.
int ArrowNumber(int x, int y, int tx, int ty);

// The system in the current sector the hint points at: 'A' the ordered
// artefact of this sector, anything else the alien module lying in it (the
// last of modules 1..4 when several do). Nothing when there is no such target
// any more (no order yet, module already taken, numbers out of range), so the
// window shows the text without an arrow instead of pointing at nonsense.
std::optional<int> DirectionTarget(const TGameState& world, char target);

// The arrow picture from the current system towards `target`, or nothing.
std::optional<int> DirectionArrow(const TGameState& world, char target);

} // namespace veltrane
