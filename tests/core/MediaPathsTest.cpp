#include "core/MediaPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace veltrane {
namespace {

namespace fs = std::filesystem;

// A throw-away program folder with a few media files in mixed case.
class MediaPathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("veltrane-media-" + std::to_string(seed()));
        fs::create_directories(root_ / "Pics");
        fs::create_directories(root_ / "Sounds");
        fs::create_directories(root_ / "Artefacts");
        Touch("Pics/Module1.bmp");
        Touch("Pics/ship3.bmp");
        Touch("Sounds/button.wav");
        Touch("Artefacts/artefact7.bmp");
        Touch("secret.txt");
    }
    void TearDown() override {
        SetProgramFolder("");
        ClearMediaCache();
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    void Touch(const std::string& relative) { std::ofstream(root_ / relative) << relative; }

    fs::path root_;
};

TEST_F(MediaPathsTest, EveryComponentMatchesIgnoringCase) {
    EXPECT_EQ(ResolveMediaIn(root_, "pics/module1.BMP"), root_ / "Pics" / "Module1.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "ARTEFACTS/Artefact7.bmp"), root_ / "Artefacts" / "artefact7.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "Sounds/button.wav"), root_ / "Sounds" / "button.wav");
}

TEST_F(MediaPathsTest, BothSeparatorsAndDoubledSeparatorsWork) {
    EXPECT_EQ(ResolveMediaIn(root_, "Pics\\ship3.bmp"), root_ / "Pics" / "ship3.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "Pics//ship3.bmp"), root_ / "Pics" / "ship3.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "./Pics\\/./ship3.bmp"), root_ / "Pics" / "ship3.bmp");
}

TEST_F(MediaPathsTest, ExactSpellingWinsOverAnotherCase) {
    Touch("Pics/module1.bmp");
    ClearMediaCache();
    EXPECT_EQ(ResolveMediaIn(root_, "Pics/module1.bmp"), root_ / "Pics" / "module1.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "Pics/Module1.bmp"), root_ / "Pics" / "Module1.bmp");
    // Neither spelling exact: one of them, the same one every time.
    const auto first = ResolveMediaIn(root_, "PICS/MODULE1.BMP");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(ResolveMediaIn(root_, "PICS/MODULE1.BMP"), first);
}

TEST_F(MediaPathsTest, NamesThatLeaveTheFolderAreRefused) {
    const fs::path inner = root_ / "Pics";
    EXPECT_FALSE(ResolveMediaIn(inner, "../secret.txt"));
    EXPECT_FALSE(ResolveMediaIn(inner, "..\\secret.txt"));
    EXPECT_FALSE(ResolveMediaIn(inner, "ship3.bmp/../../secret.txt"));
    EXPECT_FALSE(ResolveMediaIn(inner, (root_ / "secret.txt").string()));
    EXPECT_FALSE(ResolveMediaIn(inner, "\\secret.txt"));
    EXPECT_FALSE(ResolveMediaIn(inner, "C:\\secret.txt"));
    EXPECT_FALSE(ResolveMediaIn(inner, std::string("ship3.bmp\0x", 11)));
}

TEST_F(MediaPathsTest, MissingOrEmptyNamesGiveNothing) {
    EXPECT_FALSE(ResolveMediaIn(root_, "Pics/ship99.bmp"));
    EXPECT_FALSE(ResolveMediaIn(root_, "Nowhere/ship3.bmp"));
    EXPECT_FALSE(ResolveMediaIn(root_, "Pics/ship3.bmp/inside"));
    EXPECT_FALSE(ResolveMediaIn(root_, ""));
    EXPECT_FALSE(ResolveMediaIn(root_, "./"));
    EXPECT_FALSE(ResolveMediaIn(root_ / "absent", "Pics/ship3.bmp"));
}

TEST_F(MediaPathsTest, ChangedFoldersAreSeenWithoutClearingTheCache) {
    ASSERT_FALSE(ResolveMediaIn(root_, "Pics/ship4.bmp"));
    Touch("Pics/Ship4.bmp");
    EXPECT_EQ(ResolveMediaIn(root_, "pics/ship4.bmp"), root_ / "Pics" / "Ship4.bmp");

    ASSERT_TRUE(ResolveMediaIn(root_, "Sounds/button.wav"));
    fs::remove(root_ / "Sounds" / "button.wav");
    // Force a different folder time in case the removal fell within the same tick.
    fs::last_write_time(root_ / "Sounds", fs::last_write_time(root_ / "Sounds") + std::chrono::seconds(2));
    EXPECT_FALSE(ResolveMediaIn(root_, "Sounds/button.wav"));
}

TEST_F(MediaPathsTest, ProgramFolderOverrideAndDefault) {
    SetProgramFolder(root_.string());
    EXPECT_EQ(ProgramFolder(), root_.string() + "/");
    EXPECT_EQ(ResolveMedia("pics\\SHIP3.bmp"), root_ / "Pics" / "ship3.bmp");

    SetProgramFolder("");
    const std::string own = ProgramFolder();
    ASSERT_FALSE(own.empty());
    EXPECT_EQ(own.back(), '/');
    // The test program itself lives in its folder.
    EXPECT_TRUE(fs::exists(fs::path(own) / fs::read_symlink("/proc/self/exe").filename()));
}

// Where the content is found for an executable in <root>/usr/bin, by which
// candidate folders exist and which of them hold the scripts folder.
struct FolderCase {
    const char* name;
    std::vector<const char*> scriptFolders; // relative to <root>, each gets LScripts (any case)
    std::vector<const char*> emptyFolders;
    const char* expected; // relative to <root>
    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class ProgramFolderLookup : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderLookup, FindsTheFolderHoldingTheScripts) {
    const FolderCase& c = GetParam();
    std::random_device seed;
    const fs::path root = fs::temp_directory_path() / ("veltrane-lookup-" + std::to_string(seed()));
    fs::create_directories(root / "usr/bin");
    for (const char* folder : c.scriptFolders) {
        fs::create_directories(root / folder);
    }
    for (const char* folder : c.emptyFolders) {
        fs::create_directories(root / folder);
    }
    const std::string found = ProgramFolderFor(root / "usr/bin");
    fs::remove_all(root);
    EXPECT_EQ(found, (root / c.expected).string() + "/");
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProgramFolderLookup,
    ::testing::Values(
        FolderCase{"BuildTree", {"usr/bin/LScripts"}, {}, "usr/bin"},
        FolderCase{"Installed", {"usr/share/veltrane/LScripts"}, {}, "usr/share/veltrane"},
        FolderCase{"InstalledLowerCase", {"usr/share/veltrane/lscripts"}, {}, "usr/share/veltrane"},
        FolderCase{
            "BesideWinsOverInstalled", {"usr/bin/LScripts", "usr/share/veltrane/LScripts"}, {}, "usr/bin"},
        FolderCase{"LeftoverFolderWithoutScripts", {}, {"usr/share/veltrane/Pics"}, "usr/bin"},
        FolderCase{"NothingAnywhere", {}, {}, "usr/bin"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace veltrane
