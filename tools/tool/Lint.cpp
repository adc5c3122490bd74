// veltrane-tool lint SCRIPT [--reference REF]
//
// Checks a language script against the text catalogue and a reference script
// (by default the English script shipped beside the program). Reports
// "FILE:LINE: error|warning: message"; exits 1 when there are errors, 0 when
// there are none, 2 on a usage mistake.

#include "Lint.h"

#include "core/MediaPaths.h"
#include "lang/ContentLoader.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"
#include "persist/FileIo.h"
#include "persist/ProfileFile.h"
#include "persist/QuotedText.h"
#include "persist/TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace veltrane;

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct TEntry {
    std::string Key;
    std::string Value;
    int Line = 0;
};

struct TSection {
    std::string Name;
    int Line = 0;
    std::map<std::string, TEntry> Entries; // by lower-case key, first occurrence
    std::vector<std::string> Order;        // lower-case keys in file order
};

class TReport {
  public:
    explicit TReport(std::string file) : file_(std::move(file)) {}
    void Error(int line, const std::string& what) {
        Say(line, "error", what);
        ++errors_;
    }
    void Warning(int line, const std::string& what) {
        Say(line, "warning", what);
        ++warnings_;
    }
    int Errors() const { return errors_; }
    int Warnings() const { return warnings_; }

  private:
    void Say(int line, const char* kind, const std::string& what) {
        std::cout << file_ << ':' << (line > 0 ? line : 1) << ": " << kind << ": " << what << '\n';
    }
    std::string file_;
    int errors_ = 0;
    int warnings_ = 0;
};

// A script read the way the game reads it: first section and first key win.
struct TScript {
    std::map<std::string, TSection> Sections; // by lower-case name
    std::vector<std::string> Order;
    int Lines = 0;

    const TEntry* Find(std::string_view section, std::string_view key) const {
        auto s = Sections.find(Lower(section));
        if (s == Sections.end())
            return nullptr;
        auto e = s->second.Entries.find(Lower(key));
        return e == s->second.Entries.end() ? nullptr : &e->second;
    }
    int SectionLine(std::string_view section) const {
        auto s = Sections.find(Lower(section));
        return s == Sections.end() ? 1 : s->second.Line;
    }
};

