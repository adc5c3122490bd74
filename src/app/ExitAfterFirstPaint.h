#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace veltrane {

// "--exit-after-first-paint" ends the program as soon as its window has
// painted once, so start-up can be measured from the outside, process and
// all. The whole first frame is painted and flushed before the zero timer
// fires; the program then leaves at once, because tearing down the window and
// the audio device is not start-up. The empty window the game is compared
// with leaves the same way.
class ExitAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;

    static bool Wanted(int argc, char** argv) {
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], "--exit-after-first-paint") == 0)
                return true;
        return false;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !leaving_) {
            leaving_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool leaving_ = false;
};

} // namespace veltrane
