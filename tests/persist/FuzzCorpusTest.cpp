// Replays the fuzzers' regression corpus through the fuzzers' own entry points:
// every input that once crashed or hung a reader must now be read or refused.

#include "../../fuzz/FuzzEntries.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace veltrane {
namespace {

struct CorpusCase {
    const char* target;
    std::function<void(std::string_view)> entry;
};

class FuzzCorpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(FuzzCorpus, EveryInputFinishes) {
    const std::filesystem::path folder =
        std::filesystem::path(VELTRANE_SOURCE_DIR) / "tests" / "fuzz-corpus" / GetParam().target;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        SCOPED_TRACE(file.path().string());
        GetParam().entry(test::ReadBytes(file.path()));
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, FuzzCorpus,
                         ::testing::Values(CorpusCase{"ini", fuzz::IniEntry},
                                           CorpusCase{"savedgame", fuzz::SavedGameEntry},
                                           CorpusCase{"scriptlookup", fuzz::ScriptLookupEntry},
                                           CorpusCase{"format", fuzz::FormatEntry}),
                         [](const auto& testInfo) { return std::string(testInfo.param.target); });

} // namespace
} // namespace veltrane
