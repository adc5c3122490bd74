#include "CityView.h"

#include "WidgetKit.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>

namespace veltrane {

namespace {

// The equipment classes with their variants as the shop's tree lists them,
// and the imlEquipment picture of the class and of its first variant.
struct TUpgradeClass {
    const char* Name;
    int ClassPicture;
    int FirstVariantPicture;
    const char* Variants[3];
};

constexpr TUpgradeClass kUpgradeClasses[] = {
    {"Scanner", 1, 1, {"Basic", "Power", "Ultra"}},
    {"Energy Cell", 7, 7, {"Iron", "Silver", "Gold"}},
    {"Storage", 4, 4, {"Standard", "Omni", "Mega"}},
    {"Navigator", 10, 10, {"Simple", "Advanced", "Perfect"}},
    {"Hyperdrive", 13, 13, {"Single", "Double", "Triple"}},
};

QFrame* DialoguePanel(QWidget* parent, const char* name, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->resize(width, height);
    panel->hide();
    return panel;
}

QTreeWidget* ReportList(QWidget* parent, const char* name, const QStringList& columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

} // namespace

CityView::CityView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlCity");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(10, 14, 22));
    pal.setColor(QPalette::WindowText, QColor(220, 235, 240));
    setPalette(pal);
    resize(817, 450);

    BuildCityTop();

    phrases_ = new QFrame(this);
    phrases_->setObjectName("pnlPhrases");
    phrases_->setGeometry(0, 235, 817, 215);

