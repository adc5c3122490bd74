#include "ClickLabel.h"

#include <QMetaMethod>
#include <QMouseEvent>

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

} // namespace veltrane
