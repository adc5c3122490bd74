#pragma once

// The profile-string face of the INI engine, for language scripts and the
// settings file: the classic rules of reading one value by section and key,
// and of changing one value while the rest of the file stays as it was.
//
// Reading: names compare without regard to case; the first occurrence of a
// section or key counts; key and value are trimmed; one pair of enclosing
// double or single quotes is removed; a value is cut at 2047 characters; a key
// present with an empty value gives "". Lines of any other form are ignored.

#include "core/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veltrane {

inline constexpr std::size_t kProfileValueLimit = 2047;

class TProfileFile {
  public:
    // Text already decoded to UTF-8.
    static TProfileFile Parse(std::string_view text);
    // A missing file is an empty profile; an unreadable or oversized one is an error.
    static Result<TProfileFile> Open(const std::filesystem::path& path);

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadDef(std::string_view section, std::string_view key, std::string_view def) const;

    // Replaces the key's value where it stands, or appends the key at the end of
    // its section, or appends the section at the end of the file.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;
    Status Save(const std::filesystem::path& path) const;

  private:
    struct Line {
        std::string text;
        std::string section; // the name when the line opens a section
        std::string key;     // the key when the line is an entry
        bool opensSection = false;
        bool isEntry = false;
    };

    static Line Classify(std::string text);
    void Reindex();

    std::vector<Line> lines_;
    bool crlf_ = false;
    // "section\nkey", folded to lower case, to the line of its first occurrence.
    std::unordered_map<std::string, std::size_t> entries_;
    // folded section name to the line that opens its first occurrence.
    std::unordered_map<std::string, std::size_t> sections_;
};

} // namespace veltrane
