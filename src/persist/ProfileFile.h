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

#include "IniNameIndex.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

inline constexpr std::size_t kProfileValueLimit = 2047;

class TProfileFile {
  public:
    // Text already decoded to UTF-8.
    static TProfileFile Parse(std::string text);
    // File bytes as every reader of scripts decodes them (UTF-8, else Windows-1252).
    static TProfileFile Decode(std::string bytes);
    // A missing file is an empty profile; an unreadable or oversized one is an error.
    static Result<TProfileFile> Open(const std::filesystem::path& path);
    // The same, but a missing file is an error too.
    static Result<TProfileFile> Load(const std::filesystem::path& path);

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadDef(std::string_view section, std::string_view key, std::string_view def) const;

    // Replaces the key's value where it stands, or appends the key at the end of
    // its section, or appends the section at the end of the file.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // One line as the game reads it, for tools that report by line (the lint):
    // they see exactly the sections, keys, trimming and quotes the game sees.
    struct Line {
        enum class Kind { Ignored, Section, Entry, Other }; // Ignored: blank or a comment
        Kind kind = Kind::Ignored;
        int number = 0;         // counted from 1
        std::string_view name;  // the section name or the key
        std::string_view value; // an entry's value, trimmed and unquoted, not cut at the limit
        // The game reads it: a section's first occurrence, or a key's first
        // occurrence within one.
        bool counts = false;
    };
    void ForEachLine(const std::function<void(const Line&)>& fn) const;

    std::string Serialize() const;
    Status Save(const std::filesystem::path& path) const;

  private:
    // The file is kept as its text; only the first occurrences of sections and
    // keys are noted, by offset. A script of millions of empty lines or
    // comments costs no more than its text. Offsets fit 32 bits: the files
    // read are far smaller.
    struct SectionSpot {
        std::uint32_t nameStart = 0;
        std::uint32_t nameLength = 0;
        std::uint32_t insertAt = 0; // after the last entry line of its first occurrence
    };
    struct EntrySpot {
        std::uint32_t section = 0;
        std::uint32_t keyStart = 0;
        std::uint32_t keyLength = 0;
        std::uint32_t lineStart = 0;
        std::uint32_t lineEnd = 0; // before the line break and a carriage return
    };

    void Reindex();
    std::string_view At(std::uint32_t start, std::uint32_t length) const;
    std::optional<std::uint32_t> FindSection(std::string_view name) const;
    const EntrySpot* FindEntry(std::string_view section, std::string_view key) const;
    void InsertLine(std::size_t at, std::string_view line);

    std::string text_;
    bool crlf_ = false;
    std::vector<SectionSpot> sections_;
    std::vector<EntrySpot> entries_;
    TIniNameIndex sectionIndex_;
    TIniNameIndex entryIndex_;
};

} // namespace veltrane
