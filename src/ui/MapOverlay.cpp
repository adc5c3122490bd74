#include "MapOverlay.h"

#include "NewShape.h"
#include "SectorMapView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace veltrane {

namespace {

// Guidance in the window's cyan, the headquarter in SERO gold, destinations in green.
const QColor kRingColour(120, 230, 255);
const QColor kReachColour(120, 230, 255);
const QColor kHeadquarterColour(255, 200, 90);
const QColor kDestinationColour(120, 240, 140);

} // namespace

MapOverlay::MapOverlay(SectorMapView& map) : QWidget(&map), map_(map) {
    setObjectName("MapOverlay");
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

int MapOverlay::NearestMarker(const std::vector<TSpot>& spots, QPointF at, qreal reach) {
    int best = 0;
    qreal bestDistance = 0;
    for (const TSpot& spot : spots) {
        const qreal d = std::hypot(spot.Centre.x() - at.x(), spot.Centre.y() - at.y());
        if (d <= reach && (best == 0 || d < bestDistance)) {
            best = spot.System;
            bestDistance = d;
        }
    }
    return best;
}

bool MapOverlay::Showing() const {
    return game_ && game_->World().CurrentSector == map_.sector();
}

std::vector<MapOverlay::TSpot> MapOverlay::Spots() const {
    std::vector<TSpot> spots;
    for (int k = 1; k <= map_.markerCount(); ++k) {
        const TNewShape* shape = map_.marker(k);
        // A module filter hides markers; what is hidden cannot be pointed at.
        if (!shape->isHidden())
            spots.push_back({k, Centre(k)});
    }
    return spots;
}

QPointF MapOverlay::Centre(int system) const {
    const TNewShape* shape = map_.marker(system);
    return shape ? QRectF(shape->geometry()).center() : QPointF();
}

QString MapOverlay::HoverText() const {
    if (!Showing() || hovered_ == 0)
        return {};
    return QString::fromStdString(MarkerCaption(game_->Script(), game_->World(), hovered_));
}

int MapOverlay::RingedSystem() const {
    return Showing() ? game_->Session().SelectedSystem : 0;
}

int MapOverlay::ReachRadius() const {
    // The energy of a flight under way is settled only on arrival.
    if (!Showing() || game_->Session().InFlight())
        return 0;
    const TCaptain& captain = game_->World().Captain;
    const int reach = EnergyReach(captain.Energy, captain.EnergyCell);
    // A system is within reach while its truncated half pixel distance is; two pixels make a light year.
    return reach == 0 ? 0 : 2 * reach + 1;
}

std::vector<TMapMark> MapOverlay::Marks() const {
    return game_ ? MapMarks(game_->World(), map_.sector()) : std::vector<TMapMark>{};
}

std::string MapOverlay::StateKey() const {
    if (!game_)
        return {};
    const TGameState& world = game_->World();
    std::string key = std::to_string(Showing()) + ' ' + std::to_string(RingedSystem()) + ' ' +
                      std::to_string(ReachRadius()) + ' ' + std::to_string(world.CurrentSystem) + ' ' +
                      std::to_string(world.Headquarter.Sector) + ' ' +
                      std::to_string(world.Headquarter.System);
    for (const TTransportItem& job : world.Transport)
        key += '|' + job.Destination;
    return key;
}

void MapOverlay::Refresh() {
    if (StateKey() != drawnKey_)
        update();
}

void MapOverlay::paintEvent(QPaintEvent*) {
    drawnKey_ = StateKey();
    if (!Showing())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    if (const int radius = ReachRadius()) {
        const QPointF here = Centre(game_->World().CurrentSystem);
        QColor fill = kReachColour;
        fill.setAlpha(18);
        QColor edge = kReachColour;
        edge.setAlpha(90);
        p.setBrush(fill);
        p.setPen(QPen(edge, 1.0, Qt::DashLine));
        p.drawEllipse(here, radius, radius);
    }

    p.setBrush(Qt::NoBrush);
    for (const TMapMark& mark : Marks()) {
        const QPointF c = Centre(mark.System);
        if (mark.Kind == TMapMarkKind::Headquarter) {
            // A diamond round the marker and the agency's initials above it.
            QPainterPath diamond;
            diamond.moveTo(c + QPointF(0, -9));
            diamond.lineTo(c + QPointF(9, 0));
            diamond.lineTo(c + QPointF(0, 9));
            diamond.lineTo(c + QPointF(-9, 0));
            diamond.closeSubpath();
            p.setPen(QPen(kHeadquarterColour, 1.6));
            p.drawPath(diamond);
            QFont font("Arial");
            font.setPixelSize(9);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(c.x() - 20, c.y() - 22, 40, 11), Qt::AlignCenter, "HQ");
        } else {
            // A small pennant over the marker: someone aboard wants to go there.
            QPainterPath pennant;
            pennant.moveTo(c + QPointF(-4, -12));
            pennant.lineTo(c + QPointF(4, -12));
            pennant.lineTo(c + QPointF(0, -6));
            pennant.closeSubpath();
            p.setPen(QPen(kDestinationColour, 1.2));
            p.setBrush(
                QColor(kDestinationColour.red(), kDestinationColour.green(), kDestinationColour.blue(), 110));
            p.drawPath(pennant);
            p.setBrush(Qt::NoBrush);
        }
    }

    if (const int selected = RingedSystem()) {
        p.setPen(QPen(kRingColour, 1.5));
        p.drawEllipse(Centre(selected), 7.5, 7.5);
    }

    if (hovered_ != 0) {
        QFont font("Arial");
        font.setPixelSize(12);
        p.setFont(font);
        const QString text = HoverText();
        QRectF box = p.fontMetrics().boundingRect(QRect(0, 0, 400, 200), Qt::AlignLeft, text);
        box.adjust(-6, -4, 6, 4);
        // Beside the pointer, turned back inside the map near its edges.
        QPointF at = pointer_ + QPointF(14, 12);
        if (at.x() + box.width() > width())
            at.setX(pointer_.x() - 10 - box.width());
        if (at.y() + box.height() > height())
            at.setY(pointer_.y() - 10 - box.height());
        box.moveTopLeft(at);
        p.setPen(QPen(QColor(120, 230, 255, 160), 1));
        p.setBrush(QColor(10, 16, 28, 215));
        p.drawRoundedRect(box, 4, 4);
        p.setPen(Qt::white);
        p.drawText(box.adjusted(6, 4, -6, -4), Qt::AlignLeft, text);
    }
}

void MapOverlay::Hover(QPointF at) {
    pointer_ = at;
    const int nearest = Showing() ? NearestMarker(Spots(), at) : 0;
    setCursor(nearest ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (nearest != hovered_ || nearest != 0) {
        hovered_ = nearest;
        update();
    }
}

void MapOverlay::mouseMoveEvent(QMouseEvent* event) {
    Hover(event->position());
    QWidget::mouseMoveEvent(event);
}

void MapOverlay::leaveEvent(QEvent* event) {
    if (hovered_ != 0) {
        hovered_ = 0;
        update();
    }
    QWidget::leaveEvent(event);
}

void MapOverlay::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !game_)
        return;
    if (const int k = NearestMarker(Spots(), event->position()))
        emit markerHit(k, false);
}

void MapOverlay::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt delivers the double click in place of the second press.
    if (event->button() != Qt::LeftButton || !game_)
        return;
    if (const int k = NearestMarker(Spots(), event->position()))
        emit markerHit(k, true);
}

} // namespace veltrane
