#include "CityView.h"

#include "DisabledClick.h"
#include "WidgetKit.h"
#include "game/Trade.h"
#include "game/UpgradeShop.h"

#include <QSignalBlocker>

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
    // The name takes what the price leaves: the rows always fit, no sideways scrolling.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < list->columnCount(); ++c)
        list->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
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
        // Item by item: expandAll() would lay the hidden tree out at once.
        root->setExpanded(true);
    }

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
    // Always pressable: with nothing selected the game says so instead of a greyed-out button.
    MakeButton(transport_, "btnAcceptTransport", "Accept", QRect(360, 120, 150, 30));
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
    imlEquipment_ = &imlEquipment;
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

void CityView::Attach(TGame& game, TPictures pictures, const std::vector<QImage>& imlStatus) {
    game_ = &game;
    pictures_ = std::move(pictures);
    imlStatus_ = &imlStatus;
    Wire();
}

void CityView::Post(const TCommand& command) {
    if (game_)
        game_->Execute(command);
}

std::vector<int> CityView::SelectedRows(const char* name) const {
    std::vector<int> rows;
    const auto* list = findChild<QTreeWidget*>(name);
    for (int r = 0; list && r < list->topLevelItemCount(); ++r)
        if (list->topLevelItem(r)->isSelected())
            rows.push_back(r);
    return rows;
}

void CityView::Wire() {
    auto button = [this](const char* name, auto command) {
        if (auto* b = findChild<QPushButton*>(name))
            connect(b, &QPushButton::clicked, this, [this, command] { Post(command()); });
    };
    auto fixed = [](TCommandKind kind, const char* wish = "") {
        return [kind, wish] { return MakeCommand(kind, {}, wish); };
    };
    button("btnSellArtefacts", fixed(TCommandKind::Panel, "sell"));
    button("btnTransport", fixed(TCommandKind::Panel, "transport"));
    button("btnGetRefuel", fixed(TCommandKind::Panel, "refuel"));
    button("btnGetUpgrade", fixed(TCommandKind::Panel, "upgrade"));
    button("btnCityExit", fixed(TCommandKind::Back));
    button("btnCityInfo", fixed(TCommandKind::CityInfo));
    button("btnAlienInfo", fixed(TCommandKind::AlienInfo));
    for (const char* back : {"btnGoBack1", "btnGoBack2", "btnGoBack4", "btnGoBack6"})
        button(back, fixed(TCommandKind::GoBack));
    button("btnFillEnergy", fixed(TCommandKind::Fill));
    // Rows and nodes count from 1 in a command.
    auto fromOne = [](std::vector<int> rows) {
        for (int& r : rows)
            ++r;
        return rows;
    };
    button("btnSellSelection",
           [this, fromOne] { return MakeCommand(TCommandKind::Sell, fromOne(SelectedRows("lvwSellList"))); });
    button("btnAcceptTransport", [this, fromOne] {
        return MakeCommand(TCommandKind::Accept, fromOne(SelectedRows("lvwTransObjects")));
    });
    button("btnInstallItem", [this] {
        const std::vector<QTreeWidgetItem*> nodes = UpgradeNodesDepthFirst();
        std::vector<int> node;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i] == upgradeTree_->currentItem() && nodes[i]->isSelected())
                node = {static_cast<int>(i) + 1};
        return MakeCommand(TCommandKind::Install, node);
    });
    auto* sellList = findChild<QTreeWidget*>("lvwSellList");
    connect(sellList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (game_)
            findChild<QLabel*>("lblTotalProfit")
                ->setText(QString::fromStdString(SellTotal(game_->Ctx(), SelectedRows("lvwSellList"))));
    });
    DisabledClick::Attach(findChild<QPushButton*>("btnSellArtefacts"),
                          [this] { Post(MakeCommand(TCommandKind::Panel, {}, "sell")); });
    auto* slider = findChild<QSlider*>("srbRefuel");
    connect(slider, &QSlider::valueChanged, this, [this](int position) {
        if (game_ && position != game_->Session().Refuel.Position)
            Post(MakeCommand(TCommandKind::Slider, {position}));
    });
}

