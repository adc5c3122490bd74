#include "StatusPanel.h"

#include "ClickLabel.h"
#include "DisabledClick.h"
#include "WidgetKit.h"
#include "game/Landing.h"
#include "lang/TextCatalogue.h"

#include <QHeaderView>
#include <QPainter>
#include <QTreeWidget>

namespace veltrane {

namespace {

// A rounded frame drawn behind a box of the panel (the design's shapes).
// Painted by hand: a style sheet would give the whole panel Qt's slower
// style-sheet style.
class RoundedShape : public QFrame {
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(110, 200, 220, 150));
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    }
};

QFrame* RoundedBox(QWidget* parent, const char* name, const QRect& where) {
    auto* shape = new RoundedShape(parent);
    shape->setObjectName(name);
    shape->setGeometry(where);
    return shape;
}

QFrame* Inner(QWidget* parent, const char* name, const QRect& where, QFrame::Shadow shadow, int bevel) {
    auto* inner = new QFrame(parent);
    inner->setObjectName(name);
    inner->setGeometry(where);
    inner->setFrameShape(QFrame::Panel);
    inner->setFrameShadow(shadow);
    inner->setLineWidth(bevel);
    return inner;
}

QTreeWidget* StatusList(QWidget* parent, const char* name, const QStringList& columns,
                        const QList<int>& widths, const QColor& colour) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setHeaderHidden(true);
    for (int i = 0; i < widths.size(); ++i)
        list->setColumnWidth(i, widths[i]);
    list->setRootIsDecorated(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setIconSize(QSize(16, 16));
    list->setFocusPolicy(Qt::NoFocus);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Text, Qt::black);
    list->setPalette(pal);
    list->setGeometry(parent->rect());
    return list;
}

QPushButton* CommandButton(QWidget* parent, const char* name, const QString& hint, const QRect& where) {
    QPushButton* button = MakeButton(parent, name, "", where);
    button->setToolTip(hint);
    button->setIconSize(QSize(32, 28));
    return button;
}

} // namespace

StatusPanel::StatusPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlBottom");
    resize(900, 205);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(28, 34, 44));
    setPalette(pal);

    bottomTop_ = MakePicture(this, "imgBottomTop", QRect(0, 0, 900, 12), true);
    bottomCenter_ = MakePicture(this, "imgBottomCenter", QRect(0, 12, 900, 180), true);
    bottomBottom_ = MakePicture(this, "imgBottomBotttom", QRect(0, 192, 900, 13), true);

    BuildCaptainBox();
    BuildInfoLine();
    BuildLists();
    BuildModules();
    BuildGalaxyBox();
    BuildCommands();
}

void StatusPanel::BuildCaptainBox() {
    RoundedBox(this, "shpCaptain", QRect(2, 17, 139, 173));
    captainName_ = MakeLabel(this, "lblCaptainTop", "", QRect(7, 17, 130, 17));
    captainName_->setAlignment(Qt::AlignCenter);
    QFrame* frame = Inner(this, "pnlImgCaptain", QRect(17, 34, 109, 140), QFrame::Sunken, 1);
    captain_ = MakePicture(frame, "imgCaptain", frame->contentsRect(), true);
    budget_ = MakeLabel(this, "lblBudget", "", QRect(7, 172, 130, 17));
    budget_->setAlignment(Qt::AlignCenter);
}

void StatusPanel::BuildInfoLine() {
    MakeLabel(this, "lblInfoTop", "Info", QRect(149, 17, 55, 17));
    QFrame* screen = Inner(this, "pnlScreenInner", QRect(208, 18, 569, 47), QFrame::Sunken, 4);
    screen->setAutoFillBackground(true);
    QPalette pal = screen->palette();
    pal.setColor(QPalette::Window, Qt::black);
    screen->setPalette(pal);
    info_ = MakeLabel(screen, "lblInfo", "", QRect(10, 6, 549, 34));
    info_->setAlignment(Qt::AlignCenter);
    info_->setWordWrap(true);
    QPalette infoPal = info_->palette();
    infoPal.setColor(QPalette::WindowText, Qt::white);
    infoPal.setColor(QPalette::Disabled, QPalette::WindowText, Qt::white);
    info_->setPalette(infoPal);
}

