#pragma once

#include <QObject>
#include <QSize>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;

namespace veltrane {

// The window (and a scaled dialog) says by this property how much larger its
// play area is drawn; dialogs opened over it are drawn as large.
inline constexpr const char* kPlayAreaScaleProperty = "veltranePlayAreaScale";

// Full screen on a large screen draws the play area larger: by the largest
// whole number that fits, so every picture pixel becomes an even block and
// text is drawn afresh at the larger size, letterboxed in black. While it is
// scaled the play area lives in a graphics view as a proxy widget, so clicks,
// keys and tooltips land where they are drawn. At scale 1 (the standard
// window, or a screen too small for more) it is a plain child of the window
// again and costs nothing. The desktop's own scale factor (high-DPI) is
// Qt's and comes on top of this.
class PlayAreaScaler : public QObject {
  public:
    // `playArea` is a child of `window`, which owns it whether scaled or not.
    PlayAreaScaler(QWidget& window, QWidget& playArea);

    // Fits the play area to the window as it now is; `enlarge` is false for
    // the standard window, which keeps the designed size.
    void Fit(bool enlarge);
    int Scale() const { return scale_; }
    // The view showing the scaled play area; null before the first scaling.
    QGraphicsView* View() const { return view_; }

    // The largest whole factor that fits `playArea` into `available`, at least 1.
    static int ScaleFor(QSize available, QSize playArea);

  private:
    void Embed();
    void Release();

    QWidget& window_;
    QWidget& playArea_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    int scale_ = 1;
};

} // namespace veltrane
