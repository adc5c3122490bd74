#include "ui/FormMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Veltrane");
    veltrane::FormMain window;
    window.show();
    return QApplication::exec();
}
