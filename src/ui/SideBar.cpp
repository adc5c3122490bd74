#include "SideBar.h"

#include "Gauge.h"
#include "WidgetKit.h"

namespace veltrane {

TSideBarDesign StorageBarDesign() {
    return {"pnlLeft",
            "imgpnlLeft",
            "imgStorage",
            "gauStorage",
            "lblStoragePercent",
            "Displays storage capacity",
            39,
            8,
            15,
            2,
            QColor(0, 255, 255)};
}

TSideBarDesign EnergyBarDesign() {
    return {"pnlRight",
            "imgpnlRight",
            "imgEnergyCell",
            "gauEnergy",
            "lblEnergyPercent",
            "Displays available energy",
            40,
            5,
            12,
            0,
            QColor(0, 128, 0)};
}

SideBar::SideBar(const TSideBarDesign& design, QWidget* parent) : QFrame(parent) {
    setObjectName(design.Panel);
    resize(design.Width, 454);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    background_ = MakePicture(this, design.Background, QRect(0, 0, design.Width, 454), true);
    picture_ = MakePicture(this, design.Picture, QRect(design.PictureLeft, 15, 25, 25));
    picture_->setAttribute(Qt::WA_TranslucentBackground);

    gauge_ = new Gauge(Qt::Vertical, design.Colour, this);
    gauge_->setObjectName(design.Gauge);
    gauge_->setGeometry(design.GaugeLeft, 41, 13, 376);
    gauge_->setToolTip(design.Hint);

    percent_ = MakeLabel(this, design.Percent, "0%", QRect(design.PercentLeft, 425, 36, 18));
    percent_->setAlignment(Qt::AlignCenter);
}

} // namespace veltrane
