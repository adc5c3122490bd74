#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace veltrane::assetgen {

// One file of the program folder, by its path relative to that folder ("Pics/Sun.jpg").
struct AssetFile {
    QString path;
    QByteArray bytes;
};

// A unit of generation. Some jobs make several files from one computation (a sector's plain
// and bright nebula). Jobs are independent, so they may run on any thread in any order.
struct AssetJob {
    QString name;
    // Text drawing stays on the main thread, where the font database lives.
    bool usesFonts = false;
    std::function<std::vector<AssetFile>()> make;
};

} // namespace veltrane::assetgen
