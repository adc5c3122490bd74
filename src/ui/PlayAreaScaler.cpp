#include "PlayAreaScaler.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace veltrane {

PlayAreaScaler::PlayAreaScaler(QWidget& window, QWidget& playArea)
    : QObject(&window), window_(window), playArea_(playArea), tipFont_(playArea.font()),
      ownTipFont_(QToolTip::font()) {
    window_.installEventFilter(this);
}

PlayAreaScaler::~PlayAreaScaler() {
    QToolTip::setFont(ownTipFont_);
}

TLetterbox PlayAreaScaler::Letterbox(QSize available, QSize playArea, QSize frame, TScaling scaling) {
    TLetterbox fit;
    if (!playArea.isEmpty() && !frame.isEmpty() && !available.isEmpty()) {
        const double smooth =
            std::min(double(available.width()) / frame.width(), double(available.height()) / frame.height());
        const int whole = std::min(available.width() / frame.width(), available.height() / frame.height());
        fit.Scale = scaling == TScaling::Sharp && whole >= 1 ? whole : smooth;
    }
    const QSize drawn(int(std::lround(playArea.width() * fit.Scale)),
                      int(std::lround(playArea.height() * fit.Scale)));
    // Half of what is left on either side, as a panel is centred in its parent.
    fit.Area = QRect(
        QPoint((available.width() - drawn.width()) / 2, (available.height() - drawn.height()) / 2), drawn);
    return fit;
}

void PlayAreaScaler::ApplyWindowType(bool standard, TScaling scaling, QSize designed) {
    scaling_ = scaling;
    frame_ = designed;
    const bool wasVisible = window_.isVisible();
    const bool fromFullScreen = !standard_ || !window_.testAttribute(Qt::WA_WState_Created);
    standard_ = standard;
    if (standard) {
        // An ordinary window the player may resize or maximise; it opens at the designed size
        // and keeps what the player made of it when the options dialog closes again.
        window_.setMinimumSize(designed / 2);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // Changing the flags makes the window anew, losing its activation: only when they change.
        if (window_.windowFlags().testFlag(Qt::FramelessWindowHint))
            window_.setWindowFlags(Qt::Window);
        window_.setWindowState(Qt::WindowNoState);
        if (fromFullScreen)
            window_.resize(designed);
    } else {
        // Full screen on the desktop as it is; the play area fills it.
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (!window_.windowFlags().testFlag(Qt::FramelessWindowHint))
            window_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        // Without a window manager the full-screen state is only a hint: cover the screen ourselves
        // first (setting a geometry afterwards would clear the state again).
        if (const QScreen* display = window_.screen())
            window_.setGeometry(display->geometry());
        else
            window_.resize(designed);
        window_.setWindowState(Qt::WindowFullScreen);
    }
    Fit();
    if (wasVisible)
        window_.show();
}

void PlayAreaScaler::Fit() {
    const QSize frame = standard_ && frame_.isValid() ? frame_ : playArea_.size();
    fit_ = Letterbox(window_.size(), playArea_.size(), frame, scaling_);
    window_.setProperty(kPlayAreaScaleProperty, fit_.Scale);
    // Tooltips are windows of their own, never drawn in the view: they speak in the play area's
    // font and grow with it, or a tip over a large play area would be the smallest text on the screen.
    QFont tip = tipFont_;
    const double grown = std::max(1.0, fit_.Scale);
    if (tipFont_.pixelSize() > 0)
        tip.setPixelSize(int(std::lround(tipFont_.pixelSize() * grown)));
    else
        tip.setPointSizeF(tipFont_.pointSizeF() * grown);
    QToolTip::setFont(tip);
    if (fit_.Scale == 1.0) {
        Release();
        playArea_.move(fit_.Area.topLeft());
        return;
    }
    Embed();
    const double s = fit_.Scale;
    view_->setGeometry(window_.rect());
    // Sharp scaling makes every picture pixel an even block; shrinking or smooth
    // scaling blends them. Text is drawn at the final size either way.
    view_->setRenderHint(QPainter::SmoothPixmapTransform, scaling_ == TScaling::Smooth || s < 1);
    view_->resetTransform();
    view_->scale(s, s);
    // The view shows exactly the window, the play area at its place and the bars around it.
    view_->setSceneRect(QRectF(QPointF(-fit_.Area.x() / s, -fit_.Area.y() / s), QSizeF(window_.size()) / s));
    view_->show();
    view_->raise();
}

bool PlayAreaScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}

void PlayAreaScaler::Embed() {
    if (proxy_)
        return;
    if (!view_) {
        scene_ = new QGraphicsScene(this);
        scene_->setBackgroundBrush(Qt::black);
        view_ = new QGraphicsView(scene_, &window_);
        view_->setObjectName("viwPlayArea");
        view_->setFrameShape(QFrame::NoFrame);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        // The star field and the tunnel repaint every 20 ms: only what changed is drawn again.
        view_->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
        view_->setCacheMode(QGraphicsView::CacheNone);
        // The window learns of the frames drawn here as of its own.
        view_->viewport()->installEventFilter(&window_);
    }
    const bool hadFocus = playArea_.isAncestorOf(QApplication::focusWidget());
    // A proxy takes only a widget without a parent; the window's font and
    // palette go along, as the play area inherited them before.
    playArea_.setParent(nullptr);
    proxy_ = scene_->addWidget(&playArea_);
    proxy_->setFont(window_.font());
    proxy_->setPalette(window_.palette());
    proxy_->setPos(0, 0);
    if (hadFocus)
        view_->setFocus();
}

void PlayAreaScaler::Release() {
    if (view_)
        view_->hide();
    if (!proxy_)
        return;
    const bool hadFocus = view_->hasFocus();
    proxy_->setWidget(nullptr);
    scene_->removeItem(proxy_);
    delete proxy_;
    proxy_ = nullptr;
    playArea_.setParent(&window_);
    playArea_.show();
    if (hadFocus)
        window_.setFocus();
}

} // namespace veltrane
