#include "MegaIni.h"

#include "FileIo.h"
#include "TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <new>

namespace veltrane {
namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
// Sections hold six to sixteen keys: up to this many a straight search (past
// the key marks) beats any index, beyond it only a damaged or hostile file would go.
constexpr std::size_t kIndexedEntries = 32;

// A line break would start a line of its own, a NUL makes the file binary to
// the reader, and one byte that is not UTF-8 makes it read the whole file as
// Windows-1252, mangling every other name.
bool IsBreaking(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

bool NeedsCleaning(std::string_view text) {
    bool high = false;
    for (char c : text) {
        if (IsBreaking(c))
            return true;
        high |= (static_cast<unsigned char>(c) & 0x80) != 0;
    }
    return high && !IsValidUtf8(text);
}

// A key's bit among a section's keyMarks (0 to 63): names that compare equal share it.
std::size_t KeyBit(std::string_view key) {
    if (key.empty())
        return 0;
    const unsigned first = static_cast<unsigned char>(key.front()) | 0x20u;
    const unsigned last = static_cast<unsigned char>(key.back()) | 0x20u;
    return (key.size() * 7 + first * 3 + last) & 63u;
}

std::uint64_t KeyMark(std::string_view key) {
    return std::uint64_t{1} << KeyBit(key);
}

std::string CleanLine(std::string_view text) {
    std::string line = ToValidUtf8(text);
    std::replace_if(line.begin(), line.end(), IsBreaking, ' ');
    return line;
}

} // namespace

TMegaIni TMegaIni::Parse(std::string text) {
    TMegaIni ini;
    ini.source_ = std::make_unique<const std::string>(std::move(text));
    // None before the first section and inside repeated ones: the first counts.
    constexpr std::size_t kNone = SIZE_MAX;
    std::size_t current = kNone;
    // The section being read collects its entries here, in room left over
    // from the sections before; once complete a section of the usual few keys
    // keeps an exact copy, so it costs one allocation however its entries
    // arrived. A large one keeps the room it grew.
    std::vector<Entry> collecting;
    const auto complete = [&] {
        if (current == kNone)
            return;
        std::vector<Entry>& entries = ini.sections_[current].entries;
        if (entries.size() <= kIndexedEntries) {
            std::vector<Entry> exact(entries.begin(), entries.end());
            exact.swap(entries);
            collecting = std::move(exact);
            collecting.clear();
        }
        current = kNone;
    };
    ScanLines(
        *ini.source_,
        [&](std::string_view name) {
            complete();
            if (ini.index_.try_emplace(name, ini.sections_.size()).second) {
                current = ini.sections_.size();
                ini.sections_.push_back({name, std::move(collecting), {}, 0});
                collecting.clear(); // moved from: empty, but nothing promises so
            }
            return true;
        },
        [&](std::string_view key, std::string_view value) {
            if (current != kNone) {
                AppendNewEntry(ini.sections_[current], key, value);
            }
            return true;
        });
    complete();
    return ini;
}

Result<TMegaIni> TMegaIni::Load(const std::filesystem::path& path) {
    try {
        auto bytes = ReadWholeFile(path);
        if (!bytes)
            return bytes.error();
        return Parse(DecodeTextFile(std::move(*bytes)));
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(path);
    }
}

std::string_view TMegaIni::Store(std::string_view text) {
    if (text.empty())
        return {};
    if (blocks_.empty() || blockSize_ - blockUsed_ < text.size()) {
        blockSize_ = std::max(kBlockBytes, text.size());
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_;
    std::memcpy(at, text.data(), text.size());
    blockUsed_ += text.size();
    return {at, text.size()};
}

std::optional<std::size_t> TMegaIni::FindSectionPosition(std::string_view name) const {
    const auto it = index_.find(name);
    if (it == index_.end())
        return std::nullopt;
    return it->second;
}

std::string_view TMegaIni::StoreKey(std::string_view key) {
    std::string_view& stored = storedKeys_[KeyBit(key)];
    if (stored != key)
        stored = Store(key);
    return stored;
}

void TMegaIni::Reserve(std::size_t sections) {
    sections_.reserve(sections);
    index_.reserve(sections);
}

const TMegaIni::Section* TMegaIni::FindSection(std::string_view name) const {
    const auto at = FindSectionPosition(name);
    return at ? &sections_[*at] : nullptr;
}

std::optional<std::size_t> TMegaIni::SectionPosition(std::string_view name, std::size_t guess) const {
    // Names are unique in sections_: a match at the guess is the section.
    if (guess < sections_.size() && SameIniName(sections_[guess].name, name))
        return guess;
    return FindSectionPosition(name);
}

TMegaIni::Section& TMegaIni::SectionFor(std::string_view name) {
    if (lastWritten_ < sections_.size() && sections_[lastWritten_].name == name)
        return sections_[lastWritten_];
    if (const auto at = FindSectionPosition(name)) {
        lastWritten_ = *at;
        return sections_[*at];
    }
    const std::string_view stored = Store(name);
    lastWritten_ = sections_.size();
    index_.emplace(stored, sections_.size());
    sections_.push_back({stored, {}, {}, 0});
    sections_.back().entries.reserve(8); // most sections hold six to eight keys
    return sections_.back();
}

const TMegaIni::Entry* TMegaIni::FindEntry(const Section& section, std::string_view key) {
    if ((section.keyMarks & KeyMark(key)) == 0)
        return nullptr;
    if (section.entries.size() < kIndexedEntries) {
        for (const Entry& entry : section.entries)
            if (SameIniName(entry.key, key))
                return &entry;
        return nullptr;
    }
    const auto at = section.keys.Find(IniNameHash{}(key), [&](std::uint32_t position) {
        return SameIniName(section.entries[position].key, key);
    });
    return at ? &section.entries[*at] : nullptr;
}

std::optional<std::size_t> TMegaIni::EntryPosition(const Section& section, std::string_view key,
                                                   std::size_t guess) {
    // Keys are unique in a section: a match at the guess is the entry.
    if (guess < section.entries.size() && SameIniName(section.entries[guess].key, key))
        return guess;
    const Entry* found = FindEntry(section, key);
    if (found == nullptr)
        return std::nullopt;
    return static_cast<std::size_t>(found - section.entries.data());
}

void TMegaIni::AppendEntry(Section& section, std::string_view key, std::string_view value) {
    section.entries.push_back({key, value});
    section.keyMarks |= KeyMark(key);
    const std::size_t count = section.entries.size();
    if (count < kIndexedEntries)
        return;
    // The callers have made sure the key is new: every entry is filed.
    auto file = [&](std::size_t position) {
        section.keys.Insert(IniNameHash{}(section.entries[position].key),
                            static_cast<std::uint32_t>(position), [](std::uint32_t) { return false; });
    };
    if (count == kIndexedEntries)
        for (std::size_t position = 0; position + 1 < count; ++position)
            file(position);
    file(count - 1);
}

void TMegaIni::AppendNewEntry(Section& section, std::string_view key, std::string_view value) {
    const std::size_t count = section.entries.size();
    if (count + 1 <= kIndexedEntries) {
        if (FindEntry(section, key) == nullptr)
            AppendEntry(section, key, value);
        return;
    }
    // One probe of the index both looks for the key and files it, where looking
    // first and filing after took two: in a section of a hundred thousand keys
    // the probes are most of the reading.
    const auto position = static_cast<std::uint32_t>(count);
    const std::uint32_t filed = section.keys.Insert(IniNameHash{}(key), position, [&](std::uint32_t at) {
        return SameIniName(section.entries[at].key, key);
    });
    if (filed != position)
        return; // the first one in the file counts
    section.entries.push_back({key, value});
    section.keyMarks |= KeyMark(key);
}

std::optional<std::string_view> TMegaIni::ValueIn(const Section* section, std::string_view key) {
    if (section == nullptr)
        return std::nullopt;
    const Entry* e = FindEntry(*section, key);
    if (e == nullptr)
        return std::nullopt;
    return e->value;
}

bool TMegaIni::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TMegaIni::HasKey(std::string_view section, std::string_view key) const {
    return Value(section, key).has_value();
}

std::optional<std::string_view> TMegaIni::Value(std::string_view section, std::string_view key) const {
    return ValueIn(FindSection(section), key);
}

std::string TMegaIni::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    const auto v = Value(section, key);
    return std::string(v ? *v : def);
}

std::int32_t TMegaIni::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    const auto v = Value(section, key);
    if (!v)
        return def;
    return ParseIniInt(*v).value_or(def);
}

void TMegaIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // Writers fill one section after the other: a name equal to the last
    // section's as stored is known to be trimmed and on one line.
    const bool sameSection = lastWritten_ < sections_.size() && sections_[lastWritten_].name == section;
    if ((!sameSection && NeedsCleaning(section)) || NeedsCleaning(key) || NeedsCleaning(value)) {
        WriteString(CleanLine(section), CleanLine(key), CleanLine(value));
        return;
    }
    Section& s = sameSection ? sections_[lastWritten_] : SectionFor(TrimIni(section));
    if (const Entry* found = FindEntry(s, key)) {
        Entry& entry = s.entries[static_cast<std::size_t>(found - s.entries.data())];
        if (entry.value != value)
            entry.value = Store(value);
        return;
    }
    const std::string_view storedKey = StoreKey(key);
    AppendEntry(s, storedKey, Store(value));
}

void TMegaIni::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    WriteString(section, key, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

std::string TMegaIni::Serialize() const {
    std::size_t size = 0;
    for (const Section& s : sections_) {
        size += s.name.size() + 4;
        for (const Entry& e : s.entries)
            size += e.key.size() + e.value.size() + 2;
    }
    // Sized once and filled in place: a saved game is some eighty thousand
    // short pieces.
    std::string out(size, '\0');
    char* at = out.data();
    const auto put = [&](std::string_view piece) {
        if (piece.empty())
            return; // an empty view may point nowhere
        std::memcpy(at, piece.data(), piece.size());
        at += piece.size();
    };
    for (const Section& s : sections_) {
        *at++ = '[';
        put(s.name);
        *at++ = ']';
        *at++ = '\n';
        for (const Entry& e : s.entries) {
            put(e.key);
            *at++ = '=';
            put(e.value);
            *at++ = '\n';
        }
        *at++ = '\n';
    }
    return out;
}

Status TMegaIni::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Serialize());
}

} // namespace veltrane
