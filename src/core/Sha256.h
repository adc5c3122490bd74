#pragma once

#include <string>
#include <string_view>

namespace veltrane {

// SHA-256 of `bytes` as 64 lower-case hexadecimal digits: the journal names
// the saved game it starts from by this, so a replay knows it has the same file.
std::string Sha256Hex(std::string_view bytes);

} // namespace veltrane
