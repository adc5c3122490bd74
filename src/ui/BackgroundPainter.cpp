#include "BackgroundPainter.h"

#include "PictureSource.h"
#include "game/StatusDisplay.h"

#include <QPainter>

namespace veltrane {

BackgroundPainter::BackgroundPainter(PictureSource& pictures) : pictures_(pictures) {}

const QPixmap* BackgroundPainter::Tile(int n) {
    const auto i = static_cast<std::size_t>(n - 1);
    if (!tried_[i]) {
        // A missing tile is reported once and then stays black, not asked for
        // again on every repaint.
        tried_[i] = true;
        if (auto picture = pictures_.Load("Pics/bg" + std::to_string(n) + ".jpg")) {
            tiles_[i] = QPixmap::fromImage(*picture);
            ++decoded_;
        }
    }
    return tiles_[i] ? &*tiles_[i] : nullptr;
}

int BackgroundPainter::Paint(QPainter& painter, const QSize& size, TRandom& rng) {
    const int n = BackgroundTileNumber(rng);
    const QPixmap* tile = Tile(n);
    if (!tile || tile->width() <= 0 || tile->height() <= 0) {
        painter.fillRect(QRect(QPoint(0, 0), size), QColor(4, 6, 14));
        return n;
    }
    for (int y = 0; y < size.height(); y += tile->height())
        for (int x = 0; x < size.width(); x += tile->width())
            painter.drawPixmap(x, y, *tile);
    return n;
}

} // namespace veltrane
