#pragma once

#include "AssetJob.h"

#include <QStringList>

namespace veltrane::assetgen {

// Runs generation jobs and writes their files below one folder.
class AssetRun {
  public:
    struct Outcome {
        int filesWritten = 0;
        QStringList errors;
    };

    // Up to `threads` workers; the bytes of every file do not depend on the thread count.
    static Outcome run(const std::vector<AssetJob>& jobs, const QString& outDir, int threads);

  private:
    static QString writeFiles(const QString& outDir, const std::vector<AssetFile>& files, int& written);
};

} // namespace veltrane::assetgen
