#pragma once

#include "core/World.h"
#include "game/Game.h"

#include <QFrame>
#include <QImage>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace veltrane {

// The bottom panel (pnlBottom): the captain, the info line, cargo and
// transport lists, the found alien modules, the galaxy box with the clock and
// the command buttons.
class StatusPanel : public QFrame {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent = nullptr);

    QLabel* imgBottomTop() const { return bottomTop_; }
    QLabel* imgBottomCenter() const { return bottomCenter_; }
    QLabel* imgBottomBottom() const { return bottomBottom_; }

    QLabel* lblCaptainTop() const { return captainName_; }
    QLabel* imgCaptain() const { return captain_; }
    QLabel* lblBudget() const { return budget_; }
    QLabel* lblInfo() const { return info_; }
    QTreeWidget* lvwCargo() const { return cargo_; }
    QTreeWidget* lvwTransDisplay() const { return transport_; }
    QLabel* imgModule(int n) const { return modules_.at(static_cast<std::size_t>(n - 1)); } // 1..4
    QLabel* lblGalaxyTop() const { return galaxy_; }
    // The current-sector ("b") or other-sector ("a") thumbnail of sector 1..4.
    QLabel* imgSector(int sector, bool current) const;
    QLabel* lblTime() const { return time_; }

    QPushButton* btnStarMap() const { return starMap_; }
    QPushButton* btnSystem() const { return system_; }
    QPushButton* btnOrder() const { return order_; }
    QPushButton* btnNavigator() const { return navigator_; }
    QPushButton* btnSector() const { return sector_; }

    // The rules the lists and module pictures run: a click on a list tells
    // about the cargo row selected, a click on a module switches its filter.
    void Attach(TGame& game);

    // The "a" (other sector) and "b" (current sector) thumbnails of the four sectors.
    void SetThumbnails(const std::array<QImage, 4>& other, const std::array<QImage, 4>& current);
    // The modules aboard; an owned module's hint also tells how to use it.
    void ShowModules(const std::array<bool, 4>& owned, const ITextSource& script);

    // The hold as the lists show it; `pictures` holds one picture per cargo item.
    void ShowCargo(const std::vector<TCargoItem>& cargo, const std::vector<QImage>& pictures);
    void ShowTransport(const std::vector<TTransportItem>& jobs, const std::vector<QImage>& imlTransport);

  private:
    void BuildCaptainBox();
    void BuildInfoLine();
    void BuildLists();
    void BuildModules();
    void BuildGalaxyBox();
    void BuildCommands();

    QLabel* bottomTop_ = nullptr;
    QLabel* bottomCenter_ = nullptr;
    QLabel* bottomBottom_ = nullptr;
    QLabel* captainName_ = nullptr;
    QLabel* captain_ = nullptr;
    QLabel* budget_ = nullptr;
    QLabel* info_ = nullptr;
    QTreeWidget* cargo_ = nullptr;
    QTreeWidget* transport_ = nullptr;
    std::array<QLabel*, 4> modules_{};
    QLabel* galaxy_ = nullptr;
    std::array<QLabel*, 8> thumbnails_{};
    QLabel* time_ = nullptr;
    QPushButton* starMap_ = nullptr;
    QPushButton* system_ = nullptr;
    QPushButton* order_ = nullptr;
    QPushButton* navigator_ = nullptr;
    QPushButton* sector_ = nullptr;
};

} // namespace veltrane
