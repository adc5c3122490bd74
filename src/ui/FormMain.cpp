#include "FormMain.h"

namespace veltrane {

FormMain::FormMain(QWidget* parent) : QWidget(parent) {
    setObjectName("FormMain");
    setWindowTitle("Veltrane");
    setFixedSize(1024, 768);
}

} // namespace veltrane
