#include "QtTimePort.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace veltrane {

QtTimePort::QtTimePort(QTimer* main, QTimer* starFlight, QTimer* blinker)
    : timers_{main, starFlight, blinker} {}

void QtTimePort::StartTimer(TTimer timer) {
    timers_[static_cast<std::size_t>(timer)]->start();
}

void QtTimePort::StopTimer(TTimer timer) {
    timers_[static_cast<std::size_t>(timer)]->stop();
}

bool QtTimePort::TimerRunning(TTimer timer) const {
    return timers_[static_cast<std::size_t>(timer)]->isActive();
}

void QtTimePort::LiveWait(int milliseconds) {
    if (milliseconds <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtTimePort::BlockingWait(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace veltrane
