#include "BackgroundPainter.h"

#include "PictureSource.h"
#include "game/StatusDisplay.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace veltrane {

namespace {

// Deep blue-black, never grey: the sky where no tile could be had.
const QColor kDeepSpace(4, 6, 14);

// About one star per this many square pixels.
constexpr int kPixelsPerStar = 2600;

} // namespace

BackgroundPainter::BackgroundPainter(PictureSource& pictures, std::uint64_t seed)
    : pictures_(pictures), seed_(seed) {}

int BackgroundPainter::Paint(QPainter& painter, const QSize& size) {
    if (sky_.size() != size)
        sky_ = Compose(size);
    painter.drawPixmap(0, 0, sky_);
    return tile_;
}

QPixmap BackgroundPainter::Compose(const QSize& size) {
    // The same draws for every composition: a new size gets the same sky, only wider.
    TRandom rng(seed_);
    const int tile = BackgroundTileNumber(rng);
    if (tile != tile_) {
        tile_ = tile;
        // A missing tile is reported once and the sky stays plain, not asked for again on every repaint.
        tilePicture_ = pictures_.Load("Pics/bg" + std::to_string(tile) + ".jpg");
        if (tilePicture_)
            ++decoded_;
    }
    QImage sky(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    sky.fill(kDeepSpace);
    QPainter paint(&sky);
    paint.setRenderHint(QPainter::SmoothPixmapTransform);
    if (tilePicture_ && !tilePicture_->isNull()) {
        // Shrunk to a handful of pixels the tile keeps only its nebula's colours; stretched back
        // over the window they become one soft cloud without the tile's edges.
        const QImage colours = tilePicture_->scaled(6, 5, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        paint.setOpacity(0.85);
        paint.drawImage(
            QRect(QPoint(0, 0), sky.size()),
            colours.scaled(sky.size() / 8 + QSize(1, 1), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        paint.setOpacity(1.0);
    }
    paint.setRenderHint(QPainter::Antialiasing);
    paint.setPen(Qt::NoPen);
    const int stars = std::max(1, sky.width() * sky.height() / kPixelsPerStar);
    for (int i = 0; i < stars; ++i) {
        const QPointF at(rng.RandomReal() * sky.width(), rng.RandomReal() * sky.height());
        const double light = rng.RandomReal();
        // Most stars are faint specks; a few are bright with a glow around them.
        const double radius = light > 0.97 ? 3.5 : light > 0.85 ? 1.6 : 0.9;
        const int tint = rng.Random(3);
        QColor colour = tint == 0   ? QColor(255, 244, 228)
                        : tint == 1 ? QColor(214, 230, 255)
                                    : QColor(240, 240, 255);
        colour.setAlphaF(static_cast<float>(0.35 + 0.65 * light));
        QRadialGradient glow(at, radius);
        glow.setColorAt(0, colour);
        glow.setColorAt(radius > 2 ? 0.25 : 0.5, colour);
        colour.setAlpha(0);
        glow.setColorAt(1, colour);
        paint.setBrush(glow);
        paint.drawEllipse(at, radius, radius);
    }
    paint.end();
    return QPixmap::fromImage(sky);
}

} // namespace veltrane
