#pragma once

#include <QColor>
#include <QWidget>

namespace veltrane {

// A gauge drawn by hand: a dark trough filled in the gauge colour from the
// bottom (vertical) or from the left (horizontal). Values are held in 0..100.
class Gauge : public QWidget {
    Q_OBJECT
  public:
    Gauge(Qt::Orientation orientation, QColor colour, QWidget* parent = nullptr);

    int progress() const { return progress_; }
    void setProgress(int value);

    QColor foreColor() const { return colour_; }
    void setForeColor(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::Orientation orientation_;
    QColor colour_;
    int progress_ = 0;
};

} // namespace veltrane
