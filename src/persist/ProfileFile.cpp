#include "ProfileFile.h"

#include "FileIo.h"
#include "IniSyntax.h"
#include "TextEncoding.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace veltrane {
namespace {

enum class LineKind { Ignored, Other, Section, Entry };

struct LineShape {
    LineKind kind = LineKind::Other;
    std::string_view name; // the section name or the key, within the line
};

LineShape ShapeOf(std::string_view line) {
    const std::string_view trimmed = TrimIni(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return {LineKind::Ignored, {}};
    // Whatever follows the closing bracket, a comment too, does not matter.
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close == std::string_view::npos)
            return {};
        return {LineKind::Section, TrimIni(trimmed.substr(1, close - 1))};
    }
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return {};
    const std::string_view key = TrimIni(trimmed.substr(0, eq));
    if (key.empty())
        return {};
    return {LineKind::Entry, key};
}

// Keys are filed by section and name together.
std::size_t EntryHash(std::uint32_t section, std::string_view key) {
    return IniNameHash{}(key) ^ (static_cast<std::size_t>(section) * 0x9E3779B97F4A7C15ull);
}

// Calls fn(line, start, end, next) for every line: the line without its line
// break and one carriage return, its start and end, and where the next line
// starts. A last line without a line break counts; nothing after a last line
// break does.
template <typename Fn> void EachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        const bool cr = end > start && text[end - 1] == '\r';
        fn(text.substr(start, end - start - (cr ? 1 : 0)), start, end - (cr ? 1 : 0), next, cr);
        start = next;
    }
}

// The first byte at or after `at` that is not a line break: runs of empty
// lines are passed eight bytes at a time.
std::size_t SkipLineBreaks(std::string_view text, std::size_t at) {
    constexpr std::uint64_t kEightBreaks = 0x0A0A0A0A0A0A0A0Aull;
    while (text.size() - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, 8);
        if (word != kEightBreaks)
            break;
        at += 8;
    }
    while (at < text.size() && text[at] == '\n')
        ++at;
    return at;
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\n' || c == '\r')
            c = ' ';
    return line;
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

TProfileFile TProfileFile::Parse(std::string text) {
    if (text.size() >= UINT32_MAX)
        throw std::length_error("profile text beyond 32-bit offsets");
    TProfileFile file;
    file.text_ = std::move(text);
    file.Reindex();
    return file;
}

TProfileFile TProfileFile::Decode(std::string bytes) {
    return Parse(DecodeTextFile(std::move(bytes)));
}

Result<TProfileFile> TProfileFile::Open(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return TProfileFile{};
    return Load(path);
}

Result<TProfileFile> TProfileFile::Load(const std::filesystem::path& path) {
    try {
        auto bytes = ReadWholeFile(path);
        if (!bytes)
            return bytes.error();
        return Decode(std::move(*bytes));
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(path);
    } catch (const std::length_error&) {
        return OutOfMemoryReading(path);
    }
}

std::string_view TProfileFile::At(std::uint32_t start, std::uint32_t length) const {
    return std::string_view(text_).substr(start, length);
}

void TProfileFile::Reindex() {
    sections_.clear();
    entries_.clear();
    sectionIndex_.Clear();
    entryIndex_.Clear();
    crlf_ = false;
    const auto offset = [&](std::string_view part) {
        return static_cast<std::uint32_t>(part.data() - text_.data());
    };
    // None before the first section and inside repeated ones.
    constexpr std::uint32_t kNone = UINT32_MAX;
    std::uint32_t current = kNone;
    const auto note = [&](std::string_view line, std::size_t start, std::size_t end, std::size_t next) {
        const LineShape shape = ShapeOf(line);
        if (shape.kind == LineKind::Section) {
            const auto candidate = static_cast<std::uint32_t>(sections_.size());
            const std::uint32_t filed =
                sectionIndex_.Insert(IniNameHash{}(shape.name), candidate, [&](std::uint32_t s) {
                    return SameIniName(At(sections_[s].nameStart, sections_[s].nameLength), shape.name);
                });
            current = kNone;
            if (filed == candidate) {
                sections_.push_back({offset(shape.name), static_cast<std::uint32_t>(shape.name.size()),
                                     static_cast<std::uint32_t>(next)});
                current = candidate;
            }
        } else if (shape.kind == LineKind::Entry && current != kNone) {
            // Every entry line of the section's first occurrence moves the
            // place where a new key goes, repeated keys too.
            sections_[current].insertAt = static_cast<std::uint32_t>(next);
            const auto candidate = static_cast<std::uint32_t>(entries_.size());
            const std::uint32_t filed =
                entryIndex_.Insert(EntryHash(current, shape.name), candidate, [&](std::uint32_t e) {
                    return entries_[e].section == current &&
                           SameIniName(At(entries_[e].keyStart, entries_[e].keyLength), shape.name);
                });
            if (filed == candidate)
                entries_.push_back({current, offset(shape.name),
                                    static_cast<std::uint32_t>(shape.name.size()),
                                    static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end)});
        }
    };

    // Blank lines and comments change nothing but the line-end style, and a
    // hostile script may be millions of them: they are passed over without
    // being cut into lines first.
    const std::string_view text = text_;
    const std::size_t size = text.size();
    std::size_t at = 0;
    while (at < size) {
        at = SkipLineBreaks(text, at);
        if (at == size)
            break;
        const std::size_t start = at;
        while (at < size && IsIniBlank(text[at]))
            ++at;
        if (at == size || text[at] == '\n') {
            crlf_ = crlf_ || (at > start && text[at - 1] == '\r');
            at = at == size ? size : at + 1;
            continue;
        }
        std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? size : end + 1;
        if (end == std::string_view::npos)
            end = size;
        const bool cr = text[end - 1] == '\r';
        crlf_ = crlf_ || cr;
        if (text[at] != ';')
            note(text.substr(start, end - start - (cr ? 1 : 0)), start, end - (cr ? 1 : 0), next);
        at = next;
    }
}

