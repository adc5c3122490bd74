#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Where texts come from: a language script on disk, or a table in a test.
// Lookup gives the entry's value, or nothing when the section or key is absent
// (an entry present with an empty value gives "").
class ITextSource {
  public:
    virtual ~ITextSource() = default;
    virtual std::optional<std::string> Lookup(std::string_view section, std::string_view key) const = 0;

    // The key itself when absent.
    std::string Text(std::string_view section, std::string_view key) const {
        auto v = Lookup(section, key);
        return v ? std::move(*v) : std::string(key);
    }
    // An explicit default when absent.
    std::string TextDef(std::string_view section, std::string_view key, std::string_view def) const {
        auto v = Lookup(section, key);
        return v ? std::move(*v) : std::string(def);
    }
};

} // namespace veltrane
