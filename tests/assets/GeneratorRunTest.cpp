// Runs the generator itself: same bytes on every run, whatever the thread count.
#include "ExpectedAssets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <map>

namespace {

int runGenerator(const QStringList& args, QString* errors = nullptr) {
    QProcess process;
    process.start(VELTRANE_ASSETGEN, args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        return -1;
    }
    if (errors) {
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

std::map<QString, QByteArray> filesBelow(const QString& dir) {
    std::map<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            files[QDir(dir).relativeFilePath(path)] = file.readAll();
        }
    }
    return files;
}

} // namespace

// One test, because the two full runs are the slow part and ctest starts every test afresh.
TEST(GeneratorRun, SameBytesWhateverTheThreadCountAndAsInTheProgramFolder) {
    QTemporaryDir single, pair;
    ASSERT_EQ(runGenerator({"--out", single.path(), "--threads", "1"}), 0);
    ASSERT_EQ(runGenerator({"--out", pair.path(), "--threads", "2"}), 0);
    const auto a = filesBelow(single.path());
    const auto b = filesBelow(pair.path());
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [path, bytes] : a) {
        const auto other = b.find(path);
        ASSERT_NE(other, b.end()) << path.toStdString();
        EXPECT_TRUE(bytes == other->second) << path.toStdString() << " differs between runs";
        QFile installed(QDir(VELTRANE_PROGRAM_DIR).filePath(path));
        ASSERT_TRUE(installed.open(QIODevice::ReadOnly))
            << path.toStdString() << " missing in the program folder";
        EXPECT_TRUE(installed.readAll() == bytes) << path.toStdString() << " is stale in the program folder";
    }
}

TEST(GeneratorRun, ProgramFolderHoldsExactlyTheGameMedia) {
    std::map<QString, bool> expected;
    for (const ExpectedPicture& e : expectedPictures()) {
        expected[e.path] = true;
    }
    for (const ExpectedSound& e : expectedSounds()) {
        expected[e.path] = true;
    }
    std::map<QString, QByteArray> media;
    for (const char* folder : {"Planets", "Landscapes", "Cities", "Aliens", "Artefacts", "Pics", "Sounds"}) {
        for (auto& [path, bytes] : filesBelow(QDir(VELTRANE_PROGRAM_DIR).filePath(folder))) {
            media[QString(folder) + "/" + path] = bytes;
        }
    }
    for (const auto& [path, wanted] : expected) {
        EXPECT_TRUE(media.count(path)) << path.toStdString() << " not written";
    }
    for (const auto& [path, bytes] : media) {
        EXPECT_TRUE(expected.count(path)) << path.toStdString() << " is not a game file";
    }
}

TEST(GeneratorArguments, RefusesMissingOrUnknownArguments) {
    EXPECT_EQ(runGenerator({}), 2);
    EXPECT_EQ(runGenerator({"--out"}), 2);
    EXPECT_EQ(runGenerator({"--out", "/tmp/x", "--colour", "blue"}), 2);
    EXPECT_EQ(runGenerator({"--out", "/tmp/x", "--threads", "0"}), 2);
    EXPECT_EQ(runGenerator({"--out", "/tmp/x", "--only", "("}), 2);
}

TEST(GeneratorArguments, ReportsAFolderItCannotWrite) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("Planets"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should go
    blocker.close();
    QString errors;
    EXPECT_EQ(runGenerator({"--out", dir.path(), "--only", "^Planets/planet1\\.jpg$"}, &errors), 1);
    EXPECT_TRUE(errors.contains("planet1.jpg")) << errors.toStdString();
}
