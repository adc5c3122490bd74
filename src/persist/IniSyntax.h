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

// Inline: the readers trim every line, key and value.
inline std::string_view TrimIni(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsIniBlank(text[begin]))
        ++begin;
    while (end > begin && IsIniBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

inline char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Names compare without regard to ASCII case; other letters compare as written.
// Inline: readers and writers call it for every key.
inline bool SameIniName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

// Lowercases ASCII letters, for index keys.
std::string FoldIniName(std::string_view name);

// Hash and equality for maps keyed by case-insensitive names; transparent so a
// lookup by string_view needs no temporary string.
struct IniNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
        // Setting bit 5 folds the letters; the few punctuation pairs it also
        // folds together only share a bucket, equality still tells them apart.
        std::uint64_t h = name.size();
        for (char c : name)
            h = h * 31 + (static_cast<unsigned char>(c) | 0x20u);
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};
struct IniNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return SameIniName(a, b); }
};

// `parent` + `label` + n ("Sector1" + "|System" + 2), built in `out`, which
// keeps its room from name to name: the galaxy's sections are numbered so.
std::string_view NumberedName(std::string& out, std::string_view parent, std::string_view label, int n);

// Signed decimal, or hexadecimal after "0x"/"0X" (up to 32 bits, wrapping into
// the signed range like the old files did). Anything else, or a decimal outside
// 32 bits, is no integer.
std::optional<std::int32_t> ParseIniInt(std::string_view text);

} // namespace veltrane
