// Runs the built veltrane-tool as a player or script would.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

class ToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "veltrane-tool-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // Arguments are passed through the shell in single quotes.
    ToolRun Tool(const std::vector<std::string>& args) const {
        std::string command = "'" VELTRANE_PROGRAM_DIR "/veltrane-tool'";
        for (const std::string& arg : args) {
            std::string quoted;
            for (char c : arg)
                quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
            command += " '" + quoted + "'";
        }
        command += " 2>'" + Path("stderr.txt") + "'";
        ToolRun run;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr)
            return run;
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            run.out.append(buffer, got);
        const int status = ::pclose(pipe);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = Read(Path("stderr.txt"));
        return run;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    // The value of one "key: value" line of info's output.
    static std::string Field(const std::string& info, const std::string& key) {
        const std::size_t at = info.find(key + ": ");
        if (at == std::string::npos)
            return "<missing>";
        const std::size_t begin = at + key.size() + 2;
        return info.substr(begin, info.find('\n', begin) - begin);
    }

    std::filesystem::path dir_;
};

TEST_F(ToolTest, NewWithTheSameSeedWritesTheSameFile) {
    ASSERT_EQ(Tool({"new", "--out", Path("a.sav"), "--seed", "42"}).code, 0);
    ASSERT_EQ(Tool({"new", "--seed", "42", "--out", Path("b.sav")}).code, 0);
    ASSERT_EQ(Tool({"new", "--out", Path("c.sav"), "--seed", "43"}).code, 0);
    const std::string a = Read(Path("a.sav"));
    EXPECT_GT(a.size(), 100000u);
    EXPECT_EQ(a, Read(Path("b.sav")));
    EXPECT_NE(a, Read(Path("c.sav")));
    EXPECT_NE(a.find("Game name=New game\n"), std::string::npos);
}

TEST_F(ToolTest, ResaveGivesBackANewGameByteForByte) {
    ASSERT_EQ(Tool({"new", "--out", Path("a.sav"), "--seed", "7", "--name", "Voyage 'one'"}).code, 0);
    const ToolRun run = Tool({"resave", Path("a.sav"), Path("again.sav")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Read(Path("a.sav")), Read(Path("again.sav")));
}

TEST_F(ToolTest, InfoSummarisesANewGame) {
    ASSERT_EQ(Tool({"new", "--out", Path("a.sav"), "--seed", "5", "--name", "Tour"}).code, 0);
    const ToolRun run = Tool({"info", Path("a.sav")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Field(run.out, "name"), "Tour");
    EXPECT_EQ(Field(run.out, "captain"), "Jon Kestrel");
    EXPECT_EQ(Field(run.out, "budget"), "100");
    EXPECT_EQ(Field(run.out, "energy"), "100");
    EXPECT_EQ(Field(run.out, "sector"), "1");
    EXPECT_EQ(Field(run.out, "seconds"), "0");
    EXPECT_EQ(Field(run.out, "cargo"), "0");
    EXPECT_EQ(Field(run.out, "transport"), "0");
    EXPECT_EQ(Field(run.out, "scanned planets"), "0");
    EXPECT_EQ(Field(run.out, "artefacts lying"), "100");
    EXPECT_EQ(Field(run.out, "power packs"), "50");
    EXPECT_EQ(Field(run.out, "modules owned"), "0");
    // A new game starts at the headquarter.
    EXPECT_EQ(Field(run.out, "headquarter"), "1," + Field(run.out, "system"));
    const std::string galaxy = Field(run.out, "galaxy");
    EXPECT_NE(Read(Path("a.sav")).find("Galaxy name=" + galaxy + "\n"), std::string::npos);
}

TEST_F(ToolTest, InfoReadsWhatTheFileSays) {
    ASSERT_EQ(Tool({"new", "--out", Path("a.sav"), "--seed", "5"}).code, 0);
    std::string text = Read(Path("a.sav"));
    auto set = [&](const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    set("Budget=100\n", "Budget=4711\n");
    set("Module2=0\n", "Module2=1\n");
    set("Cargo items=0\n", "Cargo items=1\n[Cargo1]\nName=Idol\nStateIndex=3\n[General]\n");
    set("Game seconds=0\n", "Game seconds=3600\n");
    Write(Path("edited.sav"), text);
    const ToolRun run = Tool({"info", Path("edited.sav")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Field(run.out, "budget"), "4711");
    EXPECT_EQ(Field(run.out, "modules owned"), "1");
    EXPECT_EQ(Field(run.out, "cargo"), "1");
    EXPECT_EQ(Field(run.out, "seconds"), "3600");
}

TEST_F(ToolTest, DamagedOrMissingFilesAreRefusedWithOneErrorLine) {
    Write(Path("bad.sav"), "[Captain]\nName=x\n[General]\nCurrent sector=9\n");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"info", Path("bad.sav")},
                                               {"info", Path("missing.sav")},
                                               {"resave", Path("bad.sav"), Path("o.sav")}}) {
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.code, 1) << args[0];
        EXPECT_EQ(run.err.rfind("error:", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(Path("o.sav")));
    const ToolRun bad = Tool({"info", Path("bad.sav")});
    EXPECT_NE(bad.err.find("Current sector"), std::string::npos);
}

TEST_F(ToolTest, NewIntoAnImpossiblePlaceIsRefused) {
    Write(Path("file"), "x");
    const ToolRun run = Tool({"new", "--out", Path("file") + "/inside/a.sav", "--seed", "1"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("error:", 0), 0u) << run.err;
}

TEST_F(ToolTest, TextLooksUpWithTheScriptRules) {
    Write(Path("German.lng"), "[messages]\nwelcome = \"  Willkommen  \" \nEmpty=\n");
    EXPECT_EQ(Tool({"text", Path("German.lng"), "Messages", "Welcome"}).out, "  Willkommen  \n");
    EXPECT_EQ(Tool({"text", Path("German.lng"), "Messages", "Empty", "dflt"}).out, "\n");
    EXPECT_EQ(Tool({"text", Path("German.lng"), "Messages", "Missing"}).out, "Missing\n");
    EXPECT_EQ(Tool({"text", Path("German.lng"), "Messages", "Missing", "Are you sure?"}).out,
              "Are you sure?\n");
    EXPECT_EQ(Tool({"text", Path("nowhere.lng"), "Captions", "OK"}).out, "OK\n");
}

TEST_F(ToolTest, WrongUsageExitsWithTwoAndTheUsageText) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"fly"},
                                               {"new"},
                                               {"new", "--seed", "x", "--out", Path("a.sav")},
                                               {"new", "--out"},
                                               {"new", "--out", Path("a.sav"), "--colour", "red"},
                                               {"info"},
                                               {"resave", Path("a.sav")},
                                               {"text", "a", "b"}}) {
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("a.sav")));
}

} // namespace

