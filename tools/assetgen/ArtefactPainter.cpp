#include "ArtefactPainter.h"

#include "AssetRandom.h"
#include "SpriteCanvas.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

struct Material {
    Rgb base;
    double shine;
};

// gold, silver, jade, obsidian, ruby, sapphire, bone, bronze, amethyst, emerald
const std::array<Material, 10> kMaterials{{{Rgb::hex(0xd8a830), 0.6},
                                           {Rgb::hex(0xb8c0cc), 0.7},
                                           {Rgb::hex(0x4aa878), 0.4},
                                           {Rgb::hex(0x2c2438), 0.5},
                                           {Rgb::hex(0xc8203a), 0.6},
                                           {Rgb::hex(0x2a58d0), 0.6},
                                           {Rgb::hex(0xe0d4b4), 0.3},
                                           {Rgb::hex(0xa86a30), 0.45},
                                           {Rgb::hex(0x9040c8), 0.6},
                                           {Rgb::hex(0x18b060), 0.6}}};

class Relic {
  public:
    explicit Relic(int n)
        : n_(n), variant_((n - 1) / ArtefactPainter::kKinds),
          rnd_(AssetRandom::seedFor("artefact" + std::to_string(n))),
          canvas_(ArtefactPainter::kWidth, ArtefactPainter::kHeight), p_(canvas_.painter()) {
        const int kind = ArtefactPainter::kindOf(n);
        mat_ = kMaterials[static_cast<std::size_t>((variant_ * 3 + kind * 7) % 10)];
        accent_ = kMaterials[static_cast<std::size_t>((variant_ * 3 + kind * 7 + 4) % 10)];
    }

    QImage paint() {
        switch (ArtefactPainter::kindOf(n_)) {
        case 0:
            gem();
            break;
        case 1:
            idol();
            break;
        case 2:
            mask();
            break;
        case 3:
            tablet();
            break;
        case 4:
            orb();
            break;
        case 5:
            device();
            break;
        case 6:
            skull();
            break;
        case 7:
            crown();
            break;
        case 8:
            key();
            break;
        default:
            shard();
            break;
        }
        return canvas_.finishOnKey(qRgb(50, 44, 40));
    }

  private:
    QBrush lit(const QRectF& box, const Material& m) const {
        return PaintKit::litBrush(box, m.base, m.shine, 0.55);
    }
    QBrush lit(const QRectF& box) const { return lit(box, mat_); }

    void sparkle(double x, double y, double r) {
        QRadialGradient g(QPointF(x, y), r);
        g.setColorAt(0, QColor(255, 255, 255, 230));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p_.setBrush(g);
        p_.drawEllipse(QPointF(x, y), r, r);
    }

    void gem() {
        const int sides = 5 + variant_ % 4;
        const double rx = 11 + rnd_.range(0, 5), ry = 10 + rnd_.range(0, 6);
        const QPointF c(20, 19);
        const double rot = rnd_.range(0, M_PI);
        QPolygonF outline;
        for (int i = 0; i < sides; ++i) {
            const double a = rot + 2 * M_PI * i / sides;
            outline << c + QPointF(rx * std::cos(a), ry * std::sin(a));
        }
        // Facets: each triangle to the table takes light by how it faces the upper left.
        const QPointF table = c + QPointF(-1.5, -1.5);
        for (int i = 0; i < sides; ++i) {
            const QPointF a = outline[i], b = outline[(i + 1) % sides];
            const QPointF mid = (a + b) / 2 - c;
            const double len = std::hypot(mid.x(), mid.y());
            const double facing = -(mid.x() * 0.7 + mid.y() * 0.7) / len;
            const Rgb col = mat_.base * (0.55 + 0.5 * facing) + Rgb{1, 1, 1} * std::max(0.0, facing) * 0.3;
            p_.setBrush(col.toColor());
            p_.drawPolygon(QPolygonF{a, b, table});
        }
        QPolygonF inner;
        for (const QPointF& v : outline) {
            inner << table + (v - c) * 0.42;
        }
        p_.setBrush(mix(mat_.base, Rgb{1, 1, 1}, 0.35).toColor(230));
        p_.drawPolygon(inner);
        sparkle(table.x() - rx * 0.3, table.y() - ry * 0.3, 3.5);
    }

