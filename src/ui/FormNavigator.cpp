#include "FormNavigator.h"

#include "DialogScaler.h"

#include "WidgetKit.h"
#include "game/Course.h"
#include "lang/Format.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace veltrane {

FormNavigator::FormNavigator(TContext& ctx, TPictures pictures, TTranslate translate,
                             std::function<void()> click, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx_(ctx), load_(std::move(pictures)),
      translate_(std::move(translate)), click_(std::move(click)) {
    setObjectName("FormNavigator");
    setWindowTitle("Navigator");
    setFixedSize(397, 504);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(20, 26, 34));
    pal.setColor(QPalette::WindowText, QColor(180, 235, 245));
    pal.setColor(QPalette::Base, QColor(12, 18, 28));
    pal.setColor(QPalette::AlternateBase, QColor(18, 26, 38));
    pal.setColor(QPalette::Text, QColor(200, 235, 245));
    pal.setColor(QPalette::Highlight, QColor(0, 120, 150));
    pal.setColor(QPalette::HighlightedText, Qt::white);
    pal.setColor(QPalette::Button, QColor(40, 52, 64));
    pal.setColor(QPalette::ButtonText, QColor(210, 240, 250));
    setPalette(pal);

    title_ = MakeLabel(this, "lblTitle", "System List of Sector %d", QRect(16, 12, 365, 24));
    QFont big = title_->font();
    big.setPixelSize(17);
    big.setBold(true);
    title_->setFont(big);
    for (int level = 1; level <= 3; ++level) {
        const QByteArray name = QString("imgNavPic%1").arg(level).toLatin1();
        QLabel* picture = MakePicture(this, name.constData(), QRect(150, 40, 96, 64));
        picture->hide();
        pictures_[static_cast<std::size_t>(level - 1)] = picture;
    }

    list_ = new QTreeWidget(this);
    list_->setObjectName("lvwSystemList");
    list_->setGeometry(16, 112, 365, 336);
    list_->setColumnCount(4);
    list_->setHeaderLabels({"Name", "Coordin.", "Dist.", "Range"});
    list_->setColumnWidth(0, 130);
    list_->setColumnWidth(1, 80);
    list_->setColumnWidth(2, 60);
    list_->setColumnWidth(3, 70);
    list_->setAlternatingRowColors(true);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setIconSize(QSize(16, 16));

    setCourse_ = MakeButton(this, "btnSetCourse", "Set course", QRect(16, 460, 170, 30));
    ok_ = MakeButton(this, "btnOK", "Close", QRect(211, 460, 170, 30));
    ok_->setDefault(true);
    connect(setCourse_, &QPushButton::clicked, this, [this] {
        if (click_)
            click_();
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (click_)
            click_();
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
        QDialog::reject();
    });
}

void FormNavigator::Fill() {
    if (translate_)
        translate_(this);
    // The title is a format: the translation gives it, the sector fills it.
    const std::string format = title_->text().toStdString();
    auto title = Format(format, {std::int64_t{ctx_.World().CurrentSector}});
    title_->setText(QString::fromStdString(title ? *title : format));

    const int level = ctx_.World().Captain.Navigator;
    for (int n = 1; n <= 3; ++n) {
        QLabel* picture = imgNavPic(n);
        picture->setVisible(n == level);
        if (n == level && load_)
            if (auto image = load_("Pics/NavPic" + std::to_string(n) + ".bmp", true))
                picture->setPixmap(QPixmap::fromImage(*image));
    }
    setCourse_->setVisible(level == 3);
    // Enter sets the course where a course can be set, else closes.
    (level == 3 ? setCourse_ : ok_)->setDefault(true);

    std::array<QIcon, 2> icons;
    for (int i = 0; i < 2; ++i)
        if (load_)
            if (auto image = load_("Pics/NavIcon" + std::to_string(i) + ".bmp", true))
                icons[static_cast<std::size_t>(i)] = QIcon(QPixmap::fromImage(*image));
    list_->clear();
    for (const TNavigatorRow& row : NavigatorRows(ctx_)) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(row.Name));
        item->setIcon(0, icons[row.Destination ? 1 : 0]);
        item->setText(1, QString::fromStdString(row.Coordinates));
        item->setText(2, QString::number(row.Distance));
        item->setText(3, row.InRange ? "X" : "");
        item->setData(0, kStateIndexRole, row.System);
    }
}

void FormNavigator::reject() {
    ok_->click();
}

std::optional<int> FormNavigator::Choose() {
    Fill();
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    // Only "Set course" hands a system back; Escape counts as "Close".
    if (ExecDialog(*this) != QDialog::Accepted)
        return std::nullopt;
    const QList<QTreeWidgetItem*> chosen = list_->selectedItems();
    return chosen.isEmpty() ? 0 : chosen.front()->data(0, kStateIndexRole).toInt();
}

} // namespace veltrane
