#pragma once

// Drives a modal window from inside its own event loop: waits until a modal
// window is up, hands it to `action`, and closes it after a while if the
// action left it open, so a failing test fails instead of hanging.

#include "ui/DialogScaler.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace veltrane::testing {

inline void WhenModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++*tries > 400)
                poll->deleteLater();
            return;
        }
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> guard(modal);
        action(modal);
        QTimer::singleShot(3000, [guard] {
            if (guard && guard->isVisible())
                guard->close();
        });
    });
    poll->start();
}

// The dialog of type T shown modally now, drawn as it is or in a larger window of its own.
template <class T> T* ModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* host = dynamic_cast<TScaledDialogHost*>(modal))
        return qobject_cast<T*>(host->Dialog());
    return qobject_cast<T*>(modal);
}

} // namespace veltrane::testing
