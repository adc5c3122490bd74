#pragma once

#include <QLabel>

namespace veltrane {

// A picture the player can click or double-click (planets, items on a
// surface, module icons). Clicks nobody listens to pass on to the parent, so
// a double click on an idle picture still reaches the page beneath it.
// Artwork keeps its colours when its panel is disabled: only text and
// controls grey out while the command panel waits for the start-up step.
class TClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace veltrane
