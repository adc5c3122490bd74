#pragma once

#include "PictureSource.h"
#include "core/World.h"

#include <QImage>

#include <array>
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
    // "Pics/Sector<A..D><1|2>.jpg": the map and the current-sector thumbnail of each sector.
    bool LoadSectorMaps();
    // One picture per artefact aboard, decoded once while it stays aboard.
    const std::vector<QImage>& CargoPictures(const std::vector<TCargoItem>& cargo);
    void ForgetCargo();

    std::vector<QImage> Tunnel, Planets, Ships, Transport, Equipment, Status;
    std::array<QImage, kSectorCount> Maps{};
    std::array<QImage, kSectorCount> CurrentMaps{};
    std::vector<QImage> Artefacts;

  private:
    bool LoadList(std::vector<QImage>& list, const char* stem, const char* extension, int first, int last,
                  bool transparent);

    PictureSource& pictures_;
    std::vector<int> artefactNumbers_; // behind each of Artefacts
};

} // namespace veltrane
