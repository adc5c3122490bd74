#include "StarFlightView.h"

#include <QPainter>

namespace veltrane {

namespace {

// White, grey, silver and cream, one chance in four each.
constexpr QRgb kStarColours[] = {qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(192, 192, 192),
                                 qRgb(255, 251, 240)};

// The picture shows the top-left of the canvas, unscaled.
class StarPicture : public QWidget {
  public:
    StarPicture(const TStarfield& field, QWidget* parent) : QWidget(parent), field_(field) {
        setObjectName("imgStarFlight");
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (field_.Canvas().isNull())
            painter.fillRect(rect(), Qt::black);
        else
            painter.drawImage(0, 0, field_.Canvas());
    }

  private:
    const TStarfield& field_;
};

} // namespace

void TStarfield::Place(TStar& star, TRandom& rng) const {
    star.X = (rng.Random(2 * cx_) - cx_) * 128;
    star.Y = (rng.Random(2 * cy_) - cy_) * 128;
}

void TStarfield::Init(int width, int height, TRandom& rng) {
    canvas_ = QImage(width + 100, height + 200, QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    const int count = rng.Random(500) + 200;
    cx_ = width / 2;
    cy_ = height / 2;
    stars_.assign(static_cast<std::size_t>(count), TStar{});
    for (int i = 0; i < count; ++i) {
        TStar& star = stars_[static_cast<std::size_t>(i)];
        Place(star, rng);
        star.Z = i + 1;
        star.Size = rng.Random(2) + 1;
        star.Color = kStarColours[rng.Random(4)];
    }
}

void TStarfield::Fill(int x, int y, int size, QRgb colour) {
    const int w = canvas_.width();
    const int h = canvas_.height();
    for (int row = std::max(0, y); row < std::min(h, y + size); ++row) {
        auto* line = reinterpret_cast<QRgb*>(canvas_.scanLine(row));
        for (int col = std::max(0, x); col < std::min(w, x + size); ++col)
            line[col] = colour;
    }
}

void TStarfield::Step(TRandom& rng) {
    if (cx_ == 0 || cy_ == 0)
        return;
    const int count = static_cast<int>(stars_.size());
    for (TStar& star : stars_) {
        Fill(star.ScreenX, star.ScreenY, star.Size, qRgb(0, 0, 0));
        star.Shift = star.Size / star.Z;
        star.ScreenX = star.X / star.Z + cx_ - star.Shift;
        star.ScreenY = star.Y / star.Z + cy_ - star.Shift;
        Fill(star.ScreenX, star.ScreenY, star.Size, star.Color);
        star.Z -= 3;
        if (star.Z < 1) {
            star.Z = count - 1;
            Place(star, rng);
        }
    }
}

StarFlightView::StarFlightView(QWidget* parent) : QFrame(parent) {
    setObjectName("pnlStarFlight");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    resize(817, 450);
    picture_ = new StarPicture(field_, this);
    picture_->setGeometry(0, 0, 817, 450);
}

void StarFlightView::InitStarfield(TRandom& rng) {
    field_.Init(picture_->width(), picture_->height(), rng);
    picture_->update();
}

void StarFlightView::StepStarfield(TRandom& rng) {
    field_.Step(rng);
    picture_->update();
}

} // namespace veltrane
