#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace veltrane {

// A planet's surface (pnlLandscape): the landscape picture with the cities,
// the artefact, the power pack, the alien module and a passing ship on it.
class LandscapeView : public QFrame {
    Q_OBJECT
  public:
    explicit LandscapeView(QWidget* parent = nullptr);

    QLabel* imgLandscape() const { return landscape_; }
    QLabel* imgCity(int n) const { return cities_.at(static_cast<std::size_t>(n - 1)); } // 1..6
    QLabel* imgArtefact() const { return artefact_; }
    QLabel* imgPowerPack() const { return powerPack_; }
    QLabel* imgAlienModule() const { return alienModule_; }
    QLabel* imgSpaceShip() const { return spaceShip_; }

  private:
    QLabel* landscape_;
    std::array<QLabel*, 6> cities_{};
    QLabel* artefact_;
    QLabel* powerPack_;
    QLabel* alienModule_;
    QLabel* spaceShip_;
};

} // namespace veltrane
