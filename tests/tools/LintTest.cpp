// Runs the built veltrane-tool's lint on crafted scripts and on the shipped ones.

#include "lang/TextCatalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace veltrane;

namespace {

struct TRun {
    int Exit = -1;
    std::string Out; // stdout and stderr together
};

const std::string kTool = std::string(VELTRANE_PROGRAM_DIR) + "/veltrane-tool";

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

TRun Lint(const std::string& args) {
    TRun run;
    const std::string cmd = Quote(kTool) + " lint " + args + " 2>&1";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buf;
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe))
        run.Out.append(buf.data(), n);
    int status = pclose(pipe);
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Every catalogue text, with a value that fits its arguments, and the window
// sections with full part counts: the clean base that each test spoils once.
std::string CleanScript() {
    std::map<std::string, std::vector<std::string>> sections;
    std::set<std::string> seen;
    for (const TText& t : AllTexts()) {
        std::string id = t.Section + "|" + t.Key;
        std::string lower;
        for (char c : id)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!seen.insert(lower).second)
            continue;
        std::string value = t.Syntax == TValueSyntax::ClassValue ? "1|Average" : t.Default;
        if (!t.Args.empty() && value.find('%') == std::string::npos) {
            for (int i = 0; i < t.Args.size(); ++i)
                value += t.Args[i] == TArgKind::Int ? " %d" : " %s";
        }
        sections[t.Section].push_back(t.Key + "=" + value);
    }
    std::ostringstream out;
    out << "; a crafted script\n";
    for (const auto& [name, lines] : sections) {
        out << "[" << name << "]\n";
        for (const auto& l : lines)
            out << l << "\n";
    }
    out << "[FormOptions]\nCaption=Optionen\nrbxWindowType.Items=Vollbild,Fenster\n"
        << "lvwGameList.Columns.Captions=Spiel,Kapitaen,Zeit,Datei\n";
    out << "[FormNavigator]\nlblTitle.Caption=Systeme in Sektor %d\n";
    return out.str();
}

class LintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(kTool)) << "build the veltrane-tool target first: " << kTool;
        dir_ = fs::temp_directory_path() / ("veltrane-lint-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        Write("ref.lng", CleanScript());
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string Write(const std::string& name, const std::string& text) {
        fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    // Lints `text` against the clean reference.
    TRun LintText(const std::string& text) {
        return Lint(Quote(Write("script.lng", text)) + " --reference " + Quote((dir_ / "ref.lng").string()));
    }
    static std::string Replace(std::string text, const std::string& from, const std::string& to) {
        auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
        return text;
    }

    fs::path dir_;
};

bool Has(const TRun& r, const std::string& part) {
    return r.Out.find(part) != std::string::npos;
}

} // namespace

TEST_F(LintTest, CleanScriptPassesWithoutFindings) {
    TRun r = LintText(CleanScript());
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "0 error(s), 0 warning(s)")) << r.Out;
}

TEST_F(LintTest, MissingCatalogueEntryIsAnErrorAtItsSection) {
    TRun r = LintText(Replace(CleanScript(), "AYS=Are you sure?\n", ""));
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r, "error: missing [Messages] AYS")) << r.Out;
    EXPECT_TRUE(Has(r, "script.lng:")) << "FILE:LINE: form";
}

TEST_F(LintTest, PlaceholderThatDoesNotFitIsAnErrorWithItsLine) {
    std::string text = Replace(CleanScript(), "NowSector=You are now in sector %d.", "NowSector=Sektor %s.");
    TRun r = LintText(text);
    EXPECT_EQ(r.Exit, 1);
    // The line number points at the broken entry.
    std::istringstream lines(text);
    std::string line;
    int no = 0;
    while (std::getline(lines, line) && line.rfind("NowSector=", 0) != 0)
        ++no;
    EXPECT_TRUE(Has(r, "script.lng:" + std::to_string(no + 1) + ": error: [Messages] NowSector")) << r.Out;

    r = LintText(Replace(CleanScript(), "Info1=unknown %s %s %s %s %s %s", "Info1=%s %s %s %s %s %s %s"));
    EXPECT_EQ(r.Exit, 1) << "a seventh placeholder has no argument";
    EXPECT_TRUE(Has(r, "argument 7")) << r.Out;

    r = LintText(
        Replace(CleanScript(), "lblTitle.Caption=Systeme in Sektor %d", "lblTitle.Caption=Sektor %s"));
    EXPECT_EQ(r.Exit, 1) << "control captions that are formatted are checked too";
}