void StatusPanel::BuildLists() {
    MakeLabel(this, "lblCargoTop", "Cargo", QRect(152, 71, 100, 17));
    QFrame* cargoBox = Inner(this, "pnlCargoInner", QRect(151, 88, 258, 100), QFrame::Plain, 0);
    cargo_ = StatusList(cargoBox, "lvwCargo", {"Name"}, {230}, QColor(192, 220, 192));

    MakeLabel(this, "lblTransport", "Transport", QRect(416, 71, 150, 17));
    QFrame* transportBox = Inner(this, "pnlTransportInner", QRect(416, 88, 153, 100), QFrame::Plain, 0);
    transport_ = StatusList(transportBox, "lvwTransDisplay", {"Destination", "Price"}, {100, 40},
                            QColor(166, 202, 240));
}

void StatusPanel::BuildModules() {
    MakeLabel(this, "lblModules", "Modules", QRect(576, 71, 70, 17));
    QFrame* box = Inner(this, "pnlModules", QRect(576, 88, 65, 100), QFrame::Sunken, 1);
    const int tops[] = {4, 27, 50, 73};
    for (int n = 1; n <= 4; ++n) {
        const QByteArray name = QString("imgModule%1").arg(n).toLatin1();
        QLabel* module = MakePicture(box, name.constData(), QRect(8, tops[n - 1], 48, 24));
        module->setAttribute(Qt::WA_TranslucentBackground);
        module->hide();
        modules_[static_cast<std::size_t>(n - 1)] = module;
    }
}

void StatusPanel::BuildGalaxyBox() {
    galaxy_ = MakeLabel(this, "lblGalaxyTop", "Galaxy", QRect(650, 71, 130, 17));
    auto* box = new QFrame(this);
    box->setObjectName("pnlGalaxyInner");
    box->setGeometry(650, 90, 127, 79);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(pal);

    const QPoint places[] = {{34, 5}, {67, 5}, {34, 38}, {67, 38}};
    for (int s = 1; s <= 4; ++s) {
        const QPoint at = places[s - 1];
        for (bool current : {false, true}) {
            const QByteArray name = QString("imgSector%1%2").arg(s).arg(current ? 'b' : 'a').toLatin1();
            QLabel* thumb = MakePicture(box, name.constData(), QRect(at, QSize(34, 34)), true);
            thumbnails_[static_cast<std::size_t>((s - 1) * 2 + (current ? 1 : 0))] = thumb;
        }
        const QByteArray name = QString("lblSector%1").arg(s).toLatin1();
        QLabel* label =
            MakeLabel(box, name.constData(), QString::number(s), QRect(at + QPoint(3, 1), QSize(12, 16)));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->raise();
    }
    time_ = MakeLabel(this, "lblTime", "00:00:00", QRect(650, 168, 127, 20));
}

void StatusPanel::BuildCommands() {
    RoundedBox(this, "shpCommands", QRect(782, 17, 111, 173));
    QLabel* title = MakeLabel(this, "lblCommands", "Commands", QRect(784, 20, 107, 17));
    title->setAlignment(Qt::AlignCenter);
    starMap_ = CommandButton(this, "btnStarMap", "Map", QRect(790, 44, 45, 37));
    system_ = CommandButton(this, "btnSystem", "System", QRect(842, 44, 45, 37));
    order_ = CommandButton(this, "btnOrder", "Order", QRect(790, 88, 45, 37));
    navigator_ = CommandButton(this, "btnNavigator", "Navigation", QRect(842, 88, 45, 37));
    sector_ = MakeButton(this, "btnSector", "Change sector", QRect(788, 134, 100, 37));
}

