#include "AssetCatalogue.h"

#include "ImageFiles.h"
#include "LandscapePainter.h"
#include "PlanetPainter.h"
#include "SpacePainter.h"

namespace veltrane::assetgen {

namespace {

AssetFile jpegFile(const QString& path, const QImage& image) {
    return {path, ImageFiles::jpeg(image)};
}

AssetFile bmpFile(const QString& path, const QImage& image) {
    return {path, ImageFiles::bmp(image)};
}

// A job that makes one picture.
template <typename Paint>
AssetJob picture(const QString& path, bool jpeg, Paint paint, bool usesFonts = false) {
    return {path, usesFonts, [path, jpeg, paint] {
                const QImage image = paint();
                return std::vector<AssetFile>{jpeg ? jpegFile(path, image) : bmpFile(path, image)};
            }};
}

} // namespace

std::vector<AssetJob> AssetCatalogue::jobs() {
    std::vector<AssetJob> jobs;
    for (int n = 1; n <= 24; ++n) {
        jobs.push_back(
            picture(QString("Planets/planet%1.jpg").arg(n), true, [n] { return PlanetPainter::paint(n); }));
    }
    for (int type = 1; type <= 8; ++type) {
        for (int n = 1; n <= 10; ++n) {
            jobs.push_back(picture(QString("Landscapes/type%1/landscape%2.jpg").arg(type).arg(n), true,
                                   [type, n] { return LandscapePainter::paint(type, n); }));
        }
    }
    for (int sector = 1; sector <= 4; ++sector) {
        const QString letter(QChar('A' + sector - 1));
        jobs.push_back({"Pics/Sector" + letter, false, [sector, letter] {
                            const auto [plain, bright] = SpacePainter::nebula(sector);
                            return std::vector<AssetFile>{jpegFile("Pics/Sector" + letter + "1.jpg", plain),
                                                          jpegFile("Pics/Sector" + letter + "2.jpg", bright)};
                        }});
    }
    for (int n = 1; n <= SpacePainter::kTunnelFrames; ++n) {
        jobs.push_back(
            picture(QString("Pics/tunnel%1.bmp").arg(n), false, [n] { return SpacePainter::tunnel(n); }));
    }
    for (int n = 1; n <= 3; ++n) {
        jobs.push_back(picture(QString("Pics/bg%1.jpg").arg(n), true, [n] { return SpacePainter::tile(n); }));
    }
    jobs.push_back(picture("Pics/Sun.jpg", true, [] { return SpacePainter::sun(); }));
    return jobs;
}

} // namespace veltrane::assetgen
