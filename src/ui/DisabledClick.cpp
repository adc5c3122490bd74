#include "DisabledClick.h"

#include <QAbstractButton>
#include <QMouseEvent>

namespace veltrane {

DisabledClick::DisabledClick(QAbstractButton* button, std::function<void()> explain)
    : QObject(button), explain_(std::move(explain)) {}

void DisabledClick::Attach(QAbstractButton* button, std::function<void()> explain) {
    button->installEventFilter(new DisabledClick(button, std::move(explain)));
}

bool DisabledClick::eventFilter(QObject* watched, QEvent* event) {
    // Qt still hands a disabled widget's mouse events to its filters before dropping them.
    auto* button = static_cast<QAbstractButton*>(watched);
    if (event->type() != QEvent::MouseButtonRelease || button->isEnabled())
        return false;
    const QWidget* parent = button->parentWidget();
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if ((!parent || parent->isEnabled()) && mouse->button() == Qt::LeftButton &&
        button->rect().contains(mouse->position().toPoint()) && explain_)
        explain_();
    return false;
}

} // namespace veltrane
