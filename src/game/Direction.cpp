#include "game/Direction.h"

namespace veltrane {

int ArrowNumber(int x, int y, int tx, int ty) {
    if (tx > x) {
        if (ty < y)
            return 2;
        if (ty == y)
            return 3;
        return 4;
    }
    if (tx < x) {
        if (ty > y)
            return 6;
        if (ty == y)
            return 7;
        return 8;
    }
    return ty > y ? 5 : 1;
}

namespace {

std::optional<int> ValidSystem(int system) {
    if (!OneBased<TSystem, kSystemsPerSector>::InRange(system))
        return std::nullopt;
    return system;
}

} // namespace

std::optional<int> DirectionTarget(const TGameState& world, char target) {
    const int sector = world.CurrentSector;
    if (!OneBased<TSector, kSectorCount>::InRange(sector))
        return std::nullopt;

    if (target == 'A') {
        const int artefact = world.FindIdx[sector];
        if (!OneBased<TArtefact, kArtefactCount>::InRange(artefact))
            return std::nullopt;
        return ValidSystem(world.Artefacts[artefact].System);
    }

    std::optional<int> found;
    for (int n = 1; n <= kModuleCount; ++n) {
        const TModulePlacement& module = world.AlienModules[n];
        if (module.Sector == sector)
            found = module.System;
    }
    // A taken module keeps its sector but its system becomes 0.
    return found ? ValidSystem(*found) : std::nullopt;
}

std::optional<int> DirectionArrow(const TGameState& world, char target) {
    const auto system = DirectionTarget(world, target);
    if (!system || !OneBased<TSystem, kSystemsPerSector>::InRange(world.CurrentSystem))
        return std::nullopt;
    const TSystem& here = world.Here();
    const TSystem& there = world.System(world.CurrentSector, *system);
    return ArrowNumber(here.PosX, here.PosY, there.PosX, there.PosY);
}

} // namespace veltrane
