#include "SystemView.h"

#include "Gauge.h"

#include <QLabel>
#include <QPushButton>

namespace veltrane {

SystemView::SystemView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlSystem");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    sun_ = new QLabel(this);
    sun_->setObjectName("imgSun");
    sun_->setGeometry(0, 0, 100, 100);
    sun_->setScaledContents(true);

    // Placed and shown by the system builder once a system is known.
    for (int n = 1; n <= 6; ++n) {
        auto* planet = new QLabel(this);
        planet->setObjectName(QString("imgPlanet%1").arg(n));
        planet->setProperty("tag", n - 1);
        planet->setGeometry(100 + (n - 1) * 110, 150, 100, 100);
        planet->setScaledContents(true);
        planet->hide();
        planets_[static_cast<std::size_t>(n - 1)] = planet;
    }

    seroShip_ = new QLabel(this);
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
}

} // namespace veltrane
