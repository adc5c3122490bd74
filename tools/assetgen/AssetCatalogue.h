#pragma once

#include "AssetJob.h"

namespace veltrane::assetgen {

// Every picture and sound the game ships, as generation jobs.
class AssetCatalogue {
  public:
    static std::vector<AssetJob> jobs();
};

} // namespace veltrane::assetgen