std::optional<std::uint32_t> TProfileFile::FindSection(std::string_view name) const {
    return sectionIndex_.Find(IniNameHash{}(name), [&](std::uint32_t s) {
        return SameIniName(At(sections_[s].nameStart, sections_[s].nameLength), name);
    });
}

const TProfileFile::EntrySpot* TProfileFile::FindEntry(std::string_view section, std::string_view key) const {
    const auto s = FindSection(section);
    if (!s)
        return nullptr;
    const auto e = entryIndex_.Find(EntryHash(*s, key), [&](std::uint32_t candidate) {
        return entries_[candidate].section == *s &&
               SameIniName(At(entries_[candidate].keyStart, entries_[candidate].keyLength), key);
    });
    return e ? &entries_[*e] : nullptr;
}

std::optional<std::string> TProfileFile::Read(std::string_view section, std::string_view key) const {
    const EntrySpot* entry = FindEntry(section, key);
    if (entry == nullptr)
        return std::nullopt;
    const std::string_view line = At(entry->lineStart, entry->lineEnd - entry->lineStart);
    const std::string_view value = Unquoted(TrimIni(line.substr(line.find('=') + 1)));
    return std::string(Utf8Prefix(value, kProfileValueLimit));
}

std::string TProfileFile::ReadDef(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    auto v = Read(section, key);
    return v ? std::move(*v) : std::string(def);
}

void TProfileFile::InsertLine(std::size_t at, std::string_view line) {
    std::string inserted;
    if (at == text_.size() && !text_.empty() && text_.back() != '\n')
        inserted += '\n'; // the last line had no line break of its own
    inserted += line;
    inserted += '\n';
    text_.insert(at, inserted);
}

void TProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string name = std::string(TrimIni(OneLine(section)));
    const std::string k = std::string(TrimIni(OneLine(key)));
    const std::string line = k + "=" + OneLine(value);

    if (const EntrySpot* entry = FindEntry(name, k)) {
        text_.replace(entry->lineStart, entry->lineEnd - entry->lineStart, line);
    } else if (const auto s = FindSection(name)) {
        // After the section's last entry, so blank lines and comments between
        // sections stay where they are.
        InsertLine(sections_[*s].insertAt, line);
    } else {
        std::string_view rest = text_;
        if (!rest.empty() && rest.back() == '\n')
            rest.remove_suffix(1);
        const std::string_view lastLine = rest.substr(rest.rfind('\n') + 1);
        if (!text_.empty() && !TrimIni(lastLine).empty())
            InsertLine(text_.size(), "");
        InsertLine(text_.size(), "[" + name + "]");
        InsertLine(text_.size(), line);
    }
    Reindex();
}

void TProfileFile::ForEachLine(const std::function<void(const Line&)>& fn) const {
    // The section the following entries belong to, if the index counts it.
    const SectionSpot* current = nullptr;
    int number = 0;
    EachLine(text_, [&](std::string_view text, std::size_t start, std::size_t, std::size_t, bool) {
        Line line;
        line.number = ++number;
        const LineShape shape = ShapeOf(text);
        line.name = shape.name;
        switch (shape.kind) {
        case LineKind::Ignored:
            break;
        case LineKind::Other:
            line.kind = Line::Kind::Other;
            break;
        case LineKind::Section: {
            line.kind = Line::Kind::Section;
            // The index notes each section where it first occurs.
            current = nullptr;
            if (const auto found = FindSection(shape.name);
                found && sections_[*found].nameStart == shape.name.data() - text_.data())
                current = &sections_[*found];
            line.counts = current != nullptr;
            break;
        }
        case LineKind::Entry: {
            line.kind = Line::Kind::Entry;
            line.value = Unquoted(TrimIni(text.substr(text.find('=') + 1)));
            if (current) {
                const EntrySpot* entry = FindEntry(At(current->nameStart, current->nameLength), shape.name);
                line.counts = entry != nullptr && entry->lineStart == start;
            }
            break;
        }
        }
        fn(line);
    });
}

std::string TProfileFile::Serialize() const {
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    out.reserve(text_.size() + 2);
    EachLine(text_, [&](std::string_view line, std::size_t, std::size_t, std::size_t, bool) {
        out += line;
        out += eol;
    });
    return out;
}

Status TProfileFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Serialize());
}

} // namespace veltrane