namespace {

TEST_F(ToolTest, PlayReplaysTheSameCommandsToTheSameSavedGame) {
    Write(Path("moves.txt"), "# start where the ship is\nsystem\nscan\nland 0\npickup\npack\nleave\n"
                             "map\nselect 3\nfly 3\nscan\nwait 5\n");
    const ToolRun first = Tool({"play", "--seed", "11", "--out", Path("a.sav"), Path("moves.txt")});
    ASSERT_EQ(first.code, 0) << first.out << first.err;
    const ToolRun second = Tool({"play", "--out", Path("b.sav"), "--seed", "11", Path("moves.txt")});
    ASSERT_EQ(second.code, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(Read(Path("a.sav")), Read(Path("b.sav")));
    // One answer per command, and the scan reports as the info line does.
    int answers = 0;
    std::istringstream lines(first.out);
    for (std::string line; std::getline(lines, line);)
        answers += line.rfind("ok: ", 0) == 0 || line.rfind("refused: ", 0) == 0;
    EXPECT_EQ(answers, 11);
    EXPECT_NE(first.out.find("ok: Scan"), std::string::npos) << first.out;

    // Going on from the saved game: the clock and the system carry over.
    Write(Path("more.txt"), "wait 3\n");
    const ToolRun more =
        Tool({"play", "--seed", "1", "--in", Path("a.sav"), "--out", Path("c.sav"), Path("more.txt")});
    ASSERT_EQ(more.code, 0) << more.out;
    const ToolRun before = Tool({"info", Path("a.sav")});
    const ToolRun after = Tool({"info", Path("c.sav")});
    EXPECT_EQ(std::stoi(Field(after.out, "seconds")), std::stoi(Field(before.out, "seconds")) + 3);
    EXPECT_EQ(Field(after.out, "system"), Field(before.out, "system"));
}

TEST_F(ToolTest, PlayRefusesWhatItCannotRunWithOneErrorLine) {
    struct Case {
        std::string Script;
        std::vector<std::string> Extra;
    };
    const Case cases[] = {
        {"map\njump 3\n", {}},
        {"fly\n", {}},
        {"fly 151\n", {}},
        {"select three\n", {}},
        {"map\n", {"--in", "/nonexistent/game.sav"}},
    };
    for (const Case& c : cases) {
        Write(Path("bad.txt"), c.Script);
        std::vector<std::string> args{"play", "--seed", "3", "--out", Path("x.sav")};
        args.insert(args.end(), c.Extra.begin(), c.Extra.end());
        args.push_back(Path("bad.txt"));
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.code, 1) << c.Script;
        // One error line on stderr; what ran before it stays on stdout.
        EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << c.Script << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.out.find("error: "), std::string::npos) << run.out;
    }
    EXPECT_EQ(Tool({"play", "--out", Path("x.sav")}).code, 2) << "no seed";
}

} // namespace

namespace {

TEST_F(ToolTest, PlaySavesAndLoadsThroughTheGameListOfAHome) {
    Write(Path("moves.txt"), "wait 7\nsave Voyage\nwait 5\nsave Voyage\nwait 9\nload Voyage\nload Nowhere\n"
                             "sector 2\nsave Other\n");
    const ToolRun run =
        Tool({"play", "--seed", "4", "--home", Path("home"), "--out", Path("a.sav"), Path("moves.txt")});
    ASSERT_EQ(run.code, 0) << run.out;
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 11u) << run.out;
    EXPECT_EQ(lines[6].rfind("message: ", 0), 0u) << run.out;
    EXPECT_NE(lines[6].find("loaded"), std::string::npos);
    EXPECT_EQ(lines[7].rfind("refused: ", 0), 0u);
    EXPECT_NE(lines[7].find("Nowhere"), std::string::npos) << "the file is named, not its path";
    EXPECT_EQ(lines[8], "message: " + lines[7].substr(9)) << "the window shows the same as a message";
    EXPECT_EQ(lines[9].rfind("refused: ", 0), 0u) << "no hyperdrive aboard";
    // The second save of one name rewrote its file; the list holds two games.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Path("home") + "/Brindle/Veltrane/Games"))
        files += entry.path().extension() == ".sav";
    EXPECT_EQ(files, 2);
    EXPECT_EQ(Field(Tool({"info", Path("a.sav")}).out, "seconds"), "12") << "the clock of the second save";
}

} // namespace
