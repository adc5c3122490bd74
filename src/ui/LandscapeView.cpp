#include "LandscapeView.h"

#include <QLabel>

namespace veltrane {

namespace {

QLabel* Picture(QWidget* parent, const char* name, QRect where, bool stretched) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setScaledContents(stretched);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
    return label;
}

} // namespace

LandscapeView::LandscapeView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlLandscape");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    landscape_ = Picture(this, "imgLandscape", QRect(0, 0, 817, 450), true);
    landscape_->show();
    for (int n = 1; n <= 6; ++n) {
        const QByteArray name = QString("imgCity%1").arg(n).toLatin1();
        cities_[static_cast<std::size_t>(n - 1)] =
            Picture(this, name.constData(), QRect(0, 0, 100, 70), true);
    }
    artefact_ = Picture(this, "imgArtefact", QRect(80, 400, 40, 41), false);
    powerPack_ = Picture(this, "imgPowerPack", QRect(80, 400, 40, 41), false);
    alienModule_ = Picture(this, "imgAlienModule", QRect(500, 354, 48, 41), false);
    spaceShip_ = Picture(this, "imgSpaceShip", QRect(817 + 78, 5, 78, 41), false);
}

} // namespace veltrane
