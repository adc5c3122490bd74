#pragma once

#include "core/World.h"
#include "game/Game.h"

#include <QFrame>
#include <QImage>

#include <vector>

class QLabel;

namespace veltrane {

class MapOverlay;
class TNewShape;

// One sector's map page (pnlSector1..4): the stretched nebula picture and one
// round marker per star system. A press on a marker selects its system, a
// double click flies there.
class SectorMapView : public QFrame {
    Q_OBJECT
  public:
    SectorMapView(int sector, QWidget* parent = nullptr);

    int sector() const { return sector_; }

    void setBackground(const QImage& picture);

    // Throws away the old markers for one per system of `systems`. They are
    // made when the page is first shown or asked for them: of the four maps
    // only the current one is needed at the start.
    void CreateMarkers(const TSector& systems);
    // Sizes, places and colours the existing markers from the systems again
    // (a loaded game): size held to 2..5, true colour left to the blinker.
    void RestoreMarkers(const TSector& systems);

    // The game a press on a marker goes to.
    void Attach(TGame& game);
    // Colours and visibility from the session: true colours, filters applied,
    // the blinker's dark phase undone.
    void Sync(const TSession& session);
    // The blinker's step for the marker of `system`.
    void Blink(int system);

    int markerCount() const;
    // 1-based like the systems; nullptr outside 1..markerCount().
    TNewShape* marker(int system) const;
    // The guidance drawn over the markers; it also takes the map's clicks.
    MapOverlay* overlay() const { return overlay_; }

  signals:
    void markerPressed(int sector, int system);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct MarkerPlace {
        int x, y, size;
        TColor colour;
    };

    void MarkerPressed(int system);
    // A press near marker `system`; `twice`: the second press of a double click.
    void MarkerHit(int system, bool twice);
    // Makes the markers CreateMarkers asked for, once.
    void EnsureMarkers() const;

    TGame* game_ = nullptr;
    int sector_;
    QLabel* background_;
    MapOverlay* overlay_;
    // Filled on demand by the const accessors too.
    mutable std::vector<TNewShape*> markers_;
    mutable std::vector<MarkerPlace> pending_;
};

} // namespace veltrane
