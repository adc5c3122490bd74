#pragma once

// What the status display shows for a game state: the numbers and colours
// behind the gauges, labels and equipment pictures of the main window. The
// window only copies these values into its controls.

#include "core/Random.h"
#include "core/World.h"

#include <array>
#include <cstdint>
#include <string>

namespace veltrane {

struct TStatusValues {
    int StorageCapacity = 0;
    int StorageGauge = 0; // percent, already clamped to 0..100
    int EnergyGauge = 0;  // percent, already clamped to 0..100
    TColor EnergyColour = kGreen;
    int StoragePicture = 0;    // index into imlEquipment
    int EnergyCellPicture = 0; // index into imlEquipment
    int ScannerPicture = 0;    // index into imlEquipment
    std::string StoragePercentText;
    std::string EnergyPercentText;
    std::array<bool, kModuleCount> ModuleVisible{};
};

// Every slot of the hold is worth the same whole percent, so a full hold reads
// 99 % at capacities 3 and 9 and 96 % at 6: the integer step is the design.
int StorageGaugeValue(int itemsAboard, int storageCapacity);

// Green from 50 up, yellow below 50, red below 20.
TColor EnergyGaugeColour(int gaugeValue);

// The gauges hold 0..100 whatever they are given.
int ClampGauge(int value);

// The label under a gauge ("96%"): one form for the status display and for
// the flight, so the number does not jump about as the ship lands.
std::string GaugePercentText(int gaugeValue);

// Computes the display and writes the derived StorageCapacity back into the captain.
TStatusValues ComputeStatus(TGameState& world);

// Game clock "hh:mm:ss"; hours simply go on counting past 23.
std::string ClockText(std::int64_t seconds);

// Which of the three background tiles a repaint uses: 1 and 2 a quarter of the
// time each, 3 half of the time.
int BackgroundTileNumber(TRandom& rng);

// Top-left corner that centres a child of the given size in a parent's client
// area; each half is truncated towards zero, as the window layout expects.
struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};
TPoint CentreOffset(int parentWidth, int parentHeight, int childWidth, int childHeight);

} // namespace veltrane
