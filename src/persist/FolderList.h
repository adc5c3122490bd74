#pragma once

// Listing a folder: the installed language scripts, the saved games.

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// Every entry of Folder except "." and "..", files and folders alike, hidden
// ones too, in the order the file system gives them. A missing folder gives an
// empty list.
std::vector<std::string> ListFolderEntries(const std::string& folder);

// The entries of Folder whose names match Mask ("*" any run, "?" one byte).
// Case does not count, as on the desktop the game grew up on.
std::vector<std::string> ListMatchingFiles(const std::string& folder, std::string_view mask);

bool MatchesMask(std::string_view name, std::string_view mask);

} // namespace veltrane
