#include "CityPainter.h"

#include "AssetRandom.h"
#include "CityViewPainter.h"
#include "Noise.h"
#include "PaintKit.h"
#include "SpriteCanvas.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <string>

namespace veltrane::assetgen {

QImage CityPainter::inside(int n) {
    return CityViewPainter(n, kViewWidth, kViewHeight).paint();
}

QImage CityPainter::silhouette(int n) {
    AssetRandom rnd(AssetRandom::seedFor("citypic" + std::to_string(n)));
    SpriteCanvas canvas(kSilhouetteWidth, kSilhouetteHeight);
    QPainter& p = canvas.painter();
    const Rgb stone = mix(Rgb::hex(0x3a4658), Rgb::hex(0x5a4a40), rnd.real());
    const Rgb lit = Rgb::hex(n % 3 == 0 ? 0x90f0ff : 0xffe080);
    // Back row first, taller and paler; then the front row.
    for (int row = 0; row < 2; ++row) {
        const int count = row == 0 ? 4 + rnd.below(3) : 5 + rnd.below(3);
        for (int i = 0; i < count; ++i) {
            const double w = rnd.range(9, 18);
            // Clustered towards the middle, as a town grows around its centre.
            const double x = kSilhouetteWidth / 2.0 - w / 2 + (rnd.real() + rnd.real() - 1.0) * 38;
            const double h = row == 0 ? rnd.range(30, 64) : rnd.range(14, 38);
            const double top = kSilhouetteHeight - h;
            const QRectF body(x, top, w, h);
            const Rgb c = stone * (row == 0 ? 0.85 : 1.1);
            QLinearGradient g(body.topLeft(), body.topRight());
            g.setColorAt(0, (c * 1.35).toColor());
            g.setColorAt(1, (c * 0.7).toColor());
            p.setBrush(g);
            const int kind = rnd.below(3);
            QPainterPath shape;
            if (kind == 0 && row == 1) {
                shape.addEllipse(QRectF(x - 2, kSilhouetteHeight - w * 0.8, w + 4, w * 1.6)); // dome
            } else {
                shape.addRect(body);
                if (kind == 1) {
                    shape.addPolygon(QPolygonF{{x, top}, {x + w / 2, top - 8}, {x + w, top}});
                }
                shape = shape.simplified();
            }
            p.drawPath(shape);
            // Windows only where there is building behind them.
            p.save();
            p.setClipPath(shape);
            for (double wy = top + 3; wy < kSilhouetteHeight - 3; wy += 5) {
                for (double wx = x + 2; wx < x + w - 3; wx += 4.5) {
                    if (rnd.chance(0.45)) {
                        p.setBrush(lit.toColor());
                        p.drawRect(QRectF(wx, wy, 2.2, 2.6));
                    }
                }
            }
            p.restore();
        }
    }
    return canvas.finishOnKey(qRgb(40, 44, 56));
}

} // namespace veltrane::assetgen
