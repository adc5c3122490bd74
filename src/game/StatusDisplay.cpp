#include "StatusDisplay.h"

#include <algorithm>
#include <cstdio>

namespace veltrane {

int ClampGauge(int value) {
    return std::clamp(value, 0, 100);
}

int StorageGaugeValue(int itemsAboard, int storageCapacity) {
    // A captain without any storage level would otherwise divide by zero.
    if (storageCapacity <= 0)
        return itemsAboard > 0 ? 100 : 0;
    return ClampGauge(itemsAboard * (100 / storageCapacity));
}

TColor EnergyGaugeColour(int gaugeValue) {
    if (gaugeValue < 20)
        return kRed;
    if (gaugeValue < 50)
        return kYellow;
    return kGreen;
}

TStatusValues ComputeStatus(TGameState& world) {
    TCaptain& captain = world.Captain;
    captain.StorageCapacity = static_cast<std::uint8_t>(captain.Storage * 3);

    TStatusValues v;
    v.StorageCapacity = captain.StorageCapacity;
    v.StorageGauge = StorageGaugeValue(world.ItemsAboard(), v.StorageCapacity);
    v.EnergyGauge = ClampGauge(captain.Energy);
    v.EnergyColour = EnergyGaugeColour(v.EnergyGauge);
    v.StoragePicture = captain.Storage + 3;
    v.EnergyCellPicture = captain.EnergyCell + 6;
    v.ScannerPicture = captain.Scanner;
    v.StoragePercentText = GaugePercentText(v.StorageGauge);
    v.EnergyPercentText = GaugePercentText(v.EnergyGauge);
    for (int n = 1; n <= kModuleCount; ++n)
        v.ModuleVisible[static_cast<std::size_t>(n - 1)] = captain.HasModule(n);
    return v;
}

std::string GaugePercentText(int gaugeValue) {
    return std::to_string(ClampGauge(gaugeValue)) + "%";
}

std::string ClockText(std::int64_t seconds) {
    if (seconds < 0)
        seconds = 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>((seconds % 3600) / 60), static_cast<long long>(seconds % 60));
    return text;
}

int BackgroundTileNumber(TRandom& rng) {
    return std::min(rng.Random(4) + 1, 3);
}

TPoint CentreOffset(int parentWidth, int parentHeight, int childWidth, int childHeight) {
    // C++ division truncates towards zero, like the layout rule asks.
    return {parentWidth / 2 - childWidth / 2, parentHeight / 2 - childHeight / 2};
}

} // namespace veltrane
