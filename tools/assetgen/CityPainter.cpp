#include "CityPainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"
#include "SpriteCanvas.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

struct CityLight {
    Rgb skyTop, skyLow, haze, stone, window;
    bool night;
};

CityLight lightFor(int n) {
    static const CityLight lights[] = {
        {Rgb::hex(0x3a78c0), Rgb::hex(0xb8d8f0), Rgb::hex(0xa8c4dc), Rgb::hex(0x8a96a8), Rgb::hex(0xfff0b0),
         false},
        {Rgb::hex(0x2a1e48), Rgb::hex(0xf09050), Rgb::hex(0xd08060), Rgb::hex(0x5a4a58), Rgb::hex(0xffd070),
         false},
        {Rgb::hex(0x04081a), Rgb::hex(0x1a2448), Rgb::hex(0x202c50), Rgb::hex(0x283040), Rgb::hex(0xffe090),
         true},
        {Rgb::hex(0x1a4a3a), Rgb::hex(0x90c8a0), Rgb::hex(0x80b090), Rgb::hex(0x506a60), Rgb::hex(0xd0ffb0),
         false},
        {Rgb::hex(0x6a5a9a), Rgb::hex(0xf4c0c0), Rgb::hex(0xe0b0b8), Rgb::hex(0x8a7a90), Rgb::hex(0xfff0d0),
         false},
        {Rgb::hex(0x140a30), Rgb::hex(0x5a2a70), Rgb::hex(0x4a2a60), Rgb::hex(0x302840), Rgb::hex(0x90f0ff),
         true},
        {Rgb::hex(0x8a5a20), Rgb::hex(0xf0c070), Rgb::hex(0xd8a860), Rgb::hex(0x7a6040), Rgb::hex(0xfff0a0),
         false},
        {Rgb::hex(0x0a2a3a), Rgb::hex(0x3a8a9a), Rgb::hex(0x3a7a88), Rgb::hex(0x2a4a54), Rgb::hex(0xa0fff0),
         true},
    };
    return lights[(n - 1) % 8];
}

class Street {
  public:
    explicit Street(int n)
        : n_(n), rnd_(AssetRandom::seedFor("city" + std::to_string(n))), noise_(rnd_.next()),
          light_(lightFor(n)), image_(PaintKit::opaque(kW, kH, Rgb{})) {}

    QImage paint() {
        sky();
        QPainter p(&image_);
        p.setRenderHints(PaintKit::hints());
        p.setPen(Qt::NoPen);
        // Three rows of towers, far to near, then the street and its traffic.
        towers(p, 0.65, 24, 60, 150, 0.7);
        towers(p, 0.35, 14, 80, 170, 0.35);
        street(p);
        sideBlocks(p);
        traffic(p);
        p.end();
        AssetRandom grainRnd(rnd_.next());
        PaintKit::grain(image_, grainRnd, 0.03);
        return image_;
    }

  private:
    static constexpr int kW = CityPainter::kViewWidth;
    static constexpr int kH = CityPainter::kViewHeight;
    static constexpr double kHorizon = 150;

    void sky() {
        for (int y = 0; y < kH; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            const double t = std::pow(clamp01(y / kHorizon), 1.3);
            for (int x = 0; x < kW; ++x) {
                Rgb c = mix(light_.skyTop, light_.skyLow, t);
                const double cloud = noise_.fbm(x / 90.0 + n_, y / 25.0, 4);
                c = mix(c, light_.skyLow, smoothstep(0.55, 0.8, cloud) * 0.4);
                line[x] = c.toRgb();
            }
        }
        if (light_.night) {
            for (int i = 0; i < 60; ++i) {
                PaintKit::star(image_, rnd_.range(0, kW), rnd_.range(0, 90), 0.2 + 0.5 * rnd_.real(),
                               Rgb{1, 1, 1});
            }
        }
    }

