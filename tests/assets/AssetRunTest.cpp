#include "AssetRun.h"
#include "AssetCatalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace veltrane::assetgen;

namespace {

AssetJob fixed(const QString& path, const QByteArray& bytes) {
    return {path, false, [path, bytes] { return std::vector<AssetFile>{{path, bytes}}; }};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(AssetRun, WritesEveryFileIntoItsSubfolderWithAnyThreadCount) {
    std::vector<AssetJob> jobs;
    for (int i = 0; i < 20; ++i) {
        jobs.push_back(
            fixed(QString("Deep/Er/file%1.bin").arg(i), QByteArray(i + 1, static_cast<char>('a' + i))));
    }
    for (const int threads : {1, 2, 5}) {
        QTemporaryDir dir;
        const AssetRun::Outcome outcome = AssetRun::run(jobs, dir.path(), threads);
        EXPECT_TRUE(outcome.errors.isEmpty()) << outcome.errors.join("; ").toStdString();
        EXPECT_EQ(outcome.filesWritten, 20);
        for (int i = 0; i < 20; ++i) {
            EXPECT_EQ(contents(dir.filePath(QString("Deep/Er/file%1.bin").arg(i))),
                      QByteArray(i + 1, static_cast<char>('a' + i)));
        }
    }
}

TEST(AssetRun, AFailedEncodingIsReportedAndLeavesNoFileBehind) {
    QTemporaryDir dir;
    const std::vector<AssetJob> jobs{fixed("Good/one.bin", "1"), fixed("Bad/two.bin", QByteArray())};
    const AssetRun::Outcome outcome = AssetRun::run(jobs, dir.path(), 2);
    ASSERT_EQ(outcome.errors.size(), 1);
    EXPECT_TRUE(outcome.errors[0].contains("Bad/two.bin"));
    EXPECT_EQ(outcome.filesWritten, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("Bad/two.bin")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Good/one.bin")));
}

TEST(AssetRun, ReplacesAnOlderFileWhole) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Pics"));
    QFile old(dir.filePath("Pics/a.bin"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'x'));
    old.close();
    AssetRun::run({fixed("Pics/a.bin", "new")}, dir.path(), 1);
    EXPECT_EQ(contents(dir.filePath("Pics/a.bin")), "new");
    // No temporary files left beside it.
    EXPECT_EQ(QDir(dir.filePath("Pics")).entryList(QDir::Files).size(), 1);
}

TEST(AssetCatalogue, JobNamesAreUniqueAndOnlyTextJobsNeedTheMainThread) {
    const std::vector<AssetJob> jobs = AssetCatalogue::jobs();
    QSet<QString> names;
    int fontJobs = 0;
    for (const AssetJob& job : jobs) {
        EXPECT_FALSE(names.contains(job.name)) << job.name.toStdString();
        names.insert(job.name);
        fontJobs += job.usesFonts;
        EXPECT_TRUE(static_cast<bool>(job.make)) << job.name.toStdString();
    }
    // The logo and the headquarter ship carry lettering; everything else may run anywhere.
    EXPECT_EQ(fontJobs, 2);
    EXPECT_TRUE(names.contains("Pics/Logo.bmp"));
}
