#pragma once

// Text files come in two encodings: UTF-8 (what we write) and the 8-bit
// Windows-1252 of older files and hand-edited scripts. Everything inside the
// program is UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrane {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsValidUtf8(std::string_view bytes);

// Every byte to its Windows-1252 character; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of that number.
std::string Cp1252ToUtf8(std::string_view bytes);

// Text that is not UTF-8 made UTF-8: the characters that are well-formed stay,
// every other byte becomes its Windows-1252 character. A raw byte in a name
// most likely came from a Latin-1 or Windows-1252 source, and a file read as
// 1252 shows it the same way, so "Caf\xE9" keeps its accent instead of
// turning into U+FFFD.
std::string ToValidUtf8(std::string_view bytes);

// A UTF-8 file (its byte order mark dropped) as it is, anything else as 1252.
std::string DecodeTextFile(std::string bytes);

// The first `maxChars` characters of UTF-8 text, never cutting one in half.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars);

} // namespace veltrane
