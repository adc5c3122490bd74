#include "SectorMapView.h"

#include "ColourConvert.h"
#include "MapOverlay.h"
#include "NewShape.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace veltrane {

SectorMapView::SectorMapView(int sector, QWidget* parent) : QFrame(parent), sector_(sector) {
    setObjectName(QString("pnlSector%1").arg(sector));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    background_ = new QLabel(this);
    background_->setObjectName(QString("imgSectorBg%1").arg(sector));
    background_->setScaledContents(true);
    background_->setGeometry(0, 0, 817, 450);

    overlay_ = new MapOverlay(*this);
    overlay_->setGeometry(rect());
    connect(overlay_, &MapOverlay::markerHit, this, &SectorMapView::MarkerHit);
}

void SectorMapView::Attach(TGame& game) {
    game_ = &game;
    overlay_->Attach(game);
}

void SectorMapView::resizeEvent(QResizeEvent* event) {
    overlay_->setGeometry(rect());
    QFrame::resizeEvent(event);
}

void SectorMapView::setBackground(const QImage& picture) {
    background_->setPixmap(QPixmap::fromImage(picture));
}

void SectorMapView::CreateMarkers(const TSector& systems) {
    for (TNewShape* old : markers_)
        delete old;
    markers_.clear();
    pending_.clear();
    pending_.reserve(kSystemsPerSector);
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        const TSystem& s = systems.Systems[k];
        pending_.push_back({s.PosX, s.PosY, s.Size, s.ShapeColor});
    }
    if (isVisible())
        EnsureMarkers();
}

void SectorMapView::EnsureMarkers() const {
    if (pending_.empty())
        return;
    auto* self = const_cast<SectorMapView*>(this);
    markers_.reserve(pending_.size());
    for (const MarkerPlace& place : pending_) {
        auto* shape = new TNewShape(static_cast<int>(markers_.size()) + 1, self);
        shape->setGeometry(place.x, place.y, place.size, place.size);
        const QColor colour = ToQColor(place.colour);
        shape->setBrushColor(colour);
        shape->setTrueColor(colour);
        connect(shape, &TNewShape::pressed, self, [self](int tag) { self->MarkerPressed(tag); });
        shape->show();
        markers_.push_back(shape);
    }
    pending_.clear();
    // Above the markers, so presses near one reach the overlay.
    overlay_->raise();
}

int SectorMapView::markerCount() const {
    EnsureMarkers();
    return static_cast<int>(markers_.size());
}

void SectorMapView::showEvent(QShowEvent* event) {
    EnsureMarkers();
    QFrame::showEvent(event);
}

void SectorMapView::RestoreMarkers(const TSector& systems) {
    for (int k = 1; k <= markerCount(); ++k) {
        const TSystem& s = systems.Systems[k];
        const int size = std::clamp<int>(s.Size, 2, 5);
        TNewShape* shape = markers_[static_cast<std::size_t>(k - 1)];
        shape->setGeometry(s.PosX, s.PosY, size, size);
        shape->setBrushColor(ToQColor(s.ShapeColor));
    }
}

void SectorMapView::MarkerPressed(int system) {
    TNewShape* shape = marker(system);
    if (!shape)
        return;
    // The double click noted itself before this press arrived.
    const bool twice = shape->doubleClickPending();
    shape->setDoubleClickPending(false);
    MarkerHit(system, twice);
}

void SectorMapView::MarkerHit(int system, bool twice) {
    if (game_ && marker(system))
        game_->Execute(MakeCommand(twice ? TCommandKind::Fly : TCommandKind::Select, {system}));
    emit markerPressed(sector_, system);
    overlay_->Refresh();
}

void SectorMapView::Sync(const TSession& session) {
    const TGameState& world = session.World;
    const bool current = world.CurrentSector == sector_;
    for (int k = 1; k <= markerCount(); ++k) {
        TNewShape* shape = markers_[static_cast<std::size_t>(k - 1)];
        const QColor colour = ToQColor(world.System(sector_, k).ShapeColor);
        shape->setTrueColor(colour);
        shape->setBrushColor(colour);
        shape->setVisible(!current || !session.MarkerHidden(k));
    }
    overlay_->Refresh();
}

void SectorMapView::Blink(int system) {
    // The blinker's beat also catches what changed without a press: a selection by key, a new job.
    overlay_->Refresh();
    TNewShape* shape = marker(system);
    if (!shape)
        return;
    if (shape->brushColor() != QColor(Qt::black)) {
        shape->setTrueColor(shape->brushColor());
        shape->setBrushColor(Qt::black);
    } else {
        shape->setBrushColor(shape->trueColor());
    }
}

TNewShape* SectorMapView::marker(int system) const {
    if (system < 1 || system > markerCount())
        return nullptr;
    return markers_[static_cast<std::size_t>(system - 1)];
}

} // namespace veltrane
