#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;

namespace veltrane {

class Gauge;

// The system page (pnlSystem): the sun, up to six planets, the SERO ship when
// the headquarter is here, and the scanner bar at the bottom.
class SystemView : public QFrame {
    Q_OBJECT
  public:
    explicit SystemView(QWidget* parent = nullptr);

    QLabel* imgSun() const { return sun_; }
    QLabel* imgPlanet(int n) const { return planets_.at(static_cast<std::size_t>(n - 1)); } // 1..6
    QLabel* imgSEROShip() const { return seroShip_; }
    QLabel* imgScanner() const { return scanner_; }
    Gauge* gauScanner() const { return scanGauge_; }
    QPushButton* btnScan() const { return scan_; }

  private:
    QLabel* sun_;
    std::array<QLabel*, 6> planets_{};
    QLabel* seroShip_;
    QFrame* scannerBar_;
    QLabel* scanTop_;
    Gauge* scanGauge_;
    QLabel* scanner_;
    QPushButton* scan_;
};

} // namespace veltrane
