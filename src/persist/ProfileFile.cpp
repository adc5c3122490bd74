#include "ProfileFile.h"

#include "FileIo.h"
#include "IniSyntax.h"
#include "TextEncoding.h"

namespace veltrane {
namespace {

std::string EntryKey(std::string_view section, std::string_view key) {
    std::string folded = FoldIniName(section);
    folded += '\n';
    folded += FoldIniName(key);
    return folded;
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

TProfileFile::Line TProfileFile::Classify(std::string text) {
    Line line;
    line.text = std::move(text);
    const std::string_view trimmed = TrimIni(line.text);
    if (trimmed.empty() || trimmed.front() == ';')
        return line;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.opensSection = true;
            line.section = std::string(TrimIni(trimmed.substr(1, close - 1)));
        }
        return line;
    }
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return line;
    const std::string_view key = TrimIni(trimmed.substr(0, eq));
    if (key.empty())
        return line;
    line.isEntry = true;
    line.key = std::string(key);
    return line;
}

TProfileFile TProfileFile::Parse(std::string_view text) {
    TProfileFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
            file.crlf_ = true;
        }
        file.lines_.push_back(Classify(std::string(raw)));
        start = end + 1;
    }
    file.Reindex();
    return file;
}

Result<TProfileFile> TProfileFile::Open(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return TProfileFile{};
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.error();
    return Parse(DecodeTextFile(std::move(*bytes)));
}

void TProfileFile::Reindex() {
    entries_.clear();
    sections_.clear();
    std::string current;
    bool counting = false; // false before the first section and inside repeated ones
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.opensSection) {
            current = FoldIniName(line.section);
            counting = sections_.emplace(current, i).second;
        } else if (line.isEntry && counting) {
            entries_.emplace(EntryKey(current, line.key), i);
        }
    }
}

std::optional<std::string> TProfileFile::Read(std::string_view section, std::string_view key) const {
    const auto it = entries_.find(EntryKey(section, key));
    if (it == entries_.end())
        return std::nullopt;
    const std::string_view text = lines_[it->second].text;
    const std::string_view value = Unquoted(TrimIni(text.substr(text.find('=') + 1)));
    return std::string(Utf8Prefix(value, kProfileValueLimit));
}

std::string TProfileFile::ReadDef(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    auto v = Read(section, key);
    return v ? std::move(*v) : std::string(def);
}

void TProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string name = std::string(TrimIni(OneLine(section)));
    const std::string k = std::string(TrimIni(OneLine(key)));
    const std::string text = k + "=" + OneLine(value);

    if (const auto entry = entries_.find(EntryKey(name, k)); entry != entries_.end()) {
        lines_[entry->second] = Classify(text);
        return;
    }
    const auto opening = sections_.find(FoldIniName(name));
    if (opening == sections_.end()) {
        if (!lines_.empty() && !TrimIni(lines_.back().text).empty())
            lines_.push_back(Classify(""));
        lines_.push_back(Classify("[" + name + "]"));
        lines_.push_back(Classify(text));
    } else {
        // After the section's last entry, so blank lines and comments between
        // sections stay where they are.
        std::size_t after = opening->second;
        for (std::size_t i = opening->second + 1; i < lines_.size() && !lines_[i].opensSection; ++i)
            if (lines_[i].isEntry)
                after = i;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), Classify(text));
    }
    Reindex();
}

std::string TProfileFile::Serialize() const {
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    for (const Line& line : lines_) {
        out += line.text;
        out += eol;
    }
    return out;
}

Status TProfileFile::Save(const std::filesystem::path& path) const {
    return WriteFileAtomically(path, Serialize());
}

} // namespace veltrane