// A section or key name from the script, as a message shows it.
std::string Shown(std::string_view name) {
    const std::string quoted = QuotedText(name);
    return quoted.substr(1, quoted.size() - 2);
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Reads `path` through the game's own reader, reporting malformed lines and
// duplicates to `report` when given; what cannot be read gives the reason.
Result<TScript> ReadScript(const std::string& path, TReport* report) {
    std::optional<TProfileFile> profile;
    bool markedButNotUtf8 = false;
    try {
        auto bytes = ReadWholeFile(path);
        if (!bytes)
            return bytes.error();
        markedButNotUtf8 =
            bytes->starts_with(kUtf8Bom) && !IsValidUtf8(std::string_view(*bytes).substr(kUtf8Bom.size()));
        profile = TProfileFile::Decode(std::move(*bytes));
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(path);
    } catch (const std::length_error&) {
        return OutOfMemoryReading(path);
    }
    if (markedButNotUtf8 && report)
        report->Warning(1,
                        "the file starts with a UTF-8 byte-order mark but is not UTF-8; the game reads it as "
                        "Windows-1252, the mark as text");

    TScript script;
    TSection* current = nullptr;
    bool anySection = false;
    profile->ForEachLine([&](const TProfileFile::Line& line) {
        using Kind = TProfileFile::Line::Kind;
        script.Lines = line.number;
        switch (line.kind) {
        case Kind::Ignored:
            return;
        case Kind::Other:
            if (report)
                report->Warning(line.number,
                                "not a section, an entry or a comment; the game ignores this line");
            return;
        case Kind::Section: {
            anySection = true;
            const std::string name(line.name);
            if (line.counts) {
                auto [it, fresh] =
                    script.Sections.try_emplace(Lower(name), TSection{name, line.number, {}, {}});
                if (fresh)
                    script.Order.push_back(Lower(name));
                current = &it->second;
                return;
            }
            current = nullptr; // the game reads nothing of a repeated section
            if (report)
                report->Error(line.number, "section [" + Shown(name) + "] appears again (first at line " +
                                               std::to_string(script.SectionLine(name)) +
                                               "); keep one section, the game reads only the first");
            return;
        }
        case Kind::Entry:
            break;
        }
        const std::string key(line.name);
        if (!anySection) {
            if (report)
                report->Warning(line.number, "entry before the first section; the game never reads it");
            return;
        }
        if (current == nullptr)
            return; // inside a repeated section, reported at its header
        if (!line.counts) {
            if (report) {
                const TEntry* first = script.Find(current->Name, key);
                report->Error(line.number, "duplicate key " + QuotedText(key) + " in [" +
                                               Shown(current->Name) + "] (first at line " +
                                               std::to_string(first ? first->Line : 0) +
                                               "); the game uses only the first");
            }
            return;
        }
        const std::size_t length = CharacterCount(line.value);
        if (length > kProfileValueLimit && report)
            report->Warning(line.number, "value of " + QuotedText(key) + " is " + std::to_string(length) +
                                             " characters long; the game reads only the first " +
                                             std::to_string(kProfileValueLimit));
        auto [it, fresh] = current->Entries.try_emplace(
            Lower(key), TEntry{key, std::string(Utf8Prefix(line.value, kProfileValueLimit)), line.number});
        if (fresh)
            current->Order.push_back(Lower(key));
    });
    return script;
}

// Distinct sample arguments, so a text that drops one of them can be told.
std::vector<FormatArg> Samples(const TArgList& args, std::vector<std::string>& shown) {
    std::vector<FormatArg> out;
    for (int i = 0; i < args.size(); ++i) {
        switch (args[i]) {
        case TArgKind::Int:
            out.emplace_back(std::int64_t{7340001 + i});
            shown.push_back(std::to_string(7340001 + i));
            break;
        case TArgKind::Real:
            out.emplace_back(1.25 + i);
            shown.push_back("");
            break;
        case TArgKind::Str:
            out.emplace_back("\x01" + std::to_string(i) + "\x01");
            shown.push_back("\x01" + std::to_string(i) + "\x01");
            break;
        }
    }
    return out;
}

void CheckPlaceholders(TReport& report, const std::string& where, const TEntry& entry, const TArgList& args) {
    std::vector<std::string> shown;
    auto r = Format(entry.Value, Samples(args, shown));
    if (!r) {
        report.Error(entry.Line, where + ": " + r.error().message + " (the game formats it with " +
                                     args.Describe() + ")");
        return;
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!shown[i].empty() && r->find(shown[i]) == std::string::npos)
            report.Warning(entry.Line, where + ": argument " + std::to_string(i + 1) + " of " +
                                           args.Describe() + " is never shown");
}

void CheckClassValue(TReport& report, const std::string& where, const TEntry& entry) {
    const std::string& v = entry.Value;
    TClassValue c = ParseClassValue(v);
    bool wellFormed = v.size() >= 3 && std::isdigit(static_cast<unsigned char>(v[0])) && v[1] == '|';
    if (!wellFormed)
        report.Warning(entry.Line, where + ": " + QuotedText(v) +
                                       " is not \"digit|name\"; it reads as class " + std::to_string(c.Kind) +
                                       " named " + QuotedText(c.Name));
    else if (c.Kind > 2)
        report.Warning(entry.Line, where + ": class " + std::to_string(c.Kind) +
                                       " has no meaning in the game (0, 1 and 2 do)");
}

bool IsFormSection(std::string_view lowerName) {
    return lowerName == "formmain" || lowerName == "formoptions" || lowerName == "formnavigator";
}

int CountParts(std::string_view value) {
    return static_cast<int>(std::count(value.begin(), value.end(), ',')) + 1;
}

// "[Section] Key", quoted as the lint shows file content. Built piece by piece:
// GCC 12 warns falsely about overlapping copies in a chain of string sums.
std::string Where(const std::string& section, const std::string& key) {
    std::string where = "[";
    where += Shown(section);
    where += "] ";
    where += Shown(key);
    return where;
}

void CheckForm(TReport& report, const TSection& section) {
    for (const std::string& lowerKey : section.Order) {
        const TEntry& e = section.Entries.at(lowerKey);
        const std::string where = Where(section.Name, e.Key);
        if (lowerKey == "caption")
            continue;
        auto dot = e.Key.find('.');
        if (dot == std::string::npos) {
            report.Warning(e.Line, where + ": not \"Control.Property\"; the window ignores it");
            continue;
        }
        const std::string control = e.Key.substr(0, dot);
        const std::string prop = Lower(e.Key.substr(dot + 1));
        const TControlText* c = FindControl(section.Name, control);
        if (!c) {
            report.Warning(e.Line, where + ": " + Shown(section.Name) + " has no translatable control " +
                                       QuotedText(control));
            continue;
        }
        TControlProp p;
        if (prop == "caption")
            p = kPropCaption;
        else if (prop == "hint")
            p = kPropHint;
        else if (prop == "items")
            p = kPropItems;
        else if (prop == "lines")
            p = kPropLines;
        else if (prop == "columns.captions")
            p = kPropColumns;
        else {
            report.Warning(e.Line, where + ": unknown property \"" + e.Key.substr(dot + 1) +
                                       "\" (Caption, Hint, Items, Lines, Columns.Captions)");
            continue;
        }
        if (!c->Carries(p)) {
            report.Warning(e.Line, where + ": " + control + " has no such property; the window ignores it");
            continue;
        }
        if (e.Value.empty())
            continue; // an empty value leaves the design text
        if (p == kPropCaption && !c->CaptionArgs.empty())
            CheckPlaceholders(report, where, e, c->CaptionArgs);
        if (p == kPropItems || p == kPropColumns) {
            const int have = CountParts(e.Value);
            const int need = c->PartCount();
            const char* what = p == kPropItems ? "items" : "columns";
            if (have < need)
                report.Error(e.Line, where + ": " + std::to_string(have) + " part(s) for " +
                                         std::to_string(need) + " " + what +
                                         "; the translation stops here with \"Error in "
                                         "Translation script!\"");
            else if (have > need)
                report.Warning(e.Line, where + ": " + std::to_string(have) + " parts for " +
                                           std::to_string(need) + " " + what + "; the surplus is ignored");
        }
    }
}

void CheckCatalogue(TReport& report, const TScript& script, std::set<std::string>& known) {
    std::set<std::string> missingReported;
    for (const TText& t : AllTexts()) {
        const std::string id = Lower(t.Section) + '\n' + Lower(t.Key);
        known.insert(id);
        const TEntry* e = script.Find(t.Section, t.Key);
        const std::string where = "[" + t.Section + "] " + t.Key;
        if (!e) {
            if (missingReported.insert(id).second)
                report.Error(script.SectionLine(t.Section),
                             "missing " + where + " (the game shows \"" + t.Default + "\")");
            continue;
        }
        if (!t.Args.empty())
            CheckPlaceholders(report, where, *e, t.Args);
        if (t.Syntax == TValueSyntax::ClassValue)
            CheckClassValue(report, where, *e);
    }
}

void CheckAgainstReference(TReport& report, const TScript& script, const TScript& reference,
                           const std::string& refPath, const std::set<std::string>& known) {
    for (const std::string& lowerSection : reference.Order) {
        const TSection& rs = reference.Sections.at(lowerSection);
        for (const std::string& lowerKey : rs.Order) {
            const TEntry& re = rs.Entries.at(lowerKey);
            if (known.count(lowerSection + '\n' + lowerKey))
                continue; // already reported against the catalogue
            if (!script.Find(rs.Name, re.Key))
                report.Warning(script.SectionLine(rs.Name), "missing [" + Shown(rs.Name) + "] " +
                                                                Shown(re.Key) + ", which " + refPath + ":" +
                                                                std::to_string(re.Line) + " has");
        }
    }
}

// Keys of sections the game reads that neither the catalogue nor the reference knows: likely typos.
void CheckUnknownKeys(TReport& report, const TScript& script, const TScript* reference,
                      const std::set<std::string>& known) {
    std::set<std::string> catalogueSections;
    for (const std::string& id : known)
        catalogueSections.insert(id.substr(0, id.find('\n')));
    for (const std::string& lowerSection : script.Order) {
        const TSection& s = script.Sections.at(lowerSection);
        if (IsFormSection(lowerSection))
            continue;
        const bool inReference = reference && reference->Sections.count(lowerSection);
        if (!catalogueSections.count(lowerSection)) {
            if (!inReference)
                report.Warning(s.Line, "section [" + Shown(s.Name) + "] is not read by the game");
            continue;
        }
        for (const std::string& lowerKey : s.Order) {
            if (known.count(lowerSection + '\n' + lowerKey))
                continue;
            if (reference && reference->Find(s.Name, lowerKey))
                continue;
            const TEntry& e = s.Entries.at(lowerKey);
            report.Warning(e.Line, Where(s.Name, e.Key) + " is not read by the game");
        }
    }
}

std::string DefaultReference() {
    if (auto p = ResolveMedia("LScripts/English.lng"))
        return p->string();
    return ProgramFolder() + "LScripts/English.lng";
}

int Usage(const std::string& why) {
    std::cerr << "lint: " << why << "\nusage: veltrane-tool lint SCRIPT [--reference REF]\n";
    return 2;
}

} // namespace