    BuildPhrasesMain();
    BuildSellPanel();
    BuildRefuelPanel();
    BuildUpgradePanel();
    BuildTransportPanel();
    ShowCityPanel(phrasesMain_);
}

QFrame* CityView::BuildCityTop() {
    auto* top = new QFrame(this);
    top->setObjectName("pnlCityTop");
    top->setGeometry(0, 0, 817, 235);

    auto* city = new QLabel(top);
    city->setObjectName("imgCity");
    city->setGeometry(5, 5, 400, 225);
    city->setScaledContents(true);

    auto* personPicture = new QLabel(top);
    personPicture->setObjectName("imgPerson");
    personPicture->setGeometry(412, 5, 150, 180);
    personPicture->setScaledContents(true);

    person_ = MakeLabel(top, "lblPerson", "", QRect(570, 5, 240, 150));
    person_->setWordWrap(true);
    person_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* eco = new QLabel(top);
    eco->setObjectName("imgEcoIndex");
    eco->setGeometry(412, 195, 32, 32);
    auto* police = new QLabel(top);
    police->setObjectName("imgPoliceIndex");
    police->setGeometry(448, 195, 32, 32);
    MakeLabel(top, "lblPercentPrice", "Percent price: ", QRect(486, 190, 150, 18));
    MakeLabel(top, "lblRefuelPrice", "", QRect(486, 210, 150, 18));

    MakeButton(top, "btnCityInfo", "City info", QRect(640, 160, 170, 30));
    MakeButton(top, "btnAlienInfo", "Alien info", QRect(640, 196, 170, 30));
    return top;
}

void CityView::BuildPhrasesMain() {
    phrasesMain_ = DialoguePanel(phrases_, "pnlPhrasesMain", 440, 180);
    const char* wishes[][2] = {
        {"btnSellArtefacts", "I would like to sell artefacts."},
        {"btnTransport", "I would like to look for passengers."},
        {"btnGetRefuel", "I would like to refuel."},
        {"btnGetUpgrade", "I would like to upgrade my ship."},
        {"btnCityExit", "I would like to leave."},
    };
    int y = 5;
    for (const auto& wish : wishes) {
        QPushButton* b = MakeButton(phrasesMain_, wish[0], wish[1], QRect(10, y, 420, 30));
        b->setStyleSheet("text-align: left; padding-left: 8px;");
        y += 34;
    }
}

void CityView::BuildSellPanel() {
    sell_ = DialoguePanel(phrases_, "pnlSellArtefacts", 600, 200);
    QTreeWidget* list = ReportList(sell_, "lvwSellList", {"Name", "Price"});
    list->setGeometry(5, 5, 420, 190);
    list->setColumnWidth(0, 320);
    MakeLabel(sell_, "lblTotalProfit", "0 G$", QRect(435, 10, 160, 20));
    MakeButton(sell_, "btnSellSelection", "Sell", QRect(435, 120, 150, 30));
    MakeButton(sell_, "btnGoBack1", "Go back", QRect(435, 160, 150, 30));
}

void CityView::BuildRefuelPanel() {
    refuel_ = DialoguePanel(phrases_, "pnlRefuel", 520, 150);
    auto* slider = new QSlider(Qt::Horizontal, refuel_);
    slider->setObjectName("srbRefuel");
    slider->setRange(0, 100);
    slider->setGeometry(10, 10, 500, 24);
    MakeLabel(refuel_, "lblRefuelPercent", "0 %", QRect(10, 42, 240, 20));
    MakeLabel(refuel_, "lblRefuelCosts", "0 G$", QRect(260, 42, 250, 20));
    MakeButton(refuel_, "btnFillEnergy", "Fill energy", QRect(10, 100, 150, 30));
    MakeButton(refuel_, "btnGoBack2", "Go back", QRect(360, 100, 150, 30));
}

void CityView::BuildUpgradePanel() {
    upgrade_ = DialoguePanel(phrases_, "pnlUpgrade", 640, 205);
    upgradeTree_ = new QTreeWidget(upgrade_);
    upgradeTree_->setObjectName("trvUpgrade");
    upgradeTree_->setHeaderHidden(true);
    upgradeTree_->setGeometry(5, 5, 300, 195);
    int classPosition = 1;
    for (const TUpgradeClass& cls : kUpgradeClasses) {
        auto* root = new QTreeWidgetItem(upgradeTree_, QStringList{cls.Name});
        root->setData(0, kStateIndexRole, classPosition++);
        root->setData(0, kImageIndexRole, cls.ClassPicture);
        for (int v = 0; v < 3; ++v) {
            auto* variant = new QTreeWidgetItem(root, QStringList{cls.Variants[v]});
            variant->setData(0, kStateIndexRole, 0);
            variant->setData(0, kImageIndexRole, cls.FirstVariantPicture + v);
        }
    }
    upgradeTree_->expandAll();

    auto* equipment = new QGroupBox("Current equipment", upgrade_);
    equipment->setObjectName("gbxEquipment");
    equipment->setGeometry(315, 5, 200, 195);
    QTreeWidget* config = ReportList(equipment, "lvwConfig", {"Equipment"});
    config->setHeaderHidden(true);
    config->setGeometry(8, 22, 184, 165);

    MakeButton(upgrade_, "btnInstallItem", "Install item", QRect(525, 120, 110, 30));
    MakeButton(upgrade_, "btnGoBack4", "Go back", QRect(525, 160, 110, 30));
}

void CityView::BuildTransportPanel() {
    transport_ = DialoguePanel(phrases_, "pnlTransport", 520, 200);
    QTreeWidget* offers = ReportList(transport_, "lvwTransObjects", {"Destination", "Price"});
    offers->setGeometry(5, 5, 340, 190);
    offers->setColumnWidth(0, 220);
    QPushButton* accept = MakeButton(transport_, "btnAcceptTransport", "Accept", QRect(360, 120, 150, 30));
    accept->setEnabled(false);
    MakeButton(transport_, "btnGoBack6", "Go back", QRect(360, 160, 150, 30));
}

std::vector<QTreeWidgetItem*> CityView::UpgradeNodesDepthFirst() const {
    std::vector<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(upgradeTree_); *it; ++it)
        nodes.push_back(*it);
    return nodes;
}

void CityView::SetUpgradeCaptions(const std::vector<std::string>& captions) {
    const std::vector<QTreeWidgetItem*> nodes = UpgradeNodesDepthFirst();
    for (std::size_t i = 0; i < nodes.size() && i < captions.size(); ++i)
        nodes[i]->setText(0, QString::fromStdString(captions[i]));
}

void CityView::SetEquipmentPictures(const std::vector<QImage>& imlEquipment) {
    for (QTreeWidgetItem* node : UpgradeNodesDepthFirst()) {
        const int index = node->data(0, kImageIndexRole).toInt();
        if (index >= 1 && index < static_cast<int>(imlEquipment.size()))
            node->setIcon(0, QIcon(QPixmap::fromImage(imlEquipment[static_cast<std::size_t>(index)])));
    }
}

void CityView::ShowCityPanel(QFrame* panel) {
    for (QFrame* p : {phrasesMain_, sell_, refuel_, upgrade_, transport_})
        p->setVisible(p == panel);
    CentreInParent(panel);
}

} // namespace veltrane