TEST_F(LintTest, DroppedArgumentIsAWarning) {
    TRun r = LintText(Replace(CleanScript(), "Text1=Text1 %d", "Text1=Something happened."));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "warning: [Events] Text1: argument 1 of Int is never shown")) << r.Out;
}

TEST_F(LintTest, TooFewItemsOrColumnsIsAnErrorSurplusAWarning) {
    TRun r = LintText(
        Replace(CleanScript(), "rbxWindowType.Items=Vollbild,Fenster", "rbxWindowType.Items=Vollbild"));
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r, "1 part(s) for 2 items")) << r.Out;

    r = LintText(Replace(CleanScript(), "Spiel,Kapitaen,Zeit,Datei", "Spiel,Kapitaen,Zeit"));
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r, "3 part(s) for 4 columns")) << r.Out;

    r = LintText(Replace(CleanScript(), "Vollbild,Fenster", "Vollbild,Fenster,Extra"));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "the surplus is ignored")) << r.Out;
}

TEST_F(LintTest, DuplicateKeysAndSectionsAreErrors) {
    std::string text = CleanScript();
    text = Replace(text, "AYS=Are you sure?\n", "AYS=Are you sure?\nays=Really?\n");
    TRun r = LintText(text);
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r, "duplicate key \"ays\"")) << "keys compare without case: " << r.Out;

    r = LintText(CleanScript() + "[messages]\nExtra=1\n");
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r, "section [messages] appears again")) << r.Out;
}

TEST_F(LintTest, StrayLinesAndClassValuesAreWarnings) {
    TRun r =
        LintText(Replace(CleanScript(), "; a crafted script\n", "; a crafted script\nthis is no entry\n"));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "script.lng:2: warning: not a section")) << r.Out;

    r = LintText(Replace(CleanScript(), "[Economy]\nKind1=1|Average", "[Economy]\nKind1=Average"));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "reads as class 0 named \"erage\"")) << r.Out;

    r = LintText(Replace(CleanScript(), "[Economy]\nKind1=1|Average", "[Economy]\nKind1=5|Lavish"));
    EXPECT_TRUE(Has(r, "class 5 has no meaning")) << r.Out;
}

TEST_F(LintTest, KeysTheReferenceHasAreWarnedAboutAndUnknownControlsToo) {
    Write("ref.lng", CleanScript() + "[FormMain]\nbtnExit.Caption=Exit\n");
    TRun r = LintText(CleanScript() + "[FormMain]\nbtnExitt.Caption=Ende\n");
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "warning: missing [FormMain] btnExit.Caption, which")) << r.Out;
    EXPECT_TRUE(Has(r, "no translatable control \"btnExitt\"")) << r.Out;
}

TEST_F(LintTest, UsageMistakesExitWithTwo) {
    EXPECT_EQ(Lint("").Exit, 2);
    EXPECT_EQ(Lint("--bogus x.lng").Exit, 2);
    EXPECT_EQ(Lint("a.lng b.lng").Exit, 2);
    EXPECT_EQ(Lint(Quote(Write("s.lng", CleanScript())) + " --reference").Exit, 2);
    EXPECT_EQ(Lint(Quote(Write("s.lng", CleanScript())) + " --reference /nonexistent/ref.lng").Exit, 2);
    TRun missing = Lint(Quote((dir_ / "absent.lng").string()));
    EXPECT_EQ(missing.Exit, 1);
    EXPECT_TRUE(Has(missing, "cannot read")) << missing.Out;
}

// The scripts we ship must lint clean against the catalogue and each other.
TEST_F(LintTest, ShippedScriptsLintClean) {
    const std::string english = std::string(VELTRANE_SOURCE_DIR) + "/data/LScripts/English.lng";
    const std::string german = std::string(VELTRANE_SOURCE_DIR) + "/data/LScripts/German.lng";
    ASSERT_TRUE(fs::exists(english)) << english;
    TRun r = Lint(Quote(english) + " --reference " + Quote(english));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "0 error(s), 0 warning(s)")) << r.Out;
    ASSERT_TRUE(fs::exists(german)) << german;
    r = Lint(Quote(german) + " --reference " + Quote(english));
    EXPECT_EQ(r.Exit, 0) << r.Out;
    EXPECT_TRUE(Has(r, "0 error(s), 0 warning(s)")) << r.Out;
}

