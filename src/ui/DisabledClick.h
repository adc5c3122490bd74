#pragma once

#include <QObject>

#include <functional>

class QAbstractButton;

namespace veltrane {

// A greyed-out button still deserves an answer when the player presses it:
// `explain` runs on a click of `button` while the button itself is switched
// off (not while a disabled parent holds the whole panel still).
class DisabledClick : public QObject {
    Q_OBJECT
  public:
    static void Attach(QAbstractButton* button, std::function<void()> explain);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DisabledClick(QAbstractButton* button, std::function<void()> explain);

    std::function<void()> explain_;
};

} // namespace veltrane
