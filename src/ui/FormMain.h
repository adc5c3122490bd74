#pragma once

#include <QWidget>

namespace veltrane {

// The game's one permanent window.
class FormMain : public QWidget {
    Q_OBJECT
public:
    explicit FormMain(QWidget* parent = nullptr);
};

} // namespace veltrane
