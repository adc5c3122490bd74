#include "AssetRun.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <mutex>
#include <thread>

namespace veltrane::assetgen {

QString AssetRun::writeFiles(const QString& outDir, const std::vector<AssetFile>& files, int& written) {
    for (const AssetFile& file : files) {
        if (file.bytes.isEmpty()) {
            return file.path + ": encoding failed";
        }
        const QString target = QDir(outDir).filePath(file.path);
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            return target + ": cannot create the folder";
        }
        // Write beside and rename, so an interrupted build never leaves half a picture.
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit()) {
            return target + ": " + out.errorString();
        }
        ++written;
    }
    return {};
}

AssetRun::Outcome AssetRun::run(const std::vector<AssetJob>& jobs, const QString& outDir, int threads) {
    Outcome outcome;
    std::mutex lock;
    const auto runOne = [&](const AssetJob& job) {
        int written = 0;
        const QString error = writeFiles(outDir, job.make(), written);
        const std::lock_guard<std::mutex> guard(lock);
        outcome.filesWritten += written;
        if (!error.isEmpty()) {
            outcome.errors << job.name + ": " + error;
        }
    };

    std::vector<const AssetJob*> pooled;
    for (const AssetJob& job : jobs) {
        if (job.usesFonts) {
            runOne(job);
        } else {
            pooled.push_back(&job);
        }
    }

    std::atomic<std::size_t> nextJob{0};
    const auto worker = [&] {
        for (std::size_t i = nextJob++; i < pooled.size(); i = nextJob++) {
            runOne(*pooled[i]);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        helpers.emplace_back(worker);
    }
    worker();
    for (std::thread& t : helpers) {
        t.join();
    }
    outcome.errors.sort();
    return outcome;
}

} // namespace veltrane::assetgen
