#include "Gauge.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace veltrane {

Gauge::Gauge(Qt::Orientation orientation, QColor colour, QWidget* parent)
    : QWidget(parent), orientation_(orientation), colour_(colour) {}

void Gauge::setProgress(int value) {
    value = std::clamp(value, 0, 100);
    if (value == progress_)
        return;
    progress_ = value;
    update();
}

void Gauge::setForeColor(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    p.fillRect(all, QColor(12, 16, 24));

    QRect fill = all.adjusted(1, 1, -1, -1);
    if (orientation_ == Qt::Vertical) {
        const int h = fill.height() * progress_ / 100;
        fill.setTop(fill.bottom() - h + 1);
    } else {
        fill.setWidth(fill.width() * progress_ / 100);
    }
    if (progress_ > 0 && fill.isValid()) {
        // A little sheen across the bar so it reads as glass, lit from the left.
        QLinearGradient sheen(fill.topLeft(),
                              orientation_ == Qt::Vertical ? fill.topRight() : fill.bottomLeft());
        sheen.setColorAt(0.0, colour_.lighter(150));
        sheen.setColorAt(0.45, colour_);
        sheen.setColorAt(1.0, colour_.darker(160));
        p.fillRect(fill, sheen);
    }
    p.setPen(QColor(70, 90, 110));
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

} // namespace veltrane