    void idol() {
        const double w = 7 + variant_ % 3 * 1.5;
        QRectF body(20 - w, 15, w * 2, 20);
        QPainterPath path;
        path.moveTo(20 - w * 0.6, 15);
        path.lineTo(20 + w * 0.6, 15);
        path.lineTo(20 + w, 35);
        path.lineTo(20 - w, 35);
        path.closeSubpath();
        p_.setBrush(lit(body));
        p_.drawPath(path);
        // Arms: folded, raised or many, by variant.
        const int arms = variant_ % 3 == 2 ? 2 : 1;
        for (int k = 0; k < arms; ++k) {
            const double yArm = 19 + k * 5;
            const double raise = variant_ % 2 ? -7 : 3;
            QPen pen(lit(body), 2.6, Qt::SolidLine, Qt::RoundCap);
            p_.setPen(pen);
            p_.drawLine(QPointF(20 - w * 0.6, yArm), QPointF(20 - w - 4, yArm + raise));
            p_.drawLine(QPointF(20 + w * 0.6, yArm), QPointF(20 + w + 4, yArm + raise));
            p_.setPen(Qt::NoPen);
        }
        QRectF head(13.5, 3, 13, 13);
        p_.setBrush(lit(head));
        if (variant_ % 4 == 3) {
            // Bird-headed: a beak to one side.
            p_.drawPolygon(QPolygonF{{26, 8}, {33, 11}, {26, 12}});
        }
        p_.drawEllipse(head);
        p_.setBrush(accent_.base.toColor());
        p_.drawEllipse(QPointF(17.5, 9), 1.4, 1.4);
        p_.drawEllipse(QPointF(22.5, 9), 1.4, 1.4);
        if (variant_ % 3 == 1) {
            p_.setBrush(lit(QRectF(14, 0, 12, 5), accent_));
            p_.drawPolygon(QPolygonF{{14, 5}, {17, 0}, {20, 4}, {23, 0}, {26, 5}});
        }
    }

    void mask() {
        const double w = 13 + variant_ % 3, h = 16 + variant_ % 4;
        QRectF face(20 - w, 20 - h, w * 2, h * 2);
        QPainterPath shape;
        if (variant_ % 2) {
            shape.addEllipse(face);
        } else {
            // Shield-shaped mask with a pointed chin.
            shape.moveTo(20 - w, 20 - h + 3);
            shape.quadTo(20, 20 - h - 3, 20 + w, 20 - h + 3);
            shape.quadTo(20 + w, 20 + h * 0.6, 20, 20 + h);
            shape.quadTo(20 - w, 20 + h * 0.6, 20 - w, 20 - h + 3);
        }
        if (variant_ % 3 == 0) {
            // Horns.
            p_.setBrush(lit(QRectF(2, 0, 36, 14), accent_));
            p_.drawPolygon(QPolygonF{{20 - w + 2, 10}, {20 - w - 3, -1}, {20 - w + 7, 7}});
            p_.drawPolygon(QPolygonF{{20 + w - 2, 10}, {20 + w + 3, -1}, {20 + w - 7, 7}});
        }
        p_.setBrush(lit(face));
        p_.drawPath(shape);
        p_.setBrush(QColor(12, 8, 10));
        const double eyeY = 16 + variant_ % 2;
        p_.drawEllipse(QPointF(14.5, eyeY), 3.2, 2.0 + variant_ % 3 * 0.6);
        p_.drawEllipse(QPointF(25.5, eyeY), 3.2, 2.0 + variant_ % 3 * 0.6);
        p_.drawRoundedRect(QRectF(15, 27, 10, 2.4 + variant_ % 2 * 2), 1, 1);
        // Painted stripes in the accent colour.
        p_.setBrush(accent_.base.toColor(200));
        p_.drawRect(QRectF(19, 20 - h + 2, 2, 9));
        if (variant_ % 2 == 0) {
            p_.drawRect(QRectF(9, 21, 5, 1.6));
            p_.drawRect(QRectF(26, 21, 5, 1.6));
        }
    }