int RunLint(int argc, char** argv) {
    // argv[0] may be the program and argv[1] "lint", or argv[0] "lint" itself.
    int first = 1;
    if (argc >= 2 && std::string_view(argv[1]) == "lint" && std::string_view(argv[0]) != "lint")
        first = 2;
    std::string scriptPath;
    std::optional<std::string> refPath;
    for (int i = first; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--reference") {
            if (i + 1 >= argc)
                return Usage("--reference needs a file");
            refPath = argv[++i];
        } else if (a.rfind("--reference=", 0) == 0) {
            refPath = std::string(a.substr(12));
        } else if (a == "-h" || a == "--help") {
            return Usage("checks a language script");
        } else if (!a.empty() && a[0] == '-') {
            return Usage("unknown option " + std::string(a));
        } else if (scriptPath.empty()) {
            scriptPath = std::string(a);
        } else {
            return Usage("one script at a time");
        }
    }
    if (scriptPath.empty())
        return Usage("no script given");

    TReport report(scriptPath);
    auto script = ReadScript(scriptPath, &report);
    if (!script) {
        report.Error(1, "cannot read the script: " + script.error().message);
        return 1;
    }

    std::set<std::string> known;
    CheckCatalogue(report, *script, known);
    for (const std::string& lowerSection : script->Order)
        if (IsFormSection(lowerSection))
            CheckForm(report, script->Sections.at(lowerSection));

    const bool explicitRef = refPath.has_value();
    const std::string ref = explicitRef ? *refPath : DefaultReference();
    std::optional<TScript> reference;
    std::error_code ec;
    const bool sameFile = std::filesystem::equivalent(ref, scriptPath, ec);
    if (!sameFile) {
        if (auto read = ReadScript(ref, nullptr))
            reference = std::move(*read);
        if (!reference) {
            if (explicitRef) {
                std::cerr << "lint: cannot read the reference " << ref << "\n";
                return 2;
            }
            std::cerr << "lint: no reference script at " << ref << "; only the catalogue is checked\n";
        } else {
            CheckAgainstReference(report, *script, *reference, ref, known);
        }
    }
    CheckUnknownKeys(report, *script, reference ? &*reference : nullptr, known);

    std::cerr << scriptPath << ": " << report.Errors() << " error(s), " << report.Warnings()
              << " warning(s)\n";
    return report.Errors() > 0 ? 1 : 0;
}
