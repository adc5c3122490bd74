#pragma once

#include "game/Game.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>

#include <array>
#include <vector>

class QLabel;
class QPushButton;

namespace veltrane {

class Gauge;
class TClickLabel;

// The system page (pnlSystem): the sun, up to six planets, the SERO ship when
// the headquarter is here, and the scanner bar at the bottom. A click on a
// planet tells about it, a double click lands; the sun or a double click on
// empty space goes back to the map.
class SystemView : public QFrame {
    Q_OBJECT
  public:
    explicit SystemView(QWidget* parent = nullptr);

    void Attach(TGame& game) { game_ = &game; }
    // A planet picture with its dark backdrop faded out, so it sits on the
    // black page without a visible square.
    static QImage PlanetPicture(const QImage& picture);
    // A faint sky behind the system, drawn to the page's size; a null picture leaves it black.
    void SetBackdrop(const QImage& picture);
    // Places and shows the current system's planets and the SERO ship.
    void Sync(const TSession& session, const std::vector<QImage>& imlPlanets);

    QLabel* imgSun() const;
    QLabel* imgPlanet(int n) const; // 1..6
    QLabel* imgSEROShip() const;
    QLabel* imgScanner() const { return scanner_; }
    Gauge* gauScanner() const { return scanGauge_; }
    QPushButton* btnScan() const { return scan_; }

  signals:
    // A double click on the SERO ship: the window opens the headquarter.
    void headquarterVisit();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Post(TCommandKind kind, int number = -1);

    TGame* game_ = nullptr;
    QPixmap backdrop_;
    TClickLabel* sun_;
    std::array<TClickLabel*, 6> planets_{};
    TClickLabel* seroShip_;
    QFrame* scannerBar_;
    QLabel* scanTop_;
    Gauge* scanGauge_;
    QLabel* scanner_;
    QPushButton* scan_;
};

} // namespace veltrane
