#include "PictureLists.h"

#include "SystemView.h"

#include <algorithm>
#include <string>

namespace veltrane {

bool PictureLists::LoadList(std::vector<QImage>& list, const char* stem, const char* extension, int first,
                            int last, bool transparent) {
    for (int n = first; n <= last; ++n) {
        auto picture = pictures_.Load(stem + std::to_string(n) + extension, transparent);
        if (!picture)
            return false; // reported; the rest of this loading is skipped
        list.push_back(std::move(*picture));
    }
    return true;
}

void PictureLists::LoadIcons() {
    Equipment.assign(1, QImage());
    if (!LoadList(Equipment, "Pics/equip", ".bmp", 1, 15, true))
        Equipment.resize(16);
    Status.clear();
    if (!LoadList(Status, "Pics/status", ".bmp", 0, 2, true))
        Status.resize(3);
}

bool PictureLists::LoadGameLists() {
    auto load = [this](std::vector<QImage>& list, const char* stem, const char* ext, int last,
                       bool transparent) {
        list.clear();
        if (LoadList(list, stem, ext, 1, last, transparent))
            return true;
        list.clear();
        return false;
    };
    if (!load(Tunnel, "Pics/tunnel", ".bmp", 4, false) ||
        !load(Planets, "Planets/planet", ".jpg", 24, false) || !load(Ships, "Pics/ship", ".bmp", 12, true) ||
        !load(Transport, "Pics/transport", ".bmp", 10, true)) {
        Tunnel.clear();
        return false;
    }
    for (QImage& planet : Planets)
        planet = SystemView::PlanetPicture(planet);
    return true;
}

std::string PictureLists::SectorFile(int sector, int variant) {
    return "Pics/Sector" + std::string(1, static_cast<char>('A' + sector - 1)) + std::to_string(variant) +
           ".jpg";
}

bool PictureLists::LoadSectorMaps(int currentSector, QSize thumbnail) {
    // Eight whole maps took more of the start-up than everything else the
    // window does; the maps of the other sectors are seldom all visited.
    maps_.fill(std::nullopt);
    for (int s = 1; s <= kSectorCount; ++s) {
        const auto slot = static_cast<std::size_t>(s - 1);
        std::optional<QImage> normal;
        if (s == currentSector) {
            maps_[slot] = pictures_.Load(SectorFile(s, 1));
            if (maps_[slot])
                normal = maps_[slot]->scaled(thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            normal = pictures_.LoadThumbnail(SectorFile(s, 1), thumbnail);
        }
        auto current = normal ? pictures_.LoadThumbnail(SectorFile(s, 2), thumbnail) : std::nullopt;
        if (!normal || !current)
            return false;
        Thumbnails[slot] = *normal;
        CurrentThumbnails[slot] = *current;
    }
    return true;
}

const QImage* PictureLists::SectorMap(int sector) {
    if (sector < 1 || sector > kSectorCount)
        return nullptr;
    std::optional<QImage>& map = maps_[static_cast<std::size_t>(sector - 1)];
    if (!map)
        map = pictures_.Load(SectorFile(sector, 1));
    return map ? &*map : nullptr;
}

const std::vector<QImage>& PictureLists::CargoPictures(const std::vector<TCargoItem>& cargo) {
    std::vector<QImage> pictures;
    std::vector<int> numbers;
    for (const TCargoItem& item : cargo) {
        auto known = std::find(artefactNumbers_.begin(), artefactNumbers_.end(), item.StateIndex);
        std::optional<QImage> picture;
        if (known != artefactNumbers_.end())
            picture = Artefacts[static_cast<std::size_t>(known - artefactNumbers_.begin())];
        else
            picture = pictures_.Load("Artefacts/artefact" + std::to_string(item.StateIndex) + ".bmp", true);
        pictures.push_back(picture ? *picture : QImage());
        numbers.push_back(item.StateIndex);
    }
    Artefacts = std::move(pictures);
    artefactNumbers_ = std::move(numbers);
    return Artefacts;
}

void PictureLists::ForgetCargo() {
    Artefacts.clear();
    artefactNumbers_.clear();
}

} // namespace veltrane
