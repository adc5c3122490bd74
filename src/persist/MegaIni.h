#pragma once

// The saved-game face of the INI engine: a whole file of sections and keys,
// kept in the order first written, read and written in one go.
//
// Reading: lines are trimmed; empty lines and lines starting with ";" are
// skipped; "[name]" opens a section; other lines split at the first "=" into a
// trimmed key and value. Names compare without regard to case and the first
// occurrence of a section or key counts. No quotes are removed and no value is
// cut. Writing a key that exists replaces its value where it stands.

#include "core/Result.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "IniNameIndex.h"
#include "IniSyntax.h"

namespace veltrane {

class TMegaIni {
  public:
    TMegaIni() = default;
    // Keys and values are views into the object's own storage: it moves, it
    // is not copied.
    TMegaIni(TMegaIni&&) noexcept = default;
    TMegaIni& operator=(TMegaIni&&) noexcept = default;
    TMegaIni(const TMegaIni&) = delete;
    TMegaIni& operator=(const TMegaIni&) = delete;

    // Text already decoded to UTF-8.
    static TMegaIni Parse(std::string text);
    // Reads, decodes (UTF-8 or Windows-1252) and parses a whole file.
    static Result<TMegaIni> Load(const std::filesystem::path& path);

    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // A missing key or one that is not an integer gives the default.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

    // Line breaks and NULs in a name or value become blanks, so no value can open
    // a section of its own; bytes that are not UTF-8 become characters as
    // ToValidUtf8 says, so the file is always read as the UTF-8 it is.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);

    std::size_t SectionCount() const { return sections_.size(); }
    // Room for this many sections, for writers that know how many they write.
    void Reserve(std::size_t sections);

    struct Entry {
        std::string_view key;
        std::string_view value;
    };
    struct Section {
        std::string_view name;
        std::vector<Entry> entries;
        // Positions in `entries` by key, kept only once a section has grown
        // past the handful of keys the game writes into one.
        TIniNameIndex keys;
        // One bit per key, from KeyMark: a key whose bit is clear is not here,
        // so a new key is known new without a search.
        std::uint64_t keyMarks = 0;
    };

    // For readers that take many keys from one section: find it once.
    const Section* FindSection(std::string_view name) const;
    static std::optional<std::string_view> ValueIn(const Section* section, std::string_view key);

    // For readers that take sections and keys in about the order they were
    // written: the position `guess` is looked at before any search.
    std::optional<std::size_t> SectionPosition(std::string_view name, std::size_t guess) const;
    const Section& SectionAt(std::size_t position) const { return sections_[position]; }
    static std::optional<std::size_t> EntryPosition(const Section& section, std::string_view key,
                                                    std::size_t guess);

    std::string Serialize() const;
    Status Save(const std::filesystem::path& path) const;

    // The line rules of Parse for readers that keep only what they need:
    // onSection(name) for every section line and onEntry(key, value) for every
    // entry line, repeats included, in the order of the file. Either returns
    // false to stop.
    template <typename OnSection, typename OnEntry>
    static void ScanLines(std::string_view text, OnSection&& onSection, OnEntry&& onEntry) {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            const std::string_view line = TrimIni(text.substr(start, end - start));
            start = end + 1;
            if (line.empty() || line.front() == ';')
                continue;
            if (line.front() == '[' && line.back() == ']') {
                if (!onSection(TrimIni(line.substr(1, line.size() - 2))))
                    return;
                continue;
            }
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos)
                continue;
            const std::string_view key = TrimIni(line.substr(0, eq));
            if (!key.empty() && !onEntry(key, TrimIni(line.substr(eq + 1))))
                return;
        }
    }

  private:
    Section& SectionFor(std::string_view name);
    static const Entry* FindEntry(const Section& section, std::string_view key);
    static void AppendEntry(Section& section, std::string_view key, std::string_view value);
    // AppendEntry unless the section has the key already.
    static void AppendNewEntry(Section& section, std::string_view key, std::string_view value);
    // Copies text into storage that never moves for the object's lifetime.
    std::string_view Store(std::string_view text);
    // The same for keys: every section of a kind repeats the same few, and
    // each is stored once.
    std::string_view StoreKey(std::string_view key);

    std::unique_ptr<const std::string> source_; // the parsed text, viewed in place
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t blockUsed_ = 0;
    std::size_t blockSize_ = 0;
    std::array<std::string_view, 64> storedKeys_{}; // by KeyMark's bit

    std::optional<std::size_t> FindSectionPosition(std::string_view name) const;

    std::vector<Section> sections_;
    std::unordered_map<std::string_view, std::size_t, IniNameHash, IniNameEqual> index_;
    // Writers fill one section after the other; none is chosen yet.
    std::size_t lastWritten_ = SIZE_MAX;
};

} // namespace veltrane
