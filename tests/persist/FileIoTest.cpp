#include "persist/FileIo.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(AtomicWrite, KeepsPermissionsAndWritesThroughALink) {
    TempFolder folder;
    const auto target = folder / "real.sav";
    const auto link = folder / "link.sav";
    WriteBytes(target, "old");
    ::chmod(target.c_str(), 0600);
    std::filesystem::create_symlink("real.sav", link);
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(EntryCount(folder.path()), 2u);
}

TEST(AtomicWrite, ANameAtTheLengthLimitStillSaves) {
    TempFolder folder;
    const auto target = folder / (std::string(251, 'n') + ".sav");
    ASSERT_TRUE(WriteFileAtomically(target, "x"));
    EXPECT_EQ(ReadBytes(target), "x");
}

TEST(AtomicWrite, TheNextWriteRemovesWhatAKilledWriteLeft) {
    TempFolder folder;
    WriteBytes(folder / ".veltrane-a1b2c3.tmp", "half a game");
    WriteBytes(folder / ".veltrane-notes.txt", "not ours");
    ASSERT_TRUE(WriteFileAtomically(folder / "game.sav", "whole"));
    EXPECT_FALSE(std::filesystem::exists(folder / ".veltrane-a1b2c3.tmp"));
    EXPECT_TRUE(std::filesystem::exists(folder / ".veltrane-notes.txt"));
}

TEST(ReadWholeFile, RefusesAPipeAtOnce) {
    TempFolder folder;
    const auto fifo = folder / "pipe.sav";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto refused = ReadWholeFile(fifo);
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("not a regular file"), std::string::npos);
}

} // namespace
} // namespace veltrane