    void towers(QPainter& p, double haze, int count, double minH, double maxH, double windowChance) {
        const Rgb stone = mix(light_.stone, light_.haze, haze);
        for (int i = 0; i < count; ++i) {
            const double w = rnd_.range(14, 34) * (1.0 - haze * 0.4);
            const double x = rnd_.range(-10, kW);
            const double h = rnd_.range(minH, maxH);
            const double top = kHorizon + 10 - h;
            const QRectF body(x, top, w, h + 10);
            // Lit from the upper left: a bright left face and a darker right face.
            QLinearGradient g(body.topLeft(), body.topRight());
            g.setColorAt(0, (stone * (light_.night ? 0.7 : 1.15)).toColor());
            g.setColorAt(0.55, (stone * 0.8).toColor());
            g.setColorAt(1, (stone * 0.55).toColor());
            p.setBrush(g);
            const int roof = rnd_.below(4);
            if (roof == 0) {
                p.drawRect(body);
            } else if (roof == 1) {
                p.drawRect(body);
                p.drawEllipse(QRectF(x, top - w / 2, w, w)); // a dome
            } else if (roof == 2) {
                p.drawPolygon(QPolygonF{{x, top + 8},
                                        {x + w / 2, top - 14},
                                        {x + w, top + 8},
                                        {x + w, top + h + 10},
                                        {x, top + h + 10}});
            } else {
                p.drawRect(body);
                p.setBrush((stone * 0.6).toColor());
                p.drawRect(QRectF(x + w / 2 - 0.8, top - 16, 1.6, 16)); // an antenna
                p.setBrush(QColor(255, 60, 60));
                p.drawEllipse(QPointF(x + w / 2, top - 16), 1.3, 1.3);
            }
            windows(p, body, windowChance * (light_.night ? 1.0 : 0.45), haze);
        }
    }

    void windows(QPainter& p, const QRectF& body, double chance, double haze) {
        const double cell = 4.0 - haze * 1.5;
        for (double y = body.top() + 4; y < body.bottom() - 4; y += cell + 1.6) {
            for (double x = body.left() + 2; x < body.right() - cell; x += cell + 1.4) {
                if (!rnd_.chance(chance)) {
                    continue;
                }
                const Rgb c = mix(light_.window, light_.haze, haze * 0.6);
                p.setBrush(c.toColor(rnd_.chance(0.7) ? 230 : 140));
                p.drawRect(QRectF(x, y, cell * 0.8, cell * 0.9));
            }
        }
    }

    void street(QPainter& p) {
        // The road runs into the distance towards a vanishing point on the horizon.
        const QPointF vanish(kW * rnd_.range(0.4, 0.6), kHorizon);
        const Rgb asphalt = light_.stone * 0.45;
        QLinearGradient g(0, kHorizon, 0, kH);
        g.setColorAt(0, mix(asphalt, light_.haze, 0.5).toColor());
        g.setColorAt(1, asphalt.toColor());
        p.setBrush(g);
        p.drawRect(QRectF(0, kHorizon, kW, kH - kHorizon));
        p.setBrush((light_.stone * 0.7).toColor());
        p.drawPolygon(QPolygonF{vanish, {-40, static_cast<double>(kH)}, {30, static_cast<double>(kH)}});
        p.drawPolygon(
            QPolygonF{vanish, {kW + 40.0, static_cast<double>(kH)}, {kW - 30.0, static_cast<double>(kH)}});
        // Lane marks, shorter towards the distance.
        p.setBrush(QColor(240, 230, 180, 200));
        for (int i = 0; i < 7; ++i) {
            const double t0 = std::pow(0.72, i), t1 = t0 * 0.86;
            const QPointF a = vanish + (QPointF(kW / 2.0, kH) - vanish) * t0;
            const QPointF b = vanish + (QPointF(kW / 2.0, kH) - vanish) * t1;
            p.drawPolygon(QPolygonF{a - QPointF(2.5 * t0, 0), a + QPointF(2.5 * t0, 0),
                                    b + QPointF(2.5 * t1, 0), b - QPointF(2.5 * t1, 0)});
        }
        vanish_ = vanish;
    }

