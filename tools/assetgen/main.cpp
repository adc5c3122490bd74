// veltrane-assetgen: paints and synthesises every picture and sound of the game into a folder.
#include "AssetCatalogue.h"
#include "AssetRun.h"

#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

using namespace veltrane::assetgen;

namespace {

void usage() {
    std::fprintf(stderr, "usage: veltrane-assetgen --out DIR [--threads N] [--only REGEX] [--icons]\n");
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    QString outDir;
    int threads = 2;
    QString only;
    bool icons = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--out" && i + 1 < args.size()) {
            outDir = args[++i];
        } else if (a == "--threads" && i + 1 < args.size()) {
            threads = args[++i].toInt();
        } else if (a == "--only" && i + 1 < args.size()) {
            only = args[++i];
        } else if (a == "--icons") {
            icons = true; // the desktop icon set instead of the program folder
        } else {
            usage();
            return 2;
        }
    }
    if (outDir.isEmpty() || threads < 1) {
        usage();
        return 2;
    }

    std::vector<AssetJob> jobs = icons ? AssetCatalogue::desktopIcons() : AssetCatalogue::jobs();
    if (!only.isEmpty()) {
        const QRegularExpression pattern(only);
        if (!pattern.isValid()) {
            std::fprintf(stderr, "veltrane-assetgen: bad --only pattern: %s\n",
                         qPrintable(pattern.errorString()));
            return 2;
        }
        std::erase_if(jobs, [&](const AssetJob& job) { return !pattern.match(job.name).hasMatch(); });
    }

    const AssetRun::Outcome outcome = AssetRun::run(jobs, outDir, threads);
    for (const QString& error : outcome.errors) {
        std::fprintf(stderr, "veltrane-assetgen: %s\n", qPrintable(error));
    }
    std::printf("veltrane-assetgen: %d files written to %s\n", outcome.filesWritten, qPrintable(outDir));
    return outcome.errors.isEmpty() ? 0 : 1;
}
