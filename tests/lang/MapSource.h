#pragma once

// An in-memory language script for tests: sections and keys compared without
// regard to case, the first entry of a key counting, as in a script file.

#include "lang/TextSource.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>

namespace veltrane::testing {

class TMapSource : public ITextSource {
  public:
    TMapSource() = default;
    TMapSource(std::initializer_list<std::pair<std::string, std::string>> entries) {
        for (const auto& [path, value] : entries) {
            auto bar = path.find('|');
            Set(path.substr(0, bar), path.substr(bar + 1), value);
        }
    }

    // Adds an entry unless the section already has the key.
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        entries_.emplace(Lower(section) + '\n' + Lower(key), value);
    }
    void Replace(const std::string& section, const std::string& key, const std::string& value) {
        entries_[Lower(section) + '\n' + Lower(key)] = value;
    }
    void Remove(const std::string& section, const std::string& key) {
        entries_.erase(Lower(section) + '\n' + Lower(key));
    }

    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
        ++lookups_;
        auto it = entries_.find(Lower(section) + '\n' + Lower(key));
        if (it == entries_.end())
            return std::nullopt;
        return it->second;
    }

    int Lookups() const { return lookups_; }

  private:
    static std::string Lower(std::string_view s) {
        std::string out(s);
        std::transform(out.begin(), out.end(), out.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return out;
    }

    std::map<std::string, std::string> entries_;
    mutable int lookups_ = 0;
};

} // namespace veltrane::testing
