#pragma once

#include "AssetJob.h"

namespace veltrane::assetgen {

// Every picture and sound the game ships, as generation jobs.
class AssetCatalogue {
  public:
    static std::vector<AssetJob> jobs();
    // The desktop icon in every size, as "hicolor/<size>x<size>/apps/veltrane.png": installed
    // into the icon theme, not into the program folder.
    static std::vector<AssetJob> desktopIcons();
};

} // namespace veltrane::assetgen