    void tablet() {
        const double w = 12 + variant_ % 3 * 1.5, h = 15 + variant_ % 2 * 2;
        QRectF box(20 - w, 20 - h, w * 2, h * 2);
        QPainterPath stone;
        stone.addRoundedRect(box, 3 + variant_ % 3 * 3, 3);
        if (variant_ % 3 == 1) {
            // A broken corner.
            QPainterPath bite;
            bite.addPolygon(QPolygonF{{box.right() + 1, box.top() - 1},
                                      {box.right() - 9, box.top() - 1},
                                      {box.right() - 4, box.top() + 4},
                                      {box.right() + 1, box.top() + 10}});
            stone = stone.subtracted(bite);
        }
        p_.setBrush(lit(box));
        p_.drawPath(stone);
        // Rows of glyphs, cut in: dark with a light lower edge.
        const int rows = 4 + variant_ % 2;
        for (int r = 0; r < rows; ++r) {
            double x = box.left() + 4;
            const double y = box.top() + 6 + r * (h * 2 - 10) / rows;
            while (x < box.right() - 6) {
                const double gw = rnd_.range(2, 4.5);
                p_.setBrush(QColor(255, 255, 255, 70));
                p_.drawRect(QRectF(x + 0.4, y + 0.5, gw, 2.6));
                p_.setBrush((mat_.base * 0.3).toColor());
                p_.drawRect(QRectF(x, y, gw, 2.4));
                x += gw + rnd_.range(1.2, 2.5);
            }
        }
    }

