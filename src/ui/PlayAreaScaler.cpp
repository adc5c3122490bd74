#include "PlayAreaScaler.h"

#include "WidgetKit.h"

#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>

#include <algorithm>

namespace veltrane {

PlayAreaScaler::PlayAreaScaler(QWidget& window, QWidget& playArea)
    : QObject(&window), window_(window), playArea_(playArea) {}

int PlayAreaScaler::ScaleFor(QSize available, QSize playArea) {
    if (playArea.isEmpty())
        return 1;
    return std::max(1,
                    std::min(available.width() / playArea.width(), available.height() / playArea.height()));
}

void PlayAreaScaler::Fit(bool enlarge) {
    scale_ = enlarge ? ScaleFor(window_.size(), playArea_.size()) : 1;
    window_.setProperty(kPlayAreaScaleProperty, scale_);
    if (scale_ == 1) {
        Release();
        CentreInParent(&playArea_);
        return;
    }
    Embed();
    view_->setGeometry(window_.rect());
    view_->setSceneRect(proxy_->geometry());
    view_->resetTransform();
    view_->scale(scale_, scale_);
    view_->centerOn(proxy_);
    view_->show();
    view_->raise();
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
        view_->setAlignment(Qt::AlignCenter);
        view_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        // The star field and the tunnel repaint every 20 ms: only what changed is drawn again.
        view_->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
        view_->setCacheMode(QGraphicsView::CacheNone);
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
    proxy_->setWidget(nullptr);
    scene_->removeItem(proxy_);
    delete proxy_;
    proxy_ = nullptr;
    playArea_.setParent(&window_);
    playArea_.show();
}

} // namespace veltrane
