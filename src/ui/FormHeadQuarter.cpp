#include "FormHeadQuarter.h"

#include "WidgetKit.h"

#include <QPainter>
#include <QTimer>
#include <QTreeWidget>

namespace veltrane {

FormHeadQuarter::FormHeadQuarter(const THeadquarterVisit& visit, TPictures pictures,
                                 std::function<void()> buttonSound, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("FormHeadQuarter");
    setFixedSize(480, 341);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setAutoFillBackground(true);
    QPalette pal = MetalPalette(palette());
    pal.setColor(QPalette::Base, QColor(12, 18, 28));
    pal.setColor(QPalette::Text, QColor(200, 235, 245));
    pal.setColor(QPalette::Button, QColor(40, 52, 64));
    pal.setColor(QPalette::ButtonText, QColor(210, 240, 250));
    setPalette(pal);

    auto* background = MakePicture(this, "imgBackground", QRect(0, 0, 480, 341), true);
    if (pictures)
        if (auto picture = pictures("Pics/About.jpg", false))
            background->setPixmap(QPixmap::fromImage(*picture));

    QLabel* portrait = MakePicture(this, "imgHQ", QRect(14, 14, 180, 210), true);
    if (pictures)
        if (auto picture = pictures("Pics/President.jpg", false))
            portrait->setPixmap(QPixmap::fromImage(*picture));

    auto* box = new QFrame(this);
    box->setObjectName("scbMessage");
    box->setGeometry(214, 14, 249, 169);
    box->setAutoFillBackground(true);
    QPalette black = box->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    box->setPalette(black);
    message_ =
        MakeLabel(box, "lblMessage", QString::fromStdString(visit.Text), QRect(6, box->height(), 237, 400));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->adjustSize();
    message_->resize(237, message_->height());

    list_ = new QTreeWidget(this);
    list_->setObjectName("lvwHQArtefacts");
    list_->setGeometry(214, 192, 249, 96);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setIconSize(QSize(20, 20));
    for (const TDelivered& row : visit.Rows) {
        auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(row.Name)});
        if (pictures)
            if (auto picture = pictures("Artefacts/artefact" + std::to_string(row.Artefact) + ".bmp", true))
                item->setIcon(0, QIcon(QPixmap::fromImage(*picture)));
    }

    ok_ = MakeButton(this, "btnHQYes", "OK", QRect(214, 298, 249, 30));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this, buttonSound] {
        if (buttonSound)
            buttonSound();
        accept();
    });

    // The greeting rises from below the box, one pixel every 20 ms, until it sits at the top.
    scroller_ = new QTimer(this);
    scroller_->setObjectName("timScroller");
    scroller_->setInterval(20);
    connect(scroller_, &QTimer::timeout, this, [this] {
        message_->move(message_->x(), message_->y() - 1);
        if (message_->y() <= 4)
            scroller_->stop();
    });
    scroller_->start();
}

void FormHeadQuarter::reject() {
    ok_->click();
}

} // namespace veltrane
