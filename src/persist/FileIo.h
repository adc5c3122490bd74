#pragma once

// The one way our text files reach the disk and come back: read whole with a
// size limit, and written through a temporary file that replaces the target
// only when it is complete.

#include "core/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace veltrane {

// No saved game or script comes near this; anything larger is not ours.
inline constexpr std::uintmax_t kMaxTextFileBytes = 64ull * 1024 * 1024;

// The file's bytes, or why not (missing, a folder, too large, unreadable).
Result<std::string> ReadWholeFile(const std::filesystem::path& path,
                                  std::uintmax_t maxBytes = kMaxTextFileBytes);

// What a reader says when a file's contents do not fit into memory: readers
// catch std::bad_alloc where they start and give this instead of ending the game.
Error OutOfMemoryReading(const std::filesystem::path& path);

// Writes into a temporary file beside the target, flushes it to the disk and
// renames it over the target. On any failure the previous file is untouched.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view data);

} // namespace veltrane
