// Damaged and hostile files: every reader loads them or refuses them with a
// message naming the file, and the saved-game list agrees with the full reader.
// How fast they load is measured in bench/HostileFilesBench.cpp.

#include "lang/ScriptLookup.h"
#include "persist/FileIo.h"
#include "persist/GameList.h"
#include "persist/MegaIni.h"
#include "persist/ProfileFile.h"
#include "persist/SavedGame.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>

namespace veltrane {
namespace {

using test::TempFolder;

// `times` copies of `line`, each "#" in it replaced by the copy's number.
std::string Lines(int times, std::string_view line) {
    std::string text;
    for (int i = 0; i < times; ++i)
        for (char c : line)
            c == '#' ? text += std::to_string(i) : text += c;
    return text;
}

struct HostileCase {
    const char* name;
    std::function<std::string()> text;
    // A key to look up, and what the saved-game reader finds there.
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, IsLoadedOrRefusedWithTheFileNamed) {
    const HostileCase& c = GetParam();
    const TempFolder folder;
    const auto path = folder / "hostile.sav";
    test::WriteBytes(path, c.text());

    const auto ini = TMegaIni::Load(path);
    ASSERT_TRUE(ini) << ini.error().message;
    EXPECT_EQ(ini->Value(c.section, c.key), c.value);
    // Scripts and settings cut long values and drop one pair of quotes; none here has quotes.
    const auto script = LookupScript(path.string(), c.section, c.key);
    EXPECT_EQ(script, c.value ? std::optional(c.value->substr(0, kProfileValueLimit)) : std::nullopt);

    const auto header = ReadSavedGameHeader(path);
    ASSERT_TRUE(header) << header.error().message;
    EXPECT_EQ(header->GameName, ini->ReadString("General", "Game name", "Unknown"));
    EXPECT_EQ(header->CaptainName, ini->ReadString("Captain", "Name", "Unknown"));
    EXPECT_EQ(header->GameSeconds, ini->ReadInteger("General", "Game seconds", 0));

    TRandom rng(1);
    const auto game = LoadGame(path, TGameState{}, nullptr, rng);
    if (!game) {
        EXPECT_NE(game.error().message.find(path.string()), std::string::npos) << game.error().message;
    }
}

const std::string kBig(8 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Persist, HostileFile,
    ::testing::Values(
        HostileCase{
            "HundredThousandKeysInOneSection",
            [] { return "[General]\n" + Lines(100000, "K#=#\n") + "k99999=later\n[Captain]\nName=A\n"; },
            "General", "K99999", "99999"},
        HostileCase{"ManyDuplicateKeys",
                    [] { return "[Captain]\nName=1st\n" + Lines(200000, "NAME=again\n"); }, "Captain", "name",
                    "1st"},
        HostileCase{"ManyRepeatedSections", [] { return Lines(100000, "[General]\nGame seconds=7#\n"); },
                    "general", "Game seconds", "70"},
        HostileCase{"MillionsOfEmptyLines",
                    [] {
                        return std::string(4 << 20, '\n') + "[General]\nGame seconds=61\n" +
                               Lines(1 << 20, "\r\n");
                    },
                    "General", "Game seconds", "61"},
        HostileCase{"OneHugeLine", [] { return "[General]\n" + kBig; }, "General", "Game name", std::nullopt},
        HostileCase{"HugeValue", [] { return "[Captain]\n[General]\nGame name= " + kBig + " \n"; }, "General",
                    "Game name", kBig},
        HostileCase{"HugeSectionName", [] { return "[" + kBig + "]\nk=v\n"; }, kBig.c_str(), "K", "v"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(HostileFile, OverTheReadLimitIsRefusedWithTheFileNamed) {
    const TempFolder folder;
    const auto path = folder / "huge.sav";
    test::WriteBytes(path, "[General]\n");
    std::filesystem::resize_file(path, kMaxTextFileBytes + 1);
    TRandom rng(1);
    const auto game = LoadGame(path, TGameState{}, nullptr, rng);
    const auto header = ReadSavedGameHeader(path);
    const auto settings = TProfileFile::Open(path);
    ASSERT_FALSE(game);
    ASSERT_FALSE(header);
    ASSERT_FALSE(settings);
    for (const std::string& message :
         {game.error().message, header.error().message, settings.error().message})
        EXPECT_NE(message.find(path.string()), std::string::npos) << message;
}

// Reads the file with every reader under an address-space limit far below
// what the file needs; 0 when each refused it with the file and the memory named.
int ReadUnderMemoryLimit(const std::filesystem::path& path) {
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    const rlim_t room =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (16 << 20);
    const rlimit limit{room, room};
    if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0)
        return 2;
    const auto refusedForMemory = [&](const auto& result) {
        return !result && result.error().message.find(path.string()) != std::string::npos &&
               result.error().message.find("memory") != std::string::npos;
    };
    TRandom rng(1);
    const bool all = refusedForMemory(LoadGame(path, TGameState{}, nullptr, rng)) &&
                     refusedForMemory(ReadSavedGameHeader(path)) &&
                     refusedForMemory(TProfileFile::Load(path)) && refusedForMemory(TMegaIni::Load(path));
    return all ? 0 : 1;
}

// Running out of memory while reading is an error like any other, never the end of the game.
TEST(HostileFile, RunningOutOfMemoryIsAnErrorNamingTheFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's allocator ends the program when the address space runs out";
#endif
    const TempFolder folder;
    const auto path = folder / "big.lng";
    test::WriteBytes(path, std::string(48 << 20, '\n'));
    EXPECT_EXIT(std::exit(ReadUnderMemoryLimit(path)), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace veltrane
