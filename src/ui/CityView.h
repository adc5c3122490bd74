#pragma once

#include "game/Game.h"

#include <QFrame>
#include <QImage>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace veltrane {

// A capital city (pnlCity): the city and its person at the top, and below the
// dialogue area pnlPhrases with the wish panels, of which one shows at a time.
class CityView : public QFrame {
    Q_OBJECT
  public:
    explicit CityView(QWidget* parent = nullptr);

    QFrame* pnlPhrases() const { return phrases_; }
    QFrame* pnlPhrasesMain() const { return phrasesMain_; }
    QFrame* pnlSellArtefacts() const { return sell_; }
    QFrame* pnlRefuel() const { return refuel_; }
    QFrame* pnlUpgrade() const { return upgrade_; }
    QFrame* pnlTransport() const { return transport_; }
    QLabel* lblPerson() const { return person_; }
    QTreeWidget* trvUpgrade() const { return upgradeTree_; }

    // Every node of the upgrade tree, parents before their children.
    std::vector<QTreeWidgetItem*> UpgradeNodesDepthFirst() const;
    // Node texts in depth-first order; extra captions are ignored, missing ones
    // leave their nodes as they are.
    void SetUpgradeCaptions(const std::vector<std::string>& captions);

    // Gives every upgrade node the imlEquipment picture it names.
    void SetEquipmentPictures(const std::vector<QImage>& imlEquipment);

    // Makes `panel` the one visible dialogue panel and centres it.
    void ShowCityPanel(QFrame* panel);

    using TPictures = std::function<std::optional<QImage>(const std::string& relative, bool transparent)>;
    // The rules the page's buttons and lists run, and where its pictures come from.
    void Attach(TGame& game, TPictures pictures, const std::vector<QImage>& imlStatus);
    // Shows the visit as the session has it.
    void Sync(const TSession& session);

  private:
    QFrame* BuildCityTop();
    void Wire();
    std::vector<int> SelectedRows(const char* list) const;
    void Post(const TCommand& command);

    TGame* game_ = nullptr;
    TPictures pictures_;
    const std::vector<QImage>* imlStatus_ = nullptr;
    const std::vector<QImage>* imlEquipment_ = nullptr;
    int shownCityImage_ = -1;
    int shownRace_ = -1;
    void BuildPhrasesMain();
    void BuildSellPanel();
    void BuildRefuelPanel();
    void BuildUpgradePanel();
    void BuildTransportPanel();

    QFrame* phrases_ = nullptr;
    QFrame* phrasesMain_ = nullptr;
    QFrame* sell_ = nullptr;
    QFrame* refuel_ = nullptr;
    QFrame* upgrade_ = nullptr;
    QFrame* transport_ = nullptr;
    QLabel* person_ = nullptr;
    QTreeWidget* upgradeTree_ = nullptr;
};

} // namespace veltrane
