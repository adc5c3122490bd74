#pragma once

#include <QFrame>

class QLabel;

namespace veltrane {

class Gauge;

// The names and places that tell the storage bar (pnlLeft) from the energy
// bar (pnlRight).
struct TSideBarDesign {
    const char* Panel;
    const char* Background;
    const char* Picture;
    const char* Gauge;
    const char* Percent;
    const char* Hint;
    int Width;
    int PictureLeft;
    int GaugeLeft;
    int PercentLeft;
    QColor Colour;
};

TSideBarDesign StorageBarDesign();
TSideBarDesign EnergyBarDesign();

// A side bar of the frame: an equipment picture, a vertical gauge and its
// percentage underneath.
class SideBar : public QFrame {
    Q_OBJECT
  public:
    SideBar(const TSideBarDesign& design, QWidget* parent = nullptr);

    QLabel* background() const { return background_; }
    QLabel* picture() const { return picture_; }
    Gauge* gauge() const { return gauge_; }
    QLabel* percent() const { return percent_; }

  private:
    QLabel* background_;
    QLabel* picture_;
    Gauge* gauge_;
    QLabel* percent_;
};

} // namespace veltrane
