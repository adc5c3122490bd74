#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace veltrane {

// The title bar (pnlTop): the design pictures, the logo and the options and
// exit buttons.
class TitleBar : public QFrame {
    Q_OBJECT
  public:
    explicit TitleBar(QWidget* parent = nullptr);

    QLabel* imgTopLeft() const { return topLeft_; }
    QLabel* imgTitleBg() const { return titleBg_; }
    QLabel* imgLogo() const { return logo_; }
    QLabel* imgTopRight() const { return topRight_; }
    QPushButton* btnOptions() const { return options_; }
    QPushButton* btnExit() const { return exit_; }

    // The exit button sits 10 pixels into the right-hand picture.
    void PlaceExitButton();

  private:
    QLabel* topLeft_;
    QLabel* titleBg_;
    QLabel* logo_;
    QLabel* topRight_;
    QPushButton* options_;
    QPushButton* exit_;
};

} // namespace veltrane