    void orb() {
        const double r = 11 + variant_ % 3;
        const QPointF c(20, 18);
        if (variant_ % 2) {
            // A little stand.
            p_.setBrush(lit(QRectF(12, 28, 16, 8), accent_));
            p_.drawPolygon(QPolygonF{{14, 36}, {26, 36}, {23, 28}, {17, 28}});
        }
        QRadialGradient halo(c, r + 5);
        halo.setColorAt(0.7, mat_.base.toColor(120));
        halo.setColorAt(1.0, mat_.base.toColor(0));
        p_.setBrush(halo);
        p_.drawEllipse(c, r + 5, r + 5);
        p_.setBrush(PaintKit::litBrush(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), mat_.base, 0.7, 0.6));
        p_.drawEllipse(c, r, r);
        // Swirl inside.
        QPen swirl(mix(accent_.base, Rgb{1, 1, 1}, 0.3).toColor(170), 1.4);
        p_.setPen(swirl);
        QPainterPath s;
        s.moveTo(c + QPointF(-r * 0.6, 0));
        s.cubicTo(c + QPointF(-r * 0.2, -r * 0.8), c + QPointF(r * 0.3, r * 0.8),
                  c + QPointF(r * 0.6, -r * 0.1));
        p_.drawPath(s);
        if (variant_ % 3 == 2) {
            p_.setPen(QPen(lit(QRectF(2, 10, 36, 16), accent_), 1.8));
            p_.setBrush(Qt::NoBrush);
            p_.drawEllipse(c, r + 6, 3.5);
        }
        p_.setPen(Qt::NoPen);
        sparkle(c.x() - r * 0.4, c.y() - r * 0.45, 3.2);
    }

    void device() {
        const bool round = variant_ % 2;
        QRectF box(8 + variant_ % 3, 12, 24 - 2 * (variant_ % 3), 20);
        p_.setBrush(lit(box));
        if (round) {
            p_.drawRoundedRect(box, 8, 8);
        } else {
            p_.drawRoundedRect(box, 2, 2);
        }
        // Antenna or handle.
        p_.setBrush(lit(QRectF(18, 2, 4, 10), accent_));
        if (variant_ % 3 == 0) {
            p_.drawRect(QRectF(19, 4, 2, 8));
            sparkle(20, 4, 2.5);
        } else {
            p_.drawRoundedRect(QRectF(14, 7, 12, 6), 3, 3);
        }
        // Lit panel lights.
        const int lights = 2 + variant_ % 3;
        for (int i = 0; i < lights; ++i) {
            const double x = box.left() + 4 + i * (box.width() - 8) / std::max(1, lights - 1);
            const Rgb on = kMaterials[static_cast<std::size_t>((i * 3 + variant_) % 10)].base;
            QRadialGradient g(QPointF(x, 18), 3);
            g.setColorAt(0, mix(on, Rgb{1, 1, 1}, 0.5).toColor());
            g.setColorAt(1, on.toColor(0));
            p_.setBrush(g);
            p_.drawEllipse(QPointF(x, 18), 3, 3);
        }
        p_.setBrush((mat_.base * 0.3).toColor());
        p_.drawRoundedRect(QRectF(box.left() + 4, 24, box.width() - 8, 4), 1, 1);
        p_.setBrush(accent_.base.toColor());
        p_.drawRect(QRectF(box.left() + 5, 25, (box.width() - 10) * rnd_.range(0.3, 0.9), 2));
    }

    void skull() {
        const double w = 12 + variant_ % 3, top = 4 + variant_ % 2 * 2;
        QRectF cranium(20 - w, top, w * 2, 24);
        if (variant_ % 4 == 1) {
            cranium.setTop(top - 3); // elongated
        }
        if (variant_ % 3 == 0) {
            p_.setBrush(lit(QRectF(0, 0, 40, 16), accent_));
            p_.drawPolygon(QPolygonF{{9, 12}, {2, 1}, {13, 8}});
            p_.drawPolygon(QPolygonF{{31, 12}, {38, 1}, {27, 8}});
        }
        p_.setBrush(lit(cranium));
        p_.drawEllipse(cranium);
        p_.drawRoundedRect(QRectF(20 - w * 0.6, top + 17, w * 1.2, 13), 3, 3);
        p_.setBrush(QColor(14, 10, 12));
        const double eyeY = top + 14;
        p_.drawEllipse(QPointF(20 - w * 0.42, eyeY), 3.6, 4);
        p_.drawEllipse(QPointF(20 + w * 0.42, eyeY), 3.6, 4);
        if (variant_ % 5 == 2) {
            p_.drawEllipse(QPointF(20, eyeY - 6), 2.2, 2.4); // a third eye
        }
        p_.drawPolygon(QPolygonF{{20, eyeY + 3}, {18.5, eyeY + 7}, {21.5, eyeY + 7}});
        for (int i = 0; i < 4; ++i) {
            p_.drawRect(QRectF(20 - w * 0.5 + 1 + i * w * 0.27, top + 25, 0.9, 4));
        }
        if (variant_ % 2) {
            // A set gem on the brow.
            p_.setBrush(PaintKit::litBrush(QRectF(17.5, top + 4, 5, 5), accent_.base, 0.7, 0.5));
            p_.drawEllipse(QRectF(17.5, top + 4, 5, 5));
        }
    }

    void crown() {
        const int points = 3 + variant_ % 4;
        const double left = 5, right = 35, base = 30, bandTop = 22;
        const double peak = 6 + variant_ % 3 * 2;
        QPainterPath path;
        path.moveTo(left, base);
        path.lineTo(left, bandTop);
        for (int i = 0; i < points; ++i) {
            const double x0 = left + (right - left) * i / points;
            const double x1 = left + (right - left) * (i + 0.5) / points;
            const double x2 = left + (right - left) * (i + 1) / points;
            if (variant_ % 2) {
                path.quadTo(x1, peak - 4, x2, bandTop); // rounded arches
            } else {
                path.lineTo(x1, peak);
                path.lineTo(x2, bandTop);
            }
            (void)x0;
        }
        path.lineTo(right, base);
        path.closeSubpath();
        p_.setBrush(lit(QRectF(left, peak, right - left, base - peak)));
        p_.drawPath(path);
        p_.setBrush((mat_.base * 0.6).toColor());
        p_.drawRect(QRectF(left, base - 3, right - left, 3));
        for (int i = 0; i < points; ++i) {
            const double x = left + (right - left) * (i + 0.5) / points;
            p_.setBrush(PaintKit::litBrush(QRectF(x - 2.2, 24, 4.4, 4.4), accent_.base, 0.7, 0.5));
            p_.drawEllipse(QRectF(x - 2.2, 24, 4.4, 4.4));
            if (variant_ % 2 == 0) {
                p_.drawEllipse(QPointF(x, peak), 1.6, 1.6);
            }
        }
    }

    void key() {
        p_.save();
        p_.translate(20, 20);
        p_.rotate(-75 + (variant_ * 37) % 110);
        const double length = 24 + variant_ % 4 * 2.5;
        QPen shaft(lit(QRectF(-20, -4, 40, 8)), 3.2, Qt::SolidLine, Qt::RoundCap);
        p_.setPen(shaft);
        p_.drawLine(QPointF(-length / 2 + 8, 0), QPointF(length / 2, 0));
        // The bit: two or three teeth.
        p_.setPen(Qt::NoPen);
        p_.setBrush(lit(QRectF(0, 0, 16, 8)));
        const int teeth = 2 + variant_ % 2;
        for (int i = 0; i < teeth; ++i) {
            p_.drawRect(QRectF(length / 2 - 3 - i * 4, 0, 2.6, 4 + (i % 2) * 2));
        }
        // The bow: ring, trefoil or diamond.
        const QPointF bow(-length / 2 + 3, 0);
        p_.setBrush(lit(QRectF(bow.x() - 7, -7, 14, 14)));
        QPainterPath ring;
        if (variant_ % 3 == 0) {
            ring.addEllipse(bow, 7, 7);
            ring.addEllipse(bow, 3.5, 3.5);
        } else if (variant_ % 3 == 1) {
            for (int i = 0; i < 3; ++i) {
                const double a = M_PI + (i - 1) * 2.0;
                ring.addEllipse(bow + QPointF(3.5 * std::cos(a), 3.5 * std::sin(a)), 3.6, 3.6);
            }
        } else {
            ring.addPolygon(QPolygonF{bow + QPointF(-7, 0), bow + QPointF(0, -7), bow + QPointF(7, 0),
                                      bow + QPointF(0, 7)});
            ring.closeSubpath();
        }
        ring.setFillRule(Qt::OddEvenFill);
        p_.drawPath(ring);
        p_.setBrush(PaintKit::litBrush(QRectF(bow.x() - 2, -2, 4, 4), accent_.base, 0.7, 0.4));
        if (variant_ % 3 != 0) {
            p_.drawEllipse(bow, 2, 2);
        }
        p_.restore();
    }

    void shard() {
        const int pieces = 1 + variant_ % 3;
        for (int k = 0; k < pieces; ++k) {
            const double cx = 20 + (k - (pieces - 1) / 2.0) * 8;
            const double h = 26 - k % 2 * 6 + rnd_.range(-2, 2);
            const double w = 6 + rnd_.range(0, 4);
            const double lean = rnd_.range(-5, 5);
            QPolygonF crystal{{cx - w / 2, 34},
                              {cx - w / 2 - 1 + lean * 0.3, 34 - h * 0.6},
                              {cx + lean, 34 - h},
                              {cx + w / 2 + 1 + lean * 0.3, 34 - h * 0.5},
                              {cx + w / 2, 34}};
            QLinearGradient g(QPointF(cx - w, 34 - h), QPointF(cx + w, 34));
            g.setColorAt(0, mix(mat_.base, Rgb{1, 1, 1}, 0.55).toColor(235));
            g.setColorAt(0.5, mat_.base.toColor(230));
            g.setColorAt(1, (mat_.base * 0.4).toColor(240));
            p_.setBrush(g);
            p_.drawPolygon(crystal);
            // The lit face along the crystal's left edge.
            p_.setBrush(QColor(255, 255, 255, 80));
            p_.drawPolygon(QPolygonF{crystal[1], crystal[2], QPointF(cx + lean * 0.5, 34 - h * 0.5)});
        }
        sparkle(20 + rnd_.range(-4, 4), 10, 2.8);
    }

    int n_;
    int variant_;
    AssetRandom rnd_;
    SpriteCanvas canvas_;
    QPainter& p_;
    Material mat_;
    Material accent_;
};

} // namespace

QImage ArtefactPainter::paint(int n) {
    return Relic(n).paint();
}

} // namespace veltrane::assetgen
