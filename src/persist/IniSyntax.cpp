#include "IniSyntax.h"

#include <charconv>

namespace veltrane {
namespace {

bool AllDigits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::string_view NumberedName(std::string& out, std::string_view parent, std::string_view label, int n) {
    char digits[12];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
    out.assign(parent);
    out.append(label);
    out.append(digits, end);
    return out;
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
    // Nearly every number of a saved game is a few plain digits.
    if (text.size() <= 9 && AllDigits(text)) {
        std::int32_t small = 0;
        for (const char c : text)
            small = small * 10 + (c - '0');
        return negative ? -small : small;
    }
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
