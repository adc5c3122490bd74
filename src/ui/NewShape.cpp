#include "NewShape.h"

#include <QMouseEvent>
#include <QPainter>

namespace veltrane {

TNewShape::TNewShape(int tag, QWidget* parent) : QWidget(parent), tag_(tag) {
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void TNewShape::setBrushColor(const QColor& colour) {
    if (colour == brush_)
        return;
    brush_ = colour;
    update();
}

void TNewShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(brush_);
    p.drawEllipse(QRectF(rect()).adjusted(0.25, 0.25, -0.25, -0.25));
}

void TNewShape::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(tag_);
}

void TNewShape::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the double click in place of the second press; the map's
    // press handler runs from here so a double click still reaches it twice.
    doubleClickPending_ = true;
    if (event->button() == Qt::LeftButton)
        emit pressed(tag_);
}

} // namespace veltrane
