// The yardstick for the game's start-up: an empty Qt window of the play
// area's size, shown and ended after its first paint the way the game is
// (scripts/startup.sh runs both).

// target: startup <= 2 x: the game comes up within twice the time of an empty window, under Xvfb

#include "app/ExitAfterFirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(900, 700);
    veltrane::ExitAfterFirstPaint exitAfterPaint;
    if (veltrane::ExitAfterFirstPaint::Wanted(argc, argv))
        window.installEventFilter(&exitAfterPaint);
    window.show();
    return QApplication::exec();
}
