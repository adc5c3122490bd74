#pragma once

// Raw-text helpers for saved-game tests: change, drop or cut what a file holds.

#include <string>
#include <string_view>

namespace veltrane::test {

// The span of a section's lines, header included, up to the next header.
inline std::pair<std::size_t, std::size_t> SectionSpan(const std::string& text, std::string_view section) {
    const std::string header = "[" + std::string(section) + "]\n";
    const std::size_t begin = text.find(header);
    if (begin == std::string::npos)
        return {std::string::npos, std::string::npos};
    std::size_t end = text.find("\n[", begin + header.size());
    end = end == std::string::npos ? text.size() : end + 1;
    return {begin, end};
}

// Sets key=value in the section, replacing the line or adding it after the header.
inline std::string WithValue(std::string text, std::string_view section, std::string_view key,
                             std::string_view value) {
    auto [begin, end] = SectionSpan(text, section);
    if (begin == std::string::npos) {
        text += "[" + std::string(section) + "]\n" + std::string(key) + "=" + std::string(value) + "\n";
        return text;
    }
    const std::string line = "\n" + std::string(key) + "=";
    const std::size_t at = text.find(line, begin);
    const std::string replacement = std::string(key) + "=" + std::string(value);
    if (at != std::string::npos && at < end) {
        const std::size_t lineEnd = text.find('\n', at + 1);
        text.replace(at + 1, lineEnd - at - 1, replacement);
    } else {
        text.insert(text.find('\n', begin) + 1, replacement + "\n");
    }
    return text;
}

inline std::string WithoutKey(std::string text, std::string_view section, std::string_view key) {
    auto [begin, end] = SectionSpan(text, section);
    const std::size_t at = text.find("\n" + std::string(key) + "=", begin);
    if (begin != std::string::npos && at != std::string::npos && at < end)
        text.erase(at + 1, text.find('\n', at + 1) - at);
    return text;
}

inline std::string WithoutSection(std::string text, std::string_view section) {
    auto [begin, end] = SectionSpan(text, section);
    if (begin != std::string::npos)
        text.erase(begin, end - begin);
    return text;
}

} // namespace veltrane::test
