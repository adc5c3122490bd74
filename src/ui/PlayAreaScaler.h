#pragma once

#include "core/World.h"

#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QWidget;

namespace veltrane {

// The window (and a scaled dialog) says by this property how much larger its
// play area is drawn (a double); dialogs opened over it are drawn as large.
inline constexpr const char* kPlayAreaScaleProperty = "veltranePlayAreaScale";

// Where the play area is drawn in a window: its factor and its rectangle in
// window pixels; what lies around it are the bars.
struct TLetterbox {
    double Scale = 1;
    QRect Area;

    bool operator==(const TLetterbox&) const = default;
};

// The play area fills the window it is in, keeping its aspect, with bars
// where the window is wider or taller. While it is drawn at any other size
// than its own it lives in a graphics view as a proxy widget, so clicks, keys
// and tooltips land where they are drawn and text is drawn afresh at the
// larger size, never magnified from a bitmap. At exactly its own size (the
// standard window as it opens) it is a plain child of the window again and
// costs nothing. The desktop's own scale factor (high-DPI) is Qt's and comes
// on top of this.
class PlayAreaScaler : public QObject {
  public:
    // `playArea` is a child of `window`, which owns it whether scaled or not.
    PlayAreaScaler(QWidget& window, QWidget& playArea);
    // Gives the tooltips their own size back.
    ~PlayAreaScaler() override;

    // Makes `window` a standard window (resizable, opening at `designed`) or
    // full screen, and fits the play area to it; again on every resize.
    void ApplyWindowType(bool standard, TScaling scaling, QSize designed);
    // Fits the play area to the window as it now is.
    void Fit();
    double Scale() const { return fit_.Scale; }
    // The play area as drawn, in window pixels.
    QRect Area() const { return fit_.Area; }
    // The view showing the scaled play area; null before the first scaling.
    QGraphicsView* View() const { return view_; }

    // Fits `frame` into `available` and says where `playArea`, in the middle
    // of the frame, is drawn. Smooth scaling takes any factor; sharp scaling
    // the largest whole one, unless even once is too large, where shrinking
    // smoothly beats cutting the play area off.
    static TLetterbox Letterbox(QSize available, QSize playArea, QSize frame, TScaling scaling);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Embed();
    void Release();

    QWidget& window_;
    QWidget& playArea_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    TLetterbox fit_;
    TScaling scaling_ = TScaling::Smooth;
    // The standard window fits its designed size, the play area with its margin.
    QSize frame_;
    bool standard_ = true;
    // The tooltips' font at the play area's own size, and theirs before the window came.
    QFont tipFont_;
    QFont ownTipFont_;
};

} // namespace veltrane
