#include "ClickLabel.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace veltrane {

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TClickLabel::clicked);
    if (event->button() != Qt::LeftButton || !isSignalConnected(signal)) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void TClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TClickLabel::doubleClicked);
    if (event->button() != Qt::LeftButton || !isSignalConnected(signal)) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}

void TClickLabel::paintEvent(QPaintEvent* event) {
    const QPixmap shown = pixmap();
    if (isEnabled() || shown.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    // QLabel would draw a greyed copy, made afresh on every paint.
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    if (hasScaledContents()) {
        painter.drawPixmap(area, shown);
        return;
    }
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    painter.drawPixmap(
        QStyle::alignedRect(layoutDirection(), align, shown.deviceIndependentSize().toSize(), area), shown);
}

} // namespace veltrane
