#pragma once

// The user's settings in UserFolder + "Veltrane.ini": music, effects, the
// random-event rarity, the language script, the window type, the server
// the version check asks and how a larger screen is filled.

#include "core/Result.h"
#include "core/World.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

inline constexpr const char* kSettingsFileName = "Veltrane.ini";

// A missing file or key gives the default; so does a value that is not an
// integer where one is expected. Never fails.
TGameOptions LoadSettings(const std::string& userFolder);

// Writes all eight keys (the "Resolution" entry empty), keeping whatever else
// the file holds. The previous file stays intact when writing fails.
Status SaveSettings(const std::string& userFolder, const TGameOptions& options);

// The first-time hints live in a section of their own, [Guide]: "Hints" (1/0)
// and "Seen", the names of the hints shown so far, comma-separated. A file
// without the section gives hints on and none seen.
inline constexpr const char* kGuideSection = "Guide";

// Writes the [Guide] section alone, keeping the rest of the file: the hints a
// player has seen are remembered as they are shown, not only when the options
// dialog closes.
Status SaveGuideSettings(const std::string& userFolder, const TGameOptions& options);

// "Scan, Landing,,Scan" gives Scan and Landing: blanks trimmed, empty and repeated names dropped.
std::vector<std::string> SplitHintNames(std::string_view text);

// Creates the user folder with its parents when missing.
Status EnsureUserFolder(const std::string& path);

} // namespace veltrane
