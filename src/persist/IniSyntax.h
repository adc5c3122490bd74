#pragma once

// The small text rules both faces of the INI engine share: blanks, names that
// compare without regard to case, and the integers of the files.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Blanks are spaces and tabs; a stray carriage return or form feed is a blank too.
inline bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view TrimIni(std::string_view text);

inline char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Names compare without regard to ASCII case; other letters compare as written.
bool SameIniName(std::string_view a, std::string_view b);

// Lowercases ASCII letters, for index keys.
std::string FoldIniName(std::string_view name);

// Hash and equality for maps keyed by case-insensitive names; transparent so a
// lookup by string_view needs no temporary string.
struct IniNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
};
struct IniNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return SameIniName(a, b); }
};

// Signed decimal, or hexadecimal after "0x"/"0X" (up to 32 bits, wrapping into
// the signed range like the old files did). Anything else, or a decimal outside
// 32 bits, is no integer.
std::optional<std::int32_t> ParseIniInt(std::string_view text);

} // namespace veltrane