// The lint reads a script exactly as the game does: each case is a script the
// game reads one way and the lint used to read another.
struct ReadLikeTheGameCase {
    const char* name;
    std::function<std::string(const std::string& clean)> spoil;
    int exit;
    const char* says; // part of the report, or "" for a clean one
};

class LintReadsLikeTheGame : public LintTest, public ::testing::WithParamInterface<ReadLikeTheGameCase> {};

TEST_P(LintReadsLikeTheGame, Reports) {
    const ReadLikeTheGameCase& c = GetParam();
    TRun r = LintText(c.spoil(CleanScript()));
    EXPECT_EQ(r.Exit, c.exit) << r.Out;
    EXPECT_TRUE(Has(r, *c.says ? c.says : "0 error(s), 0 warning(s)")) << r.Out;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Lint, LintReadsLikeTheGame,
    ::testing::Values(
        ReadLikeTheGameCase{
            "CommentAfterASectionHeader",
            [](const std::string& script) { return ReplaceAll(script, "]\n", "] ; translated\n"); }, 0, ""},
        ReadLikeTheGameCase{"FormFeedsAndTabsAreTrimmed",
                            [](const std::string& script) { return ReplaceAll(script, "\n[", "\n\f\t["); }, 0,
                            ""},
        ReadLikeTheGameCase{
            "AMarkedFileThatIsNotUtf8LosesItsFirstSection",
            [](const std::string& script) { return "\xEF\xBB\xBF[First]\nA=1\n" + script + "; caf\xE9\n"; },
            0, "byte-order mark but is not UTF-8"},
        ReadLikeTheGameCase{"KeysOfARepeatedSectionAreNotRead",
                            [](const std::string& script) {
                                return ReplaceAll(script, "AYS=Are you sure?\n", "") +
                                       "[Messages]\nAYS=Are you sure?\n";
                            },
                            1, "missing [Messages] AYS"},
        ReadLikeTheGameCase{"TheLimitCountsCharactersNotBytes",
                            [](const std::string& script) {
                                std::string wide;
                                for (int i = 0; i < 2047; ++i)
                                    wide += "\xC3\xA4";
                                return script + "[Extra]\nWide=" + wide + "\n";
                            },
                            0, "0 error(s), 1 warning(s)"},
        ReadLikeTheGameCase{"OneCharacterOverTheLimitIsWarnedAbout",
                            [](const std::string& script) {
                                return script + "[Extra]\nWide=" + std::string(2048, 'x') + "\n";
                            },
                            0, "2048 characters long"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(LintTest, WhatTheGameCannotReadIsNoScript) {
    TRun folder = Lint(Quote(dir_.string()));
    EXPECT_EQ(folder.Exit, 1);
    EXPECT_TRUE(Has(folder, "cannot read the script")) << folder.Out;

    const std::string big = Write("big.lng", "");
    fs::resize_file(big, 64ull * 1024 * 1024 + 1);
    TRun oversized = Lint(Quote(big));
    EXPECT_EQ(oversized.Exit, 1);
    EXPECT_TRUE(Has(oversized, "cannot read the script")) << oversized.Out;

    const std::string pipe = (dir_ / "pipe.lng").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TRun fifo = Lint(Quote(pipe));
    EXPECT_EQ(fifo.Exit, 1);
    EXPECT_TRUE(Has(fifo, "not a regular file")) << fifo.Out;
}

// The lint fuzzer's regression corpus: every input is linted to an end, with a report.
TEST(LintFuzzCorpus, EveryInputFinishes) {
    const fs::path folder = fs::path(VELTRANE_SOURCE_DIR) / "tests" / "fuzz-corpus" / "lint";
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    for (const auto& file : fs::directory_iterator(folder)) {
        TRun r = Lint(Quote(file.path().string()));
        EXPECT_TRUE(r.Exit == 0 || r.Exit == 1) << file.path() << ": " << r.Out;
    }
}