void CityView::Sync(const TSession& session) {
    const TCityVisit& visit = session.Visit;
    if (pictures_ && visit.CityImage > 0 && visit.CityImage != shownCityImage_) {
        shownCityImage_ = visit.CityImage;
        if (auto picture = pictures_("Cities/city" + std::to_string(visit.CityImage) + ".jpg", false))
            findChild<QLabel*>("imgCity")->setPixmap(QPixmap::fromImage(*picture));
    }
    if (pictures_ && visit.AlienRace > 0 && visit.AlienRace != shownRace_) {
        shownRace_ = visit.AlienRace;
        if (auto picture = pictures_("Aliens/alien" + std::to_string(visit.AlienRace) + ".jpg", false))
            findChild<QLabel*>("imgPerson")->setPixmap(QPixmap::fromImage(*picture));
    }
    person_->setText(QString::fromStdString(visit.Person));
    auto status = [this](int index) {
        return imlStatus_ && index >= 0 && index < static_cast<int>(imlStatus_->size())
                   ? QPixmap::fromImage((*imlStatus_)[static_cast<std::size_t>(index)])
                   : QPixmap();
    };
    findChild<QLabel*>("imgEcoIndex")->setPixmap(status(visit.EconomyKind));
    findChild<QLabel*>("imgPoliceIndex")->setPixmap(status(visit.PoliceLevel));
    findChild<QLabel*>("lblRefuelPrice")->setText(QString::fromStdString(visit.RefuelPrice));
    findChild<QPushButton*>("btnSellArtefacts")->setEnabled(visit.SellEnabled);
    findChild<QPushButton*>("btnGetUpgrade")->setVisible(visit.UpgradeOffered);

    // Lists are rebuilt only when their rows changed, so a selection survives other updates.
    auto fill = [](QTreeWidget* list, const std::vector<std::pair<std::string, std::string>>& rows) {
        bool same = list->topLevelItemCount() == static_cast<int>(rows.size());
        for (int r = 0; same && r < list->topLevelItemCount(); ++r)
            same = list->topLevelItem(r)->text(0).toStdString() == rows[static_cast<std::size_t>(r)].first &&
                   list->topLevelItem(r)->text(1).toStdString() == rows[static_cast<std::size_t>(r)].second;
        if (same)
            return;
        list->clear();
        for (const auto& [name, price] : rows)
            new QTreeWidgetItem(list, {QString::fromStdString(name), QString::fromStdString(price)});
    };
    std::vector<std::pair<std::string, std::string>> sellRows, offerRows;
    for (const TSellRow& row : visit.SellList)
        sellRows.emplace_back(row.Name, row.Price);
    for (const TTransportItem& offer : visit.Offers)
        offerRows.emplace_back(offer.Destination, offer.Price);
    fill(findChild<QTreeWidget*>("lvwSellList"), sellRows);
    fill(findChild<QTreeWidget*>("lvwTransObjects"), offerRows);
    findChild<QLabel*>("lblTotalProfit")->setText(QString::fromStdString(visit.TotalProfit));

    const TRefuelSlider& refuel = session.Refuel;
    auto* slider = findChild<QSlider*>("srbRefuel");
    {
        // The slider shows the session; only the player's own moves are commands.
        const QSignalBlocker quiet(slider);
        slider->setMaximum(refuel.Maximum);
        slider->setValue(refuel.Position);
    }
    findChild<QLabel*>("lblRefuelPercent")->setText(QString::fromStdString(refuel.PercentText));
    findChild<QLabel*>("lblRefuelCosts")->setText(QString::fromStdString(refuel.CostText));

    const std::vector<QTreeWidgetItem*> nodes = UpgradeNodesDepthFirst();
    for (std::size_t i = 0; i < nodes.size() && i < session.UpgradeTexts.size(); ++i)
        if (!session.UpgradeTexts[i].empty())
            nodes[i]->setText(0, QString::fromStdString(session.UpgradeTexts[i]));
    auto* config = findChild<QTreeWidget*>("lvwConfig");
    config->clear();
    for (const TEquipmentRow& row : EquipmentRows(session)) {
        auto* item = new QTreeWidgetItem(config, {QString::fromStdString(row.Text)});
        if (imlEquipment_ && row.Picture > 0 && row.Picture < static_cast<int>(imlEquipment_->size()))
            item->setIcon(0,
                          QIcon(QPixmap::fromImage((*imlEquipment_)[static_cast<std::size_t>(row.Picture)])));
    }

    QFrame* panels[] = {phrasesMain_, sell_, refuel_, upgrade_, transport_};
    ShowCityPanel(panels[static_cast<int>(visit.Panel)]);
}

} // namespace veltrane
