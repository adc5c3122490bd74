#include "IniSyntax.h"

#include <charconv>

namespace veltrane {

std::string_view TrimIni(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsIniBlank(text[begin]))
        ++begin;
    while (end > begin && IsIniBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string FoldIniName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = FoldAscii(c);
    return folded;
}

std::optional<std::int32_t> ParseIniInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;

    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex) {
        text.remove_prefix(2);
        if (text.size() > 8)
            return std::nullopt;
        std::uint32_t bits = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        if (ec != std::errc{} || end != text.data() + text.size())
            return std::nullopt;
        if (negative)
            bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }

    std::int64_t value = 0;
    if (text.size() > 11)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace veltrane
