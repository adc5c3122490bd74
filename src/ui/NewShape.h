#pragma once

#include <QColor>
#include <QWidget>

namespace veltrane {

// A round map marker: one star system on a sector map. It paints a filled
// circle in its brush colour, remembers the system's true colour while the
// blinker darkens it, and notes a double click so that the press that follows
// starts the flight.
class TNewShape : public QWidget {
    Q_OBJECT
  public:
    TNewShape(int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& colour);

    // The system's colour, kept while the blinker shows black.
    QColor trueColor() const { return true_; }
    void setTrueColor(const QColor& colour) { true_ = colour; }

    bool doubleClickPending() const { return doubleClickPending_; }
    void setDoubleClickPending(bool pending) { doubleClickPending_ = pending; }

  signals:
    void pressed(int tag);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int tag_;
    QColor brush_{Qt::white};
    QColor true_{Qt::white};
    bool doubleClickPending_ = false;
};

} // namespace veltrane
