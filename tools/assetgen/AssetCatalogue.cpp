#include "AssetCatalogue.h"

#include "AppIconPainter.h"
#include "ArtefactPainter.h"
#include "CityPainter.h"
#include "CraftPainter.h"
#include "IconPainter.h"
#include "ImageFiles.h"
#include "InterfacePainter.h"
#include "LandscapePainter.h"
#include "PlanetPainter.h"
#include "PortraitPainter.h"
#include "SoundSynth.h"
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
    jobs.push_back(picture("Pics/SystemBg.jpg", true, [] { return SpacePainter::systemBackdrop(); }));
    for (int n = 1; n <= 100; ++n) {
        jobs.push_back(picture(QString("Artefacts/artefact%1.bmp").arg(n), false,
                               [n] { return ArtefactPainter::paint(n); }));
    }
    for (int n = 1; n <= 12; ++n) {
        jobs.push_back(
            picture(QString("Pics/ship%1.bmp").arg(n), false, [n] { return CraftPainter::ship(n); }));
    }
    jobs.push_back(picture(
        "Pics/Seroship.bmp", false, [] { return CraftPainter::seroShip(); }, true));
    for (int n = 1; n <= 4; ++n) {
        jobs.push_back(
            picture(QString("Pics/module%1.bmp").arg(n), false, [n] { return CraftPainter::module(n); }));
    }
    jobs.push_back(picture("Pics/powerup.bmp", false, [] { return CraftPainter::powerPack(); }));
    for (int n = 1; n <= 10; ++n) {
        jobs.push_back(picture(QString("Pics/transport%1.bmp").arg(n), false,
                               [n] { return IconPainter::transport(n); }));
    }
    for (int n = 1; n <= 15; ++n) {
        jobs.push_back(
            picture(QString("Pics/equip%1.bmp").arg(n), false, [n] { return IconPainter::equipment(n); }));
    }
    for (int n = 0; n <= 2; ++n) {
        jobs.push_back(
            picture(QString("Pics/status%1.bmp").arg(n), false, [n] { return IconPainter::status(n); }));
    }
    for (const QString name : {"Map", "System", "Order", "Navigator"}) {
        jobs.push_back(
            picture("Pics/btn" + name + ".bmp", false, [name] { return IconPainter::button(name); }));
    }
    for (int n = 1; n <= 3; ++n) {
        jobs.push_back(picture(QString("Pics/NavPic%1.bmp").arg(n), false,
                               [n] { return InterfacePainter::navigator(n); }));
    }
    for (int n = 0; n <= 1; ++n) {
        jobs.push_back(picture(QString("Pics/NavIcon%1.bmp").arg(n), false,
                               [n] { return IconPainter::navigatorList(n); }));
    }
    for (int n = 1; n <= 8; ++n) {
        jobs.push_back(
            picture(QString("Pics/arrow%1.jpg").arg(n), true, [n] { return IconPainter::arrow(n); }));
    }
    jobs.push_back(picture("Pics/TopLeft.jpg", true, [] { return InterfacePainter::topCorner(false); }));
    jobs.push_back(picture("Pics/TopRight.jpg", true, [] { return InterfacePainter::topCorner(true); }));
    jobs.push_back(picture("Pics/TitleBg.jpg", true, [] { return InterfacePainter::titleBackground(); }));
    jobs.push_back(picture(
        "Pics/Logo.bmp", false, [] { return InterfacePainter::logo(); }, true));
    jobs.push_back(picture("Pics/PanelLeft.jpg", true, [] { return InterfacePainter::sidePanel(false); }));
    jobs.push_back(picture("Pics/PanelRight.jpg", true, [] { return InterfacePainter::sidePanel(true); }));
    jobs.push_back(picture("Pics/BottomTop.jpg", true, [] { return InterfacePainter::bottomTop(); }));
    jobs.push_back(picture("Pics/BottomCenter.jpg", true, [] { return InterfacePainter::bottomCenter(); }));
    jobs.push_back(picture("Pics/BottomBottom.jpg", true, [] { return InterfacePainter::bottomBottom(); }));
    jobs.push_back(picture("Pics/MsgBack.jpg", true, [] { return InterfacePainter::messageBack(); }));
    jobs.push_back(picture("Pics/MsgText.jpg", true, [] { return InterfacePainter::messageText(); }));
    jobs.push_back(picture("Pics/About.jpg", true, [] { return InterfacePainter::aboutBack(); }));
    for (int n = 1; n <= 30; ++n) {
        jobs.push_back(
            picture(QString("Aliens/alien%1.jpg").arg(n), true, [n] { return PortraitPainter::alien(n); }));
    }
    for (int n = 1; n <= 4; ++n) {
        jobs.push_back(
            picture(QString("Pics/Captain%1.jpg").arg(n), true, [n] { return PortraitPainter::captain(n); }));
    }
    jobs.push_back(picture("Pics/President.jpg", true, [] { return PortraitPainter::president(); }));
    for (int n = 1; n <= 29; ++n) {
        jobs.push_back(
            picture(QString("Cities/city%1.jpg").arg(n), true, [n] { return CityPainter::inside(n); }));
    }
    for (int n = 1; n <= 10; ++n) {
        jobs.push_back(
            picture(QString("Pics/city%1.bmp").arg(n), false, [n] { return CityPainter::silhouette(n); }));
    }
    for (const QString name : {"button", "good", "bad", "goodmsg", "badmsg", "install", "fanfare"}) {
        jobs.push_back({"Sounds/" + name + ".wav", false, [name] {
                            return std::vector<AssetFile>{
                                {"Sounds/" + name + ".wav", SoundFiles::wav(SoundSynth::effect(name))}};
                        }});
    }
    jobs.push_back(
        {"Sounds/trance.mp3", false, [] {
             return std::vector<AssetFile>{{"Sounds/trance.mp3", SoundFiles::mp3(SoundSynth::trance(), 160)}};
         }});
    jobs.push_back({"Sounds/space_loop.mp3", false, [] {
                        return std::vector<AssetFile>{
                            {"Sounds/space_loop.mp3",
                             SoundFiles::mp3(SoundSynth::encoderInputForLoop(SoundSynth::spaceLoop()), 128)}};
                    }});
    return jobs;
}

std::vector<AssetJob> AssetCatalogue::desktopIcons() {
    std::vector<AssetJob> jobs;
    for (const int size : AppIconPainter::kSizes) {
        const QString path = QString("hicolor/%1x%1/apps/veltrane.png").arg(size);
        jobs.push_back(
            {path, false, [path, size] {
                 return std::vector<AssetFile>{{path, ImageFiles::png(AppIconPainter::paint(size))}};
             }});
    }
    return jobs;
}

} // namespace veltrane::assetgen
