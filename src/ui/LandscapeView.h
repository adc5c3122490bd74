#pragma once

#include "core/Random.h"
#include "game/Game.h"

#include <QFrame>
#include <QImage>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace veltrane {

class TClickLabel;

// A planet's surface (pnlLandscape): the landscape picture with the cities,
// the artefact, the power pack, the alien module and a passing ship on it.
class LandscapeView : public QFrame {
    Q_OBJECT
  public:
    using TPictures = std::function<std::optional<QImage>(const std::string& relative, bool transparent)>;

    explicit LandscapeView(QWidget* parent = nullptr);

    void Attach(TGame& game, TPictures pictures);
    // Shows what the session says lies on the surface.
    void Sync(const TSurface& surface);
    // A new landing: the passing ship waits beyond the right edge.
    void ResetShip();
    // One frame of the passing ship; a ship that has crossed the sky comes
    // back from the left at another height, speed and look.
    void StepShip(TRandom& rng, const std::vector<QImage>& imlShips);

    QLabel* imgLandscape() const;
    QLabel* imgCity(int n) const; // 1..6
    QLabel* imgArtefact() const;
    QLabel* imgPowerPack() const;
    QLabel* imgAlienModule() const;
    QLabel* imgSpaceShip() const;
    int shipSpeed() const { return shipSpeed_; }

  private:
    void Post(TCommandKind kind, int number = -1);

    TGame* game_ = nullptr;
    TPictures pictures_;
    std::string shownLandscape_;
    bool shownMirrored_ = false;
    TClickLabel* landscape_;
    std::array<TClickLabel*, 6> cities_{};
    TClickLabel* artefact_;
    TClickLabel* powerPack_;
    TClickLabel* alienModule_;
    TClickLabel* spaceShip_;
    int shipSpeed_ = 5;
};

} // namespace veltrane
