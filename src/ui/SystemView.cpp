#include "SystemView.h"

#include "ClickLabel.h"
#include "Gauge.h"

#include "lang/TextCatalogue.h"

#include <QLabel>

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace veltrane {

SystemView::SystemView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlSystem");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    sun_ = new TClickLabel(this);
    sun_->setObjectName("imgSun");
    sun_->setGeometry(0, 0, 100, 100);
    sun_->setScaledContents(true);

    // Placed and shown by the system builder once a system is known.
    for (int n = 1; n <= 6; ++n) {
        auto* planet = new TClickLabel(this);
        planet->setObjectName(QString("imgPlanet%1").arg(n));
        planet->setProperty("tag", n - 1);
        planet->setGeometry(100 + (n - 1) * 110, 150, 100, 100);
        planet->setScaledContents(true);
        planet->hide();
        planets_[static_cast<std::size_t>(n - 1)] = planet;
        const int p = n - 1;
        connect(planet, &TClickLabel::clicked, this, [this, p] { Post(TCommandKind::Planet, p); });
        connect(planet, &TClickLabel::doubleClicked, this, [this, p] { Post(TCommandKind::Land, p); });
    }
    connect(sun_, &TClickLabel::clicked, this, [this] { Post(TCommandKind::Sun); });

    seroShip_ = new TClickLabel(this);
    seroShip_->setObjectName("imgSEROShip");
    seroShip_->setGeometry(22, 256, 147, 71);
    seroShip_->hide();

    scannerBar_ = new QFrame(this);
    scannerBar_->setObjectName("pnlScanner");
    scannerBar_->setGeometry(0, 450 - 61, 817, 61);
    scannerBar_->setFrameShape(QFrame::Panel);
    scannerBar_->setFrameShadow(QFrame::Raised);
    scannerBar_->setAutoFillBackground(true);
    QPalette barPal = scannerBar_->palette();
    barPal.setColor(QPalette::Window, QColor(24, 30, 40));
    barPal.setColor(QPalette::WindowText, QColor(150, 230, 240));
    scannerBar_->setPalette(barPal);

    scanner_ = new QLabel(scannerBar_);
    scanner_->setObjectName("imgScanner");
    scanner_->setGeometry(12, 18, 25, 25);

    scanTop_ = new QLabel("Scan planets for information", scannerBar_);
    scanTop_->setObjectName("lblScanTop");
    scanTop_->setGeometry(50, 6, 420, 20);

    scanGauge_ = new Gauge(Qt::Horizontal, QColor(0, 200, 220), scannerBar_);
    scanGauge_->setObjectName("gauScanner");
    scanGauge_->setGeometry(50, 30, 560, 18);

    scan_ = new QPushButton("Scan", scannerBar_);
    scan_->setObjectName("btnScan");
    scan_->setGeometry(630, 16, 100, 30);
    connect(scan_, &QPushButton::clicked, this, [this] { Post(TCommandKind::Scan); });
    // A click on the ship tells about the first planet, as the ship stands before it.
    connect(seroShip_, &TClickLabel::clicked, this, [this] { Post(TCommandKind::Planet, 0); });
    connect(seroShip_, &TClickLabel::doubleClicked, this, &SystemView::headquarterVisit);
}

void SystemView::SetBackdrop(const QImage& picture) {
    backdrop_ = QPixmap::fromImage(picture);
    update();
}

void SystemView::paintEvent(QPaintEvent* event) {
    if (!backdrop_.isNull()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), backdrop_);
    }
    QFrame::paintEvent(event);
}

QLabel* SystemView::imgSun() const {
    return sun_;
}

QLabel* SystemView::imgPlanet(int n) const {
    return planets_.at(static_cast<std::size_t>(n - 1));
}

QLabel* SystemView::imgSEROShip() const {
    return seroShip_;
}

QImage SystemView::PlanetPicture(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int bright = std::max({qRed(c), qGreen(c), qBlue(c)});
            // Near-black backdrop fades out; the planet and its rim light stay opaque.
            if (bright < 48)
                line[x] = qRgba(qRed(c), qGreen(c), qBlue(c), std::max(0, (bright - 16) * 8));
        }
    }
    return out;
}

void SystemView::Post(TCommandKind kind, int number) {
    if (game_)
        game_->Execute(MakeCommand(kind, number >= 0 ? std::vector<int>{number} : std::vector<int>{}));
}

void SystemView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Post(TCommandKind::Sun);
}

void SystemView::Sync(const TSession& session, const std::vector<QImage>& imlPlanets) {
    const TGameState& world = session.World;
    const auto& planets = world.Here().Planets;
    for (int i = 0; i < 6; ++i) {
        TClickLabel* picture = planets_[static_cast<std::size_t>(i)];
        const bool built = i < session.SystemSlotsBuilt && i < static_cast<int>(planets.size());
        if (!built) {
            picture->hide();
            continue;
        }
        const TPlanet& planet = planets[static_cast<std::size_t>(i)];
        const int side = 66 / std::max(1, static_cast<int>(planet.Size));
        picture->setGeometry(planet.PosX, planet.PosY, side, side);
        if (planet.ImageIndex >= 0 && planet.ImageIndex < static_cast<int>(imlPlanets.size()))
            picture->setPixmap(QPixmap::fromImage(imlPlanets[static_cast<std::size_t>(planet.ImageIndex)]));
        picture->setVisible(planet.Scanned);
    }
    seroShip_->setVisible(world.Headquarter.Sector == world.CurrentSector &&
                          world.Headquarter.System == world.CurrentSystem);
    // Nothing else tells a captain that the ship is the way into the headquarter.
    // As a paragraph, so the tip wraps into a few short lines instead of one long one.
    if (game_)
        seroShip_->setToolTip(
            "<p>" + QString::fromStdString(Lookup(game_->Script(), texts::SeroShipHint)).toHtmlEscaped() +
            "</p>");
}

} // namespace veltrane
