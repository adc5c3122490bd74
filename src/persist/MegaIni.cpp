#include "MegaIni.h"

#include "FileIo.h"
#include "TextEncoding.h"

namespace veltrane {
namespace {

// Splits text into lines at "\n"; a "\r" before it goes with the trim.
template <typename Fn> void ForEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        fn(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string OneLine(std::string_view value) {
    std::string line(value);
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    return line;
}

} // namespace

TMegaIni TMegaIni::Parse(std::string_view text) {
    TMegaIni ini;
    Section* current = nullptr;
    bool skipping = false; // inside a repeated section: the first one counts
    ForEachLine(text, [&](std::string_view raw) {
        const std::string_view line = TrimIni(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (line.front() == '[' && line.back() == ']') {
            const std::string_view name = TrimIni(line.substr(1, line.size() - 2));
            if (ini.index_.find(name) != ini.index_.end()) {
                skipping = true;
                current = nullptr;
                return;
            }
            skipping = false;
            current = &ini.SectionFor(name);
            return;
        }
        if (skipping || current == nullptr)
            return;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return;
        const std::string_view key = TrimIni(line.substr(0, eq));
        if (key.empty() || FindEntry(*current, key) != nullptr)
            return;
        current->entries.push_back({std::string(key), std::string(TrimIni(line.substr(eq + 1)))});
    });
    return ini;
}

Result<TMegaIni> TMegaIni::Load(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.error();
    return Parse(DecodeTextFile(std::move(*bytes)));
}

const TMegaIni::Section* TMegaIni::FindSection(std::string_view name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &sections_[it->second];
}

TMegaIni::Section& TMegaIni::SectionFor(std::string_view name) {
    const auto it = index_.find(name);
    if (it != index_.end())
        return sections_[it->second];
    index_.emplace(std::string(name), sections_.size());
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

const TMegaIni::Entry* TMegaIni::FindEntry(const Section& section, std::string_view key) {
    // Sections hold a handful of keys: a straight search beats any index.
    for (const Entry& entry : section.entries)
        if (SameIniName(entry.key, key))
            return &entry;
    return nullptr;
}

bool TMegaIni::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TMegaIni::HasKey(std::string_view section, std::string_view key) const {
    return Value(section, key).has_value();
}

std::optional<std::string_view> TMegaIni::Value(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (s == nullptr)
        return std::nullopt;
    const Entry* e = FindEntry(*s, key);
    if (e == nullptr)
        return std::nullopt;
    return std::string_view(e->value);
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
    Section& s = SectionFor(TrimIni(OneLine(section)));
    for (Entry& entry : s.entries) {
        if (SameIniName(entry.key, key)) {
            entry.value = OneLine(value);
            return;
        }
    }
    s.entries.push_back({OneLine(key), OneLine(value)});
}

void TMegaIni::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
    WriteString(section, key, std::to_string(value));
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
