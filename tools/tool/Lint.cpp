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

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace veltrane;

namespace {

constexpr std::size_t kMaxValueLength = 2047;

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t";
    auto b = s.find_first_not_of(blanks);
    if (b == std::string_view::npos)
        return {};
    auto e = s.find_last_not_of(blanks);
    return s.substr(b, e - b + 1);
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

// Reads `path`, reporting malformed lines and duplicates to `report` when given.
std::optional<TScript> ReadScript(const std::string& path, TReport* report) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    TScript script;
    TSection* current = nullptr;
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (lineNo == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0)
            raw.erase(0, 3);
        std::string_view line = Trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string name(Trim(line.substr(1, line.size() - 2)));
            auto [it, fresh] = script.Sections.try_emplace(Lower(name), TSection{name, lineNo, {}, {}});
            if (fresh) {
                script.Order.push_back(Lower(name));
            } else if (report) {
                report->Error(lineNo, "section [" + name + "] appears again (first at line " +
                                          std::to_string(it->second.Line) +
                                          "); keep one section, the game reads only the first");
            }
            current = &it->second;
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string_view::npos || Trim(line.substr(0, eq)).empty()) {
            if (report)
                report->Warning(lineNo, "not a section, an entry or a comment; the game ignores this line");
            continue;
        }
        if (!current) {
            if (report)
                report->Warning(lineNo, "entry before the first section; the game never reads it");
            continue;
        }
        std::string key(Trim(line.substr(0, eq)));
        std::string value(Trim(line.substr(eq + 1)));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (value.size() > kMaxValueLength && report)
            report->Warning(lineNo, "value of \"" + key + "\" is " + std::to_string(value.size()) +
                                        " characters long; the game reads only the first " +
                                        std::to_string(kMaxValueLength));
        auto [it, fresh] = current->Entries.try_emplace(Lower(key), TEntry{key, value, lineNo});
        if (fresh) {
            current->Order.push_back(Lower(key));
        } else if (report) {
            report->Error(lineNo, "duplicate key \"" + key + "\" in [" + current->Name + "] (first at line " +
                                      std::to_string(it->second.Line) + "); the game uses only the first");
        }
    }
    script.Lines = lineNo;
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
        report.Warning(entry.Line, where + ": \"" + v + "\" is not \"digit|name\"; it reads as class " +
                                       std::to_string(c.Kind) + " named \"" + c.Name + "\"");
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

void CheckForm(TReport& report, const TSection& section) {
    for (const std::string& lowerKey : section.Order) {
        const TEntry& e = section.Entries.at(lowerKey);
        const std::string where = "[" + section.Name + "] " + e.Key;
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
            report.Warning(e.Line,
                           where + ": " + section.Name + " has no translatable control \"" + control + "\"");
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
                report.Warning(script.SectionLine(rs.Name), "missing [" + rs.Name + "] " + re.Key +
                                                                ", which " + refPath + ":" +
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
                report.Warning(s.Line, "section [" + s.Name + "] is not read by the game");
            continue;
        }
        for (const std::string& lowerKey : s.Order) {
            if (known.count(lowerSection + '\n' + lowerKey))
                continue;
            if (reference && reference->Find(s.Name, lowerKey))
                continue;
            const TEntry& e = s.Entries.at(lowerKey);
            report.Warning(e.Line, "[" + s.Name + "] " + e.Key + " is not read by the game");
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
        report.Error(1, "cannot read the script");
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
        reference = ReadScript(ref, nullptr);
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
