#include "persist/FileIo.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace veltrane {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

std::size_t EntryCount(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(AtomicWrite, CreatesAndReplacesWithoutLeavingTemporaries) {
    TempFolder folder;
    const auto target = folder / "game.sav";
    ASSERT_TRUE(WriteFileAtomically(target, "first version, rather long\n"));
    ASSERT_TRUE(WriteFileAtomically(target, "second\n"));
    EXPECT_EQ(ReadBytes(target), "second\n");
    EXPECT_EQ(EntryCount(folder.path()), 1u);
}

TEST(AtomicWrite, FailureIsReportedAndTheTargetSurvives) {
    TempFolder folder;
    // A folder where the file should go cannot be replaced by the rename.
    const auto target = folder / "taken";
    WriteBytes(target / "inside.txt", "keep me");
    const Status written = WriteFileAtomically(target, "new");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find(target.string()), std::string::npos);
    EXPECT_EQ(ReadBytes(target / "inside.txt"), "keep me");
    EXPECT_EQ(EntryCount(folder.path()), 1u) << "the temporary file was left behind";
}

TEST(AtomicWrite, MissingFolderIsAnError) {
    TempFolder folder;
    EXPECT_FALSE(WriteFileAtomically(folder / "no" / "such" / "file.ini", "x"));
}

TEST(ReadWholeFile, ReadsBytesExactly) {
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xFF", 6);
    WriteBytes(folder / "f", bytes);
    const auto read = ReadWholeFile(folder / "f");
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, bytes);
}

TEST(ReadWholeFile, RefusesMissingFoldersAndOversizedFiles) {
    TempFolder folder;
    EXPECT_FALSE(ReadWholeFile(folder / "missing"));
    EXPECT_FALSE(ReadWholeFile(folder.path()));
    WriteBytes(folder / "big", std::string(101, 'x'));
    EXPECT_TRUE(ReadWholeFile(folder / "big", 101));
    const auto refused = ReadWholeFile(folder / "big", 100);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("too large"), std::string::npos);
}

TEST(ReadWholeFile, RefusesAHugeSparseFileWithoutReadingIt) {
    TempFolder folder;
    const auto path = folder / "huge.sav";
    WriteBytes(path, "");
    std::filesystem::resize_file(path, kMaxTextFileBytes + 1);
    EXPECT_FALSE(ReadWholeFile(path));
}

} // namespace
} // namespace veltrane
