#pragma once

#include "core/World.h"

#include <QFrame>
#include <QImage>

#include <vector>

class QLabel;

namespace veltrane {

class TNewShape;

// One sector's map page (pnlSector1..4): the stretched nebula picture and one
// round marker per star system. Presses on markers are passed on with the
// system number; what a press means is decided by the window's rules.
class SectorMapView : public QFrame {
    Q_OBJECT
  public:
    SectorMapView(int sector, QWidget* parent = nullptr);

    int sector() const { return sector_; }

    void setBackground(const QImage& picture);

    // Throws away the old markers and makes one per system of `systems`.
    void CreateMarkers(const TSector& systems);
    // Sizes, places and colours the existing markers from the systems again
    // (a loaded game): size held to 2..5, true colour left to the blinker.
    void RestoreMarkers(const TSector& systems);

    int markerCount() const { return static_cast<int>(markers_.size()); }
    // 1-based like the systems; nullptr outside 1..markerCount().
    TNewShape* marker(int system) const;

  signals:
    void markerPressed(int sector, int system);

  private:
    int sector_;
    QLabel* background_;
    std::vector<TNewShape*> markers_;
};

} // namespace veltrane