QLabel* StatusPanel::imgSector(int sector, bool current) const {
    return thumbnails_.at(static_cast<std::size_t>((sector - 1) * 2 + (current ? 1 : 0)));
}

void StatusPanel::Attach(TGame& game) {
    // Both lists tell about the cargo row selected.
    auto cargoInfo = [this, &game] {
        const QModelIndex row = cargo_->currentIndex();
        const bool selected = row.isValid() && cargo_->selectionModel()->isSelected(row);
        game.Execute(MakeCommand(TCommandKind::Cargo,
                                 selected ? std::vector<int>{row.row() + 1} : std::vector<int>{}));
    };
    connect(cargo_, &QTreeWidget::itemClicked, this, cargoInfo);
    connect(transport_, &QTreeWidget::itemClicked, this, cargoInfo);
    for (int n = 1; n <= kModuleCount; ++n)
        if (auto* module = qobject_cast<TClickLabel*>(imgModule(n)))
            connect(module, &TClickLabel::clicked, this,
                    [&game, n] { game.Execute(MakeCommand(TCommandKind::Filter, {n})); });
    // Away from the map the sector button is greyed out; pressed anyway, the game says why.
    DisabledClick::Attach(sector_, [&game] { game.Execute(MakeCommand(TCommandKind::Sector)); });
}

void StatusPanel::SetThumbnails(const std::array<QImage, 4>& other, const std::array<QImage, 4>& current) {
    for (int s = 1; s <= 4; ++s) {
        imgSector(s, false)->setPixmap(QPixmap::fromImage(other[static_cast<std::size_t>(s - 1)]));
        imgSector(s, true)->setPixmap(QPixmap::fromImage(current[static_cast<std::size_t>(s - 1)]));
    }
}

void StatusPanel::ShowModules(const std::array<bool, 4>& owned, const ITextSource& script) {
    for (int n = 1; n <= 4; ++n) {
        const bool aboard = owned[static_cast<std::size_t>(n - 1)];
        imgModule(n)->setVisible(aboard);
        std::string tip = ModuleDescription(script, n);
        // Appended piecewise: GCC 12 misreads `" " + std::string&&` as an overlapping copy.
        if (aboard)
            tip.append(" ").append(Lookup(script, texts::ClickEnable));
        imgModule(n)->setToolTip(QString::fromStdString(tip));
    }
}

void StatusPanel::ShowCargo(const std::vector<TCargoItem>& cargo, const std::vector<QImage>& pictures) {
    const int selected = cargo_->currentIndex().isValid() ? cargo_->currentIndex().row() : -1;
    cargo_->clear();
    for (std::size_t i = 0; i < cargo.size(); ++i) {
        auto* row = new QTreeWidgetItem(cargo_);
        row->setText(0, QString::fromStdString(cargo[i].Name));
        row->setData(0, kStateIndexRole, cargo[i].StateIndex);
        if (i < pictures.size() && !pictures[i].isNull())
            row->setIcon(0, QIcon(QPixmap::fromImage(pictures[i])));
    }
    if (selected >= 0 && selected < cargo_->topLevelItemCount())
        cargo_->setCurrentItem(cargo_->topLevelItem(selected));
}

void StatusPanel::ShowTransport(const std::vector<TTransportItem>& jobs,
                                const std::vector<QImage>& imlTransport) {
    transport_->clear();
    for (const TTransportItem& job : jobs) {
        auto* row = new QTreeWidgetItem(transport_);
        row->setText(0, QString::fromStdString(job.Destination));
        row->setText(1, QString::fromStdString(job.Price));
        row->setData(0, kImageIndexRole, job.ImageIndex);
        if (job.ImageIndex >= 0 && job.ImageIndex < static_cast<int>(imlTransport.size()))
            row->setIcon(0,
                         QIcon(QPixmap::fromImage(imlTransport[static_cast<std::size_t>(job.ImageIndex)])));
    }
}

} // namespace veltrane
