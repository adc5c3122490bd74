#include "TitleBar.h"

#include "WidgetKit.h"

namespace veltrane {

TitleBar::TitleBar(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlTop");
    setGeometry(0, 0, 900, 41);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    topLeft_ = MakePicture(this, "imgTopLeft", QRect(0, 0, 119, 41));
    titleBg_ = MakePicture(this, "imgTitleBg", QRect(119, 0, 662, 41), true);
    logo_ = MakePicture(this, "imgLogo", QRect((900 - 240) / 2, 0, 240, 41));
    logo_->setAttribute(Qt::WA_TranslucentBackground);
    topRight_ = MakePicture(this, "imgTopRight", QRect(900 - 119, 0, 119, 41));

    options_ = MakeButton(this, "btnOptions", "Options", QRect(10, 10, 100, 23));
    exit_ = MakeButton(this, "btnExit", "Exit", QRect(0, 10, 100, 23));
    PlaceExitButton();
}

void TitleBar::PlaceExitButton() {
    exit_->move(topRight_->x() + 10, exit_->y());
}

} // namespace veltrane
