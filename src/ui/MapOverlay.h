#pragma once

#include "game/Game.h"
#include "game/MapMarks.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

namespace veltrane {

class SectorMapView;

// Drawn over a sector map, above its markers: a ring round the selected
// system, a faint circle as far as the energy reaches, the headquarter and
// the destinations of carried jobs, and the name and distance of the marker
// under the pointer. It also takes the map's clicks, so a press within
// kClickReach pixels of a marker counts as a press on the nearest one; the
// markers themselves stay the small dots they are.
class MapOverlay : public QWidget {
    Q_OBJECT
  public:
    static constexpr qreal kClickReach = 12;

    explicit MapOverlay(SectorMapView& map);

    void Attach(const TGame& game) { game_ = &game; }
    // Repaints when anything it shows has changed since it was last drawn.
    void Refresh();

    struct TSpot {
        int System = 0;
        QPointF Centre;
    };
    // The system of the spot nearest to `at` within `reach` pixels of its
    // centre, 0 when none is that near. Of two equally near, the first.
    static int NearestMarker(const std::vector<TSpot>& spots, QPointF at, qreal reach = kClickReach);

    // What it shows now, as the player sees it.
    int HoveredSystem() const { return hovered_; }
    QString HoverText() const;
    int RingedSystem() const;
    // The reach circle's radius in map pixels; 0 when it is not drawn.
    int ReachRadius() const;
    std::vector<TMapMark> Marks() const;

  signals:
    // A press (twice: the second press of a double click) near marker `system`.
    void markerHit(int system, bool twice);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // Only the map of the sector the ship is in.
    bool Showing() const;
    std::vector<TSpot> Spots() const;
    QPointF Centre(int system) const;
    void Hover(QPointF at);
    std::string StateKey() const;

    SectorMapView& map_;
    const TGame* game_ = nullptr;
    int hovered_ = 0;
    QPointF pointer_;
    std::string drawnKey_;
};

} // namespace veltrane
