#pragma once

#include "PictureSource.h"
#include "core/World.h"

#include <QImage>
#include <QSize>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace veltrane {

// The main window's picture lists: the tunnel frames, planets, passing ships,
// transport icons, equipment and status icons, the sector maps and the
// pictures of the artefacts aboard. A list that stops at a missing file is
// emptied again (the file was reported), so the next try starts over.
class PictureLists {
  public:
    explicit PictureLists(PictureSource& pictures) : pictures_(pictures) {}

    // Equipment (counting from 1, slot 0 empty) and status icons; missing
    // pictures leave empty slots so indices stay valid.
    void LoadIcons();
    // Tunnel, planets, ships and transport, once per run; false when a file is missing.
    bool LoadGameLists();
    // "Pics/Sector<A..D><1|2>.jpg": each sector's thumbnail and current-sector
    // thumbnail at `thumbnail` size, and the whole map of `currentSector`; the
    // other maps wait until they are shown. False when a file is missing.
    bool LoadSectorMaps(int currentSector, QSize thumbnail);
    // The whole map of `sector` (1-4), decoded once per game when first needed;
    // nothing when its file is missing (reported).
    const QImage* SectorMap(int sector);
    // One picture per artefact aboard, decoded once while it stays aboard.
    const std::vector<QImage>& CargoPictures(const std::vector<TCargoItem>& cargo);
    void ForgetCargo();

    std::vector<QImage> Tunnel, Planets, Ships, Transport, Equipment, Status;
    std::array<QImage, kSectorCount> Thumbnails{};
    std::array<QImage, kSectorCount> CurrentThumbnails{};
    std::vector<QImage> Artefacts;

  private:
    bool LoadList(std::vector<QImage>& list, const char* stem, const char* extension, int first, int last,
                  bool transparent);

    static std::string SectorFile(int sector, int variant);

    PictureSource& pictures_;
    std::array<std::optional<QImage>, kSectorCount> maps_{};
    std::vector<int> artefactNumbers_; // behind each of Artefacts
};

} // namespace veltrane