    // The street canyon: a facade on each side running towards the vanishing point, its
    // windows in perspective. The right facade faces the light from the left.
    void sideBlocks(QPainter& p) {
        for (int side : {0, 1}) {
            // Some views open onto a plaza on one side.
            if ((side == 0 && n_ % 4 == 3) || (side == 1 && n_ % 5 == 4)) {
                continue;
            }
            const double nearX = side ? kW : 0;
            const double farX = vanish_.x() + (side ? 1 : -1) * rnd_.range(45, 90);
            const double nearTop = rnd_.range(-20, 40), farTop = vanish_.y() - rnd_.range(50, 90);
            const double nearBottom = kH, farBottom = vanish_.y() + 4;
            const auto at = [&](double t, double f) {
                const double x = nearX + (farX - nearX) * t;
                const double top = nearTop + (farTop - nearTop) * t;
                const double bottom = nearBottom + (farBottom - nearBottom) * t;
                return QPointF(x, top + (bottom - top) * f);
            };
            const Rgb face = light_.stone * (side ? (light_.night ? 0.6 : 0.95) : 0.45);
            QLinearGradient g(QPointF(nearX, 0), QPointF(farX, 0));
            g.setColorAt(0, face.toColor());
            g.setColorAt(1, mix(face, light_.haze, 0.45).toColor());
            p.setBrush(g);
            p.drawPolygon(QPolygonF{at(0, 0), at(1, 0), at(1, 1), at(0, 1)});
            // Columns close up towards the distance; rows follow the converging lines.
            const int rows = 14 + rnd_.below(8);
            double t = 0.0;
            for (int column = 0; column < 14 && t < 0.93; ++column) {
                const double next = 1.0 - std::pow(0.8, column + 1);
                const double t0 = t + (next - t) * 0.2, t1 = t + (next - t) * 0.8;
                for (int row = 1; row < rows - 2; ++row) {
                    if (!rnd_.chance(light_.night ? 0.6 : 0.3)) {
                        continue;
                    }
                    const double f0 = (row + 0.15) / rows, f1 = (row + 0.75) / rows;
                    const Rgb c = mix(light_.window, light_.haze, t * 0.5);
                    p.setBrush(c.toColor(rnd_.chance(0.7) ? 235 : 150));
                    p.drawPolygon(QPolygonF{at(t0, f0), at(t1, f0), at(t1, f1), at(t0, f1)});
                }
                t = next;
            }
            // Shop signs glowing along the street.
            for (int k = 0; k < 3; ++k) {
                const double ts = 0.08 + k * 0.22;
                const Rgb sign =
                    Rgb::from(QColor::fromHsv((n_ * 47 + side * 120 + k * 70) % 360, 170, 255).rgb());
                p.setBrush(sign.toColor(225));
                p.drawPolygon(
                    QPolygonF{at(ts, 0.84), at(ts + 0.12, 0.84), at(ts + 0.12, 0.88), at(ts, 0.88)});
            }
        }
    }

    void traffic(QPainter& p) {
        // Flying traffic in lanes above the street, with light trails.
        const int lanes = 2 + rnd_.below(3);
        for (int l = 0; l < lanes; ++l) {
            const double y = rnd_.range(40, 130);
            const int cars = 2 + rnd_.below(4);
            for (int c = 0; c < cars; ++c) {
                const double x = rnd_.range(30, kW - 30);
                const bool right = (l % 2) == 0;
                QLinearGradient trail(x, y, x + (right ? -30 : 30), y);
                trail.setColorAt(0, QColor(255, right ? 230 : 90, right ? 180 : 80, 200));
                trail.setColorAt(1, QColor(255, 200, 150, 0));
                p.setBrush(trail);
                p.drawRect(QRectF(right ? x - 30 : x, y - 0.8, 30, 1.6));
                const double size = rnd_.range(4, 8);
                p.setBrush(
                    PaintKit::litBrush(QRectF(x - size, y - size / 2, size * 2, size), light_.stone * 1.3));
                p.drawEllipse(QRectF(x - size, y - size / 2, size * 2, size));
                p.setBrush(QColor(255, 250, 220, 230));
                p.drawEllipse(QPointF(right ? x + size * 0.8 : x - size * 0.8, y), 1.2, 1.2);
            }
        }
        // Ground vehicles: head and tail lights on the road.
        for (int i = 0; i < 6; ++i) {
            const double t = rnd_.range(0.15, 0.9);
            const QPointF at = vanish_ + (QPointF(kW / 2.0 + rnd_.range(-60, 60), kH) - vanish_) * t;
            const double s = 8 * t;
            p.setBrush((light_.stone * 0.7).toColor());
            p.drawRoundedRect(QRectF(at.x() - s, at.y() - s * 0.6, s * 2, s * 0.9), s * 0.2, s * 0.2);
            const bool coming = at.x() > vanish_.x();
            p.setBrush(coming ? QColor(255, 250, 220) : QColor(255, 60, 50));
            p.drawEllipse(QPointF(at.x() - s * 0.7, at.y() - s * 0.2), s * 0.18, s * 0.14);
            p.drawEllipse(QPointF(at.x() + s * 0.7, at.y() - s * 0.2), s * 0.18, s * 0.14);
        }
    }

    int n_;
    AssetRandom rnd_;
    Noise noise_;
    CityLight light_;
    QImage image_;
    QPointF vanish_;
};

} // namespace

QImage CityPainter::inside(int n) {
    return Street(n).paint();
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
