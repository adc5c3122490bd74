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
// Sections hold six to eight keys: up to this many a straight search beats any
// index, beyond it only a damaged or hostile file would go.
constexpr std::size_t kIndexedEntries = 16;

bool HasLineBreak(std::string_view text) {
    for (char c : text)
        if (c == '\n' || c == '\r')
            return true;
    return false;
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

} // namespace

TMegaIni TMegaIni::Parse(std::string text) {
    TMegaIni ini;
    ini.source_ = std::make_unique<const std::string>(std::move(text));
    Section* current = nullptr; // none before the first section and inside repeated ones: the first counts
    ScanLines(
        *ini.source_,
        [&](std::string_view name) {
            current = nullptr;
            if (ini.index_.find(name) != ini.index_.end())
                return true;
            ini.index_.emplace(name, ini.sections_.size());
            ini.sections_.push_back({name, {}, {}});
            current = &ini.sections_.back();
            return true;
        },
        [&](std::string_view key, std::string_view value) {
            if (current != nullptr && FindEntry(*current, key) == nullptr)
                AppendEntry(*current, key, value);
            return true;
        });
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
        blocks_.push_back(std::make_unique<char[]>(blockSize_));
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_;
    std::memcpy(at, text.data(), text.size());
    blockUsed_ += text.size();
    return {at, text.size()};
}

const TMegaIni::Section* TMegaIni::FindSection(std::string_view name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &sections_[it->second];
}

TMegaIni::Section& TMegaIni::SectionFor(std::string_view name) {
    if (lastWritten_ < sections_.size() && sections_[lastWritten_].name == name)
        return sections_[lastWritten_];
    const auto it = index_.find(name);
    if (it != index_.end()) {
        lastWritten_ = it->second;
        return sections_[it->second];
    }
    const std::string_view stored = Store(name);
    lastWritten_ = sections_.size();
    index_.emplace(stored, sections_.size());
    sections_.push_back({stored, {}, {}});
    sections_.back().entries.reserve(8); // most sections hold six to eight keys
    return sections_.back();
}

const TMegaIni::Entry* TMegaIni::FindEntry(const Section& section, std::string_view key) {
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

void TMegaIni::AppendEntry(Section& section, std::string_view key, std::string_view value) {
    section.entries.push_back({key, value});
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
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        WriteString(OneLine(section), OneLine(key), OneLine(value));
        return;
    }
    Section& s = SectionFor(TrimIni(section));
    if (const Entry* found = FindEntry(s, key)) {
        Entry& entry = s.entries[static_cast<std::size_t>(found - s.entries.data())];
        if (entry.value != value)
            entry.value = Store(value);
        return;
    }
    const std::string_view storedKey = Store(key);
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
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\n";
        for (const Entry& e : s.entries) {
            out += e.key;
            out += '=';
            out += e.value;
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

Status TMegaIni::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Serialize());
}

} // namespace veltrane
