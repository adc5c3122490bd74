#include "LandscapeView.h"

#include "ClickLabel.h"

namespace veltrane {

namespace {

TClickLabel* Picture(QWidget* parent, const char* name, QRect where, bool stretched) {
    auto* label = new TClickLabel(parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setScaledContents(stretched);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->hide();
    return label;
}

} // namespace

LandscapeView::LandscapeView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlLandscape");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);

    landscape_ = Picture(this, "imgLandscape", QRect(0, 0, 817, 450), true);
    landscape_->show();
    for (int n = 1; n <= 6; ++n) {
        const QByteArray name = QString("imgCity%1").arg(n).toLatin1();
        cities_[static_cast<std::size_t>(n - 1)] =
            Picture(this, name.constData(), QRect(0, 0, 100, 70), true);
    }
    artefact_ = Picture(this, "imgArtefact", QRect(80, 400, 40, 41), false);
    powerPack_ = Picture(this, "imgPowerPack", QRect(80, 400, 40, 41), false);
    alienModule_ = Picture(this, "imgAlienModule", QRect(500, 354, 48, 41), false);
    spaceShip_ = Picture(this, "imgSpaceShip", QRect(817 + 78, 5, 78, 41), false);

    connect(landscape_, &TClickLabel::doubleClicked, this, [this] { Post(TCommandKind::Leave); });
    // The first four pictures stand for the planet's cities 0..3.
    for (int i = 0; i < 4; ++i) {
        TClickLabel* city = cities_[static_cast<std::size_t>(i)];
        connect(city, &TClickLabel::clicked, this, [this, i] { Post(TCommandKind::CityName, i); });
        connect(city, &TClickLabel::doubleClicked, this, [this, i] { Post(TCommandKind::City, i); });
    }
    connect(artefact_, &TClickLabel::clicked, this, [this] { Post(TCommandKind::Artefact); });
    connect(artefact_, &TClickLabel::doubleClicked, this, [this] { Post(TCommandKind::Pickup); });
    connect(powerPack_, &TClickLabel::doubleClicked, this, [this] { Post(TCommandKind::Pack); });
    connect(alienModule_, &TClickLabel::clicked, this, [this] { Post(TCommandKind::Module); });
}

QLabel* LandscapeView::imgLandscape() const {
    return landscape_;
}
QLabel* LandscapeView::imgCity(int n) const {
    return cities_.at(static_cast<std::size_t>(n - 1));
}
QLabel* LandscapeView::imgArtefact() const {
    return artefact_;
}
QLabel* LandscapeView::imgPowerPack() const {
    return powerPack_;
}
QLabel* LandscapeView::imgAlienModule() const {
    return alienModule_;
}
QLabel* LandscapeView::imgSpaceShip() const {
    return spaceShip_;
}

void LandscapeView::Attach(TGame& game, TPictures pictures) {
    game_ = &game;
    pictures_ = std::move(pictures);
}

void LandscapeView::Post(TCommandKind kind, int number) {
    if (game_)
        game_->Execute(MakeCommand(kind, number >= 0 ? std::vector<int>{number} : std::vector<int>{}));
}

void LandscapeView::Sync(const TSurface& surface) {
    auto show = [this](TClickLabel* label, const std::string& file, bool transparent) {
        if (!pictures_)
            return false;
        auto picture = pictures_(file, transparent);
        if (!picture)
            return false; // reported by the picture source
        label->setPixmap(QPixmap::fromImage(*picture));
        return true;
    };
    // The landscape is decoded once per landing, not on every item taken.
    if (surface.Landscape != shownLandscape_ || surface.Mirrored != shownMirrored_) {
        shownLandscape_ = surface.Landscape;
        shownMirrored_ = surface.Mirrored;
        if (pictures_ && !surface.Landscape.empty())
            if (auto picture = pictures_(surface.Landscape, false))
                landscape_->setPixmap(
                    QPixmap::fromImage(surface.Mirrored ? picture->mirrored(true, false) : *picture));
    }
    for (int i = 0; i < kSurfaceCitySlots; ++i) {
        const TSurfaceCity& city = surface.Cities[static_cast<std::size_t>(i)];
        TClickLabel* label = cities_[static_cast<std::size_t>(i)];
        if (!city.Visible) {
            label->hide();
            continue;
        }
        label->setGeometry(city.Left, city.Top, city.Width, city.Height);
        label->setVisible(show(label, "Pics/city" + std::to_string(city.Picture) + ".bmp", true));
    }
    auto place = [&](TClickLabel* label, const TSurfaceItem& item, const std::string& file) {
        if (!item.Visible) {
            label->clear();
            label->hide();
            return;
        }
        label->move(item.Left, item.Top);
        label->setVisible(show(label, file, true));
    };
    place(artefact_, surface.Artefact,
          "Artefacts/artefact" + std::to_string(surface.Artefact.Number) + ".bmp");
    place(powerPack_, surface.PowerPack, "Pics/powerup.bmp");
    place(alienModule_, surface.Module, "Pics/module" + std::to_string(surface.Module.Number) + ".bmp");
    spaceShip_->setVisible(surface.ShipsPass);
    spaceShip_->raise();
}

void LandscapeView::ResetShip() {
    spaceShip_->move(landscape_->width() + spaceShip_->width(), spaceShip_->y());
    shipSpeed_ = 5;
}

void LandscapeView::StepShip(TRandom& rng, const std::vector<QImage>& imlShips) {
    const int width = spaceShip_->width();
    int left = spaceShip_->x() + shipSpeed_;
    int top = spaceShip_->y();
    if (left > landscape_->width() + width) {
        top = rng.Random(200) + 5;
        left = -width;
        // The last ship picture is never chosen.
        if (imlShips.size() > 1)
            spaceShip_->setPixmap(QPixmap::fromImage(
                imlShips[static_cast<std::size_t>(rng.Random(static_cast<int>(imlShips.size()) - 1))]));
        shipSpeed_ = rng.Random(4) + 1;
    }
    spaceShip_->move(left, top);
}

} // namespace veltrane
