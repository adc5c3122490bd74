#pragma once

// The user's settings in UserFolder + "Veltrane.ini": music, effects, the
// random-event rarity, the language script, the window type, the server
// the version check asks and how a larger screen is filled.

#include "core/Result.h"
#include "core/World.h"

#include <string>

namespace veltrane {

inline constexpr const char* kSettingsFileName = "Veltrane.ini";

// A missing file or key gives the default; so does a value that is not an
// integer where one is expected. Never fails.
TGameOptions LoadSettings(const std::string& userFolder);

// Writes all eight keys (the "Resolution" entry empty), keeping whatever else
// the file holds. The previous file stays intact when writing fails.
Status SaveSettings(const std::string& userFolder, const TGameOptions& options);

// Creates the user folder with its parents when missing.
Status EnsureUserFolder(const std::string& path);

} // namespace veltrane
