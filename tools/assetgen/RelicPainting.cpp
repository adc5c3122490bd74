#include "RelicPainting.h"

#include "ArtefactPainter.h"
#include "PaintKit.h"

#include <QPolygonF>

#include <cmath>
#include <string>

namespace veltrane::assetgen {

RelicPainting::RelicPainting(int n, const QString& name, const ArtefactLore::Motif& motif,
                             const RelicMaterial& material, const RelicMaterial& accent)
    : n_(n), name_(name), subject_(motif.subject), word_(motif.word),
      rnd_(AssetRandom::seedFor("artefact" + std::to_string(n))),
      canvas_(ArtefactPainter::kWidth, ArtefactPainter::kHeight), p_(canvas_.painter()), mat_(material),
      accent_(accent) {
    variant_ = rnd_.below(10);
}

QPainterPath RelicPainting::segment(QPointF from, QPointF to) {
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

QImage RelicPainting::paint() {
    using Subject = ArtefactLore::Subject;
    switch (subject_) {
    case Subject::Key:
        key();
        break;
    case Subject::Idol:
        idol();
        break;
    case Subject::Mask:
        mask();
        break;
    case Subject::Tablet:
        tablet();
        break;
    case Subject::Orb:
        orb();
        break;
    case Subject::Device:
        device();
        break;
    case Subject::Skull:
        skull();
        break;
    case Subject::Crown:
        crown();
        break;
    case Subject::Gem:
        gem();
        break;
    case Subject::Shard:
        shard();
        break;
    case Subject::Eye:
        eye();
        break;
    case Subject::Vessel:
        vessel();
        break;
    case Subject::Lantern:
        lantern();
        break;
    case Subject::Feather:
        feather();
        break;
    case Subject::Ring:
        ring();
        break;
    case Subject::Horn:
        horn();
        break;
    case Subject::Scroll:
        scroll();
        break;
    case Subject::Rod:
        rod();
        break;
    case Subject::Bell:
        bell();
        break;
    case Subject::Hourglass:
        hourglass();
        break;
    case Subject::Mirror:
        mirror();
        break;
    case Subject::Creature:
        creature();
        break;
    case Subject::Plant:
        plant();
        break;
    }
    return canvas_.finishOnKey(qRgb(50, 44, 40));
}

QBrush RelicPainting::lit(const QRectF& box, const RelicMaterial& m) const {
    return PaintKit::litBrush(box, m.base, m.shine, 0.55);
}

void RelicPainting::sparkle(double x, double y, double r) {
    QRadialGradient g(QPointF(x, y), r);
    g.setColorAt(0, QColor(255, 255, 255, 230));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p_.setBrush(g);
    p_.drawEllipse(QPointF(x, y), r, r);
}

void RelicPainting::groove(const QPainterPath& path, double width) {
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(QColor(255, 255, 255, 70), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path.translated(0.5, 0.5));
    p_.setPen(QPen((mat_.base * 0.3).toColor(220), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path);
    p_.setPen(Qt::NoPen);
}

void RelicPainting::stroke(const QPainterPath& path, const QBrush& brush, double width) {
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.drawPath(path);
    p_.setPen(Qt::NoPen);
}

void RelicPainting::glow(QPointF at, double r, const Rgb& colour, int alpha) {
    QRadialGradient g(at, r);
    g.setColorAt(0, mix(colour, Rgb{1, 1, 1}, 0.6).toColor(alpha));
    g.setColorAt(0.4, colour.toColor(alpha * 2 / 3));
    g.setColorAt(1, colour.toColor(0));
    p_.setBrush(g);
    p_.drawEllipse(at, r, r);
}

void RelicPainting::gem() {
    if (is("dice")) {
        // Two dice, the top faces catching the light.
        for (int k = 0; k < 2; ++k) {
            const QPointF o(k ? 22 : 5, k ? 18 : 12);
            const double s = 13;
            const QPolygonF top{o + QPointF(0, 4), o + QPointF(s * 0.6, 0), o + QPointF(s * 1.3, 3),
                                o + QPointF(s * 0.7, 7)};
            const QPolygonF left{top[0], top[3], top[3] + QPointF(0, s), top[0] + QPointF(0, s * 0.8)};
            const QPolygonF right{top[3], top[2], top[2] + QPointF(0, s * 0.8), top[3] + QPointF(0, s)};
            p_.setBrush(mix(mat_.base, Rgb{1, 1, 1}, 0.35).toColor());
            p_.drawPolygon(top);
            p_.setBrush(mat_.base.toColor());
            p_.drawPolygon(left);
            p_.setBrush((mat_.base * 0.55).toColor());
            p_.drawPolygon(right);
            p_.setBrush(QColor(30, 26, 40));
            const QPointF c = (top[0] + top[2]) / 2;
            p_.drawEllipse(c, 1.3, 0.8);
            for (int i = 0; i < 2 + k; ++i) {
                p_.drawEllipse(top[0] + QPointF(s * 0.35, s * (0.25 + 0.25 * i)), 1.1, 1.3);
            }
        }
        return;
    }
    if (is("heart")) {
        QPainterPath h;
        h.moveTo(20, 35);
        h.cubicTo(4, 24, 2, 9, 12, 7);
        h.cubicTo(17, 6, 19, 10, 20, 13);
        h.cubicTo(21, 10, 23, 6, 28, 7);
        h.cubicTo(38, 9, 36, 24, 20, 35);
        p_.setBrush(PaintKit::litBrush(h.boundingRect(), mat_.base, 0.7, 0.65));
        p_.drawPath(h);
        // Facet lines and a cloud of light inside.
        p_.save();
        p_.setClipPath(h);
        glow(QPointF(22, 20), 9, accent_.base, 150);
        p_.setBrush(QColor(255, 255, 255, 40));
        p_.drawPolygon(QPolygonF{{20, 13}, {8, 12}, {20, 35}});
        p_.restore();
        sparkle(12, 12, 3.2);
        return;
    }
    if (is("prism")) {
        const QPolygonF front{{8, 32}, {18, 8}, {26, 32}};
        const QPolygonF side{{18, 8}, {30, 12}, {34, 33}, {26, 32}};
        p_.setBrush(mix(mat_.base, Rgb{1, 1, 1}, 0.55).toColor());
        p_.drawPolygon(front);
        p_.setBrush((mat_.base * 0.7).toColor());
        p_.drawPolygon(side);
        // Light goes in white and comes out as a fan of colours.
        const Rgb band[] = {Rgb::hex(0xff4040), Rgb::hex(0xffc040), Rgb::hex(0x50e060), Rgb::hex(0x4080ff)};
        for (int i = 0; i < 4; ++i) {
            p_.setBrush(band[i].toColor(170));
            p_.drawPolygon(QPolygonF{{30, 22}, {40, 24.0 + i * 3}, {40, 27.0 + i * 3}});
        }
        sparkle(16, 13, 2.6);
        return;
    }
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

void RelicPainting::figure(double cx, double s) {
    const double w = (7 + variant_ % 3 * 1.5) * s;
    const double top = 41 - 38 * s;
    const auto at = [&](double x, double y) { return QPointF(cx + (x - 20) * s, top + y * s); };
    QRectF body(cx - w, top + 15 * s, w * 2, 20 * s);
    QPainterPath path;
    path.moveTo(cx - w * 0.6, top + 15 * s);
    path.lineTo(cx + w * 0.6, top + 15 * s);
    path.lineTo(cx + w, top + 35 * s);
    path.lineTo(cx - w, top + 35 * s);
    path.closeSubpath();
    p_.setBrush(lit(body));
    p_.drawPath(path);
    const double raise = variant_ % 2 ? -7 : 3;
    QPainterPath arms;
    arms.moveTo(cx - w * 0.6, top + 19 * s);
    arms.lineTo(cx - w - 4 * s, top + (19 + raise) * s);
    arms.moveTo(cx + w * 0.6, top + 19 * s);
    arms.lineTo(cx + w + 4 * s, top + (19 + raise) * s);
    stroke(arms, lit(body), 2.6 * s);
    const QRectF head(at(13.5, 3), at(26.5, 16));
    p_.setBrush(lit(head));
    p_.drawEllipse(head);
    p_.setBrush((mat_.base * 0.3).toColor());
    p_.drawEllipse(at(17.5, 9), 1.3 * s, (variant_ % 3 == 0 ? 0.5 : 1.3) * s);
    p_.drawEllipse(at(22.5, 9), 1.3 * s, (variant_ % 3 == 0 ? 0.5 : 1.3) * s);
}

void RelicPainting::idol() {
    if (is("statuettes") || is("statuette")) {
        figure(11, 0.7);
        figure(29, 0.7);
        return;
    }
    if (is("totem")) {
        // Stacked carved faces on a pole, the top one a sleepy bear.
        for (int k = 0; k < 3; ++k) {
            const QRectF block(11, 4 + k * 11.5, 18, 12);
            p_.setBrush(lit(block, k == 1 ? accent_ : mat_));
            p_.drawRoundedRect(block, 3, 3);
            p_.setBrush((mat_.base * 0.25).toColor());
            p_.drawRect(QRectF(14, block.top() + 4, 4, 1.2));
            p_.drawRect(QRectF(22, block.top() + 4, 4, 1.2));
            p_.drawRoundedRect(QRectF(17, block.top() + 8, 6, 1.6), 0.8, 0.8);
        }
        p_.setBrush(lit(QRectF(8, 2, 24, 6)));
        p_.drawEllipse(QRectF(9, 2, 6, 5));
        p_.drawEllipse(QRectF(25, 2, 6, 5));
        return;
    }
    figure(20, 1.0);
    if (is("soldier")) {
        p_.setBrush(lit(QRectF(12, 1, 16, 8), accent_));
        p_.drawChord(QRectF(12.5, 2, 15, 12), 0, 180 * 16);
        stroke(segment({33, 38}, {33, 4}), lit(QRectF(30, 0, 6, 40), accent_), 1.6);
        p_.setBrush(lit(QRectF(31, 0, 4, 6), accent_));
        p_.drawPolygon(QPolygonF{{33, 0}, {35, 5}, {31, 5}});
    } else if (variant_ % 3 == 1) {
        p_.setBrush(lit(QRectF(14, 0, 12, 5), accent_));
        p_.drawPolygon(QPolygonF{{14, 5}, {17, 0}, {20, 4}, {23, 0}, {26, 5}});
    }
}

void RelicPainting::mask() {
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
    // Masks laugh and smile more often than not.
    QPainterPath mouth;
    mouth.moveTo(14, 26);
    mouth.quadTo(20, 33, 26, 26);
    mouth.quadTo(20, 29, 14, 26);
    p_.drawPath(mouth);
    p_.setBrush(accent_.base.toColor(200));
    p_.drawRect(QRectF(19, 20 - h + 2, 2, 9));
    if (variant_ % 2 == 0) {
        p_.drawRect(QRectF(9, 21, 5, 1.6));
        p_.drawRect(QRectF(26, 21, 5, 1.6));
    }
}

void RelicPainting::tablet() {
    if (is("book")) {
        const QRectF cover(9, 5, 22, 30);
        p_.setBrush(QColor(236, 226, 200));
        p_.drawRect(QRectF(cover.right() - 1, cover.top() + 2, 3, cover.height() - 2));
        p_.setBrush(lit(cover));
        p_.drawRoundedRect(cover, 1.5, 1.5);
        p_.setBrush((mat_.base * 0.6).toColor());
        p_.drawRect(QRectF(cover.left(), cover.top(), 3, cover.height()));
        p_.setBrush(lit(QRectF(16, 13, 10, 10), accent_));
        p_.drawEllipse(QRectF(17, 14, 8, 8));
        for (double y : {8.0, 31.0}) {
            p_.setBrush((mat_.base * 0.45).toColor());
            p_.drawRect(QRectF(cover.left() + 5, y, cover.width() - 7, 1.3));
        }
        return;
    }
    if (is("stone") || is("rune") || is("fossil") || is("keystone")) {
        QPolygonF outline;
        if (is("keystone")) {
            outline = {{6, 7}, {34, 7}, {28, 36}, {12, 36}};
        } else {
            for (int i = 0; i < 9; ++i) {
                const double a = 2 * M_PI * i / 9;
                const double r = rnd_.range(0.85, 1.05);
                outline << QPointF(20 + 14 * r * std::cos(a), 21 + 15 * r * std::sin(a));
            }
        }
        QPainterPath stone;
        stone.addPolygon(outline);
        stone.closeSubpath();
        p_.setBrush(lit(stone));
        p_.drawPath(stone);
        QPainterPath mark;
        if (is("fossil")) {
            // A curled shell, turning inwards.
            for (double t = 0; t < 4 * M_PI; t += 0.25) {
                const double r = 10 * std::exp(-t * 0.18);
                const QPointF q(20 + r * std::cos(t), 21 + r * std::sin(t));
                t == 0 ? mark.moveTo(q) : mark.lineTo(q);
            }
        } else {
            mark.moveTo(16, 12);
            mark.lineTo(16, 30);
            mark.moveTo(16, 16);
            mark.lineTo(24, 11);
            mark.moveTo(16, 21);
            mark.lineTo(24, 27);
        }
        groove(mark, 1.8);
        return;
    }
    const double w = 12 + variant_ % 3 * 1.5, h = 15 + variant_ % 2 * 2;
    QRectF box(20 - w, 20 - h, w * 2, h * 2);
    QPainterPath stone;
    stone.addRoundedRect(box, 3 + variant_ % 3 * 3, 3);
    if (variant_ % 3 == 1) {
        QPainterPath bite;
        bite.addPolygon(QPolygonF{{box.right() + 1, box.top() - 1},
                                  {box.right() - 9, box.top() - 1},
                                  {box.right() - 4, box.top() + 4},
                                  {box.right() + 1, box.top() + 10}});
        stone = stone.subtracted(bite);
    }
    p_.setBrush(lit(box));
    p_.drawPath(stone);
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

void RelicPainting::orb() {
    if (is("pebble") || is("stones")) {
        const int count = is("stones") ? 5 : 1;
        for (int i = 0; i < count; ++i) {
            const double a = 2 * M_PI * i / count + 0.3;
            const QPointF c =
                count == 1 ? QPointF(20, 22) : QPointF(20 + 10 * std::cos(a), 21 + 9 * std::sin(a));
            const double rx = count == 1 ? 15 : 6.5, ry = count == 1 ? 10 : 5;
            p_.setBrush(PaintKit::litBrush(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry),
                                           i % 2 ? accent_.base : mat_.base, 0.45, 0.6));
            p_.drawEllipse(c, rx, ry);
        }
        return;
    }
    const bool comet = is("comet");
    const double r = comet ? 8 : 11 + variant_ % 3;
    const QPointF c = comet ? QPointF(28, 12) : QPointF(20, 18);
    if (comet) {
        QLinearGradient tail(c, QPointF(2, 38));
        tail.setColorAt(0, accent_.base.toColor(230));
        tail.setColorAt(1, accent_.base.toColor(0));
        p_.setBrush(tail);
        p_.drawPolygon(QPolygonF{c + QPointF(-6, -5), c + QPointF(5, 6), {2, 40}, {0, 30}});
    } else if (variant_ % 2 && !is("pearl")) {
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
    if (is("orb")) {
        QPainterPath s;
        s.moveTo(c + QPointF(-r * 0.6, 0));
        s.cubicTo(c + QPointF(-r * 0.2, -r * 0.8), c + QPointF(r * 0.3, r * 0.8),
                  c + QPointF(r * 0.6, -r * 0.1));
        stroke(s, mix(accent_.base, Rgb{1, 1, 1}, 0.3).toColor(170), 1.4);
    }
    sparkle(c.x() - r * 0.4, c.y() - r * 0.45, 3.2);
}

void RelicPainting::device() {
    if (is("box")) {
        const QPolygonF top{{6, 14}, {20, 8}, {34, 14}, {20, 20}};
        p_.setBrush(lit(top.boundingRect()));
        p_.drawPolygon(top);
        p_.setBrush(mat_.base.toColor());
        p_.drawPolygon(QPolygonF{{6, 14}, {20, 20}, {20, 36}, {6, 30}});
        p_.setBrush((mat_.base * 0.55).toColor());
        p_.drawPolygon(QPolygonF{{20, 20}, {34, 14}, {34, 30}, {20, 36}});
        // Inlaid squares on the faces: a puzzle, or a music box's crank.
        p_.setBrush(accent_.base.toColor(220));
        p_.drawPolygon(QPolygonF{{10, 20}, {16, 23}, {16, 29}, {10, 26}});
        p_.drawPolygon(QPolygonF{{17, 11.5}, {23, 11.5}, {26, 14}, {20, 16.5}});
        stroke(
            [] {
                QPainterPath crank;
                crank.moveTo(34, 22);
                crank.lineTo(38, 20);
                crank.lineTo(38, 15);
                return crank;
            }(),
            lit(QRectF(32, 14, 8, 10), accent_), 1.6);
        return;
    }
    if (is("hand") || is("clockwork")) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(11, 18, 17, 16), 4, 4);
        for (int i = 0; i < 4; ++i) {
            hand.addRoundedRect(QRectF(11.5 + i * 4.2, 4 + std::abs(i - 1.5) * 2, 3.4, 17), 1.7, 1.7);
        }
        hand.addRoundedRect(QRectF(3, 20, 12, 4), 2, 2);
        p_.setBrush(lit(hand));
        p_.drawPath(hand.simplified());
        p_.setBrush((mat_.base * 0.35).toColor());
        for (int i = 0; i < 4; ++i) {
            p_.drawRect(QRectF(11.5 + i * 4.2, 12 + std::abs(i - 1.5) * 2, 3.4, 0.9));
        }
        p_.setBrush(lit(QRectF(15, 24, 8, 8), accent_));
        p_.drawEllipse(QRectF(16, 25, 7, 7));
        p_.setBrush(lit(QRectF(12, 34, 15, 5), accent_));
        p_.drawRect(QRectF(13, 33, 13, 5));
        return;
    }
    if (is("sextant")) {
        QPainterPath frame;
        frame.moveTo(20, 4);
        frame.lineTo(7, 30);
        frame.moveTo(20, 4);
        frame.lineTo(33, 30);
        frame.moveTo(5, 30);
        frame.quadTo(20, 38, 35, 30);
        stroke(frame, lit(QRectF(4, 3, 32, 36)), 2.6);
        stroke(segment({20, 4}, {26, 33}), lit(QRectF(18, 2, 10, 34), accent_), 1.6);
        p_.setBrush(lit(QRectF(15, 8, 10, 6), accent_));
        p_.drawRoundedRect(QRectF(14, 12, 12, 5), 2, 2);
        sparkle(18, 6, 2.2);
        return;
    }
    // Compass, astrolabe and sundial: a dial in a rim.
    const QPointF c(20, 21);
    const double r = 15;
    p_.setBrush(lit(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r)));
    p_.drawEllipse(c, r, r);
    p_.setBrush(PaintKit::litBrush(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r),
                                   is("sundial") ? mat_.base * 0.8 : Rgb::hex(0xe8e0c8), 0.3, 0.4));
    p_.drawEllipse(c, r - 3, r - 3);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p_.setBrush((mat_.base * 0.35).toColor());
        p_.drawEllipse(c + QPointF((r - 5) * std::cos(a), (r - 5) * std::sin(a)), 0.8, 0.8);
    }
    if (is("astrolabe")) {
        QPainterPath rete;
        rete.addEllipse(c + QPointF(2, -2), 7, 7);
        rete.moveTo(c + QPointF(-9, 6));
        rete.lineTo(c + QPointF(9, -8));
        stroke(rete, lit(QRectF(6, 6, 28, 28), accent_), 1.4);
        p_.setBrush(lit(QRectF(16, 0, 8, 8)));
        p_.drawEllipse(QPointF(20, 4), 3.5, 3.5);
    } else if (is("sundial")) {
        p_.setBrush((mat_.base * 0.3).toColor(160));
        p_.drawPolygon(QPolygonF{c, c + QPointF(9, 6), c + QPointF(8, 8)});
        p_.setBrush(lit(QRectF(12, 8, 10, 14), accent_));
        p_.drawPolygon(QPolygonF{c, c + QPointF(-6, -12), c + QPointF(-1, 0)});
    } else {
        p_.setBrush(accent_.base.toColor());
        p_.drawPolygon(QPolygonF{c + QPointF(-2, 0), c + QPointF(6, -9), c + QPointF(2, 0)});
        p_.setBrush((mat_.base * 0.4).toColor());
        p_.drawPolygon(QPolygonF{c + QPointF(-2, 0), c + QPointF(-6, 9), c + QPointF(2, 0)});
    }
    sparkle(c.x() - 7, c.y() - 8, 3);
}

void RelicPainting::skull() {
    if (is("bones")) {
        for (int k = 0; k < 3; ++k) {
            p_.save();
            p_.translate(20 + (k - 1) * 6, 22 + (k % 2) * 4);
            p_.rotate(-50 + k * 50);
            p_.setBrush(lit(QRectF(-14, -4, 28, 8)));
            p_.drawRoundedRect(QRectF(-11, -1.6, 22, 3.2), 1.5, 1.5);
            for (double x : {-11.5, 11.5}) {
                p_.drawEllipse(QPointF(x, -1.6), 2.3, 2.3);
                p_.drawEllipse(QPointF(x, 1.6), 2.3, 2.3);
            }
            p_.restore();
        }
        return;
    }
    const double w = 12 + variant_ % 3, top = 4 + variant_ % 2 * 2;
    QRectF cranium(20 - w, top, w * 2, 24);
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
    p_.drawPolygon(QPolygonF{{20, eyeY + 3}, {18.5, eyeY + 7}, {21.5, eyeY + 7}});
    for (int i = 0; i < 4; ++i) {
        p_.drawRect(QRectF(20 - w * 0.5 + 1 + i * w * 0.27, top + 25, 0.9, 4));
    }
    sparkle(20 - w * 0.5, top + 5, 3);
}

void RelicPainting::crown() {
    if (is("helm")) {
        QPainterPath helm;
        helm.moveTo(7, 30);
        helm.cubicTo(4, 2, 36, 2, 33, 30);
        helm.lineTo(27, 34);
        helm.lineTo(25, 22);
        helm.lineTo(15, 22);
        helm.lineTo(13, 34);
        helm.closeSubpath();
        p_.setBrush(lit(helm));
        p_.drawPath(helm);
        p_.setBrush((mat_.base * 0.45).toColor());
        p_.drawRect(QRectF(18.8, 21, 2.4, 10));
        p_.setBrush(lit(QRectF(15, 0, 10, 12), accent_));
        p_.drawChord(QRectF(14, 2, 12, 16), 0, 180 * 16);
        QPainterPath dent;
        dent.moveTo(26, 12);
        dent.lineTo(29, 16);
        groove(dent, 1.0);
        sparkle(13, 11, 2.8);
        return;
    }
    if (is("diadem") || is("tiara")) {
        QPainterPath band;
        band.moveTo(4, 30);
        band.quadTo(20, 12, 36, 30);
        band.lineTo(33, 32);
        band.quadTo(20, 18, 7, 32);
        band.closeSubpath();
        band.addPolygon(QPolygonF{{14, 21}, {20, 4}, {26, 21}});
        p_.setBrush(lit(band));
        p_.drawPath(band.simplified());
        const int stones = is("diadem") ? 7 : 5;
        for (int i = 0; i < stones; ++i) {
            const double t = (i + 0.5) / stones;
            const QPointF at(4 + 32 * t, 30 - 13 * std::sin(M_PI * t) + 0.5);
            glow(at, 2.6, accent_.base, 255);
        }
        glow(QPointF(20, 14), 4.5, is("tiara") ? Rgb{0.9, 0.95, 1.0} : accent_.base, 255);
        return;
    }
    const int points = named("gear") ? 8 : 3 + variant_ % 4;
    const double left = 5, right = 35, base = 32, bandTop = 22;
    const double peak = 6 + variant_ % 3 * 2;
    QPainterPath path;
    path.moveTo(left, base);
    path.lineTo(left, bandTop);
    for (int i = 0; i < points; ++i) {
        const double x1 = left + (right - left) * (i + 0.5) / points;
        const double x2 = left + (right - left) * (i + 1) / points;
        if (named("gear")) {
            path.lineTo(x1 - 1.2, bandTop - 5);
            path.lineTo(x1 + 1.2, bandTop - 5);
            path.lineTo(x2, bandTop);
        } else if (variant_ % 2) {
            path.quadTo(x1, peak - 4, x2, bandTop);
        } else {
            path.lineTo(x1, peak);
            path.lineTo(x2, bandTop);
        }
    }
    path.lineTo(right, base);
    path.closeSubpath();
    p_.setBrush(lit(QRectF(left, peak, right - left, base - peak)));
    p_.drawPath(path);
    p_.setBrush((mat_.base * 0.6).toColor());
    p_.drawRect(QRectF(left, base - 3, right - left, 3));
    for (int i = 0; i < std::min(points, 5); ++i) {
        const double x = left + (right - left) * (i + 0.5) / std::min(points, 5);
        p_.setBrush(PaintKit::litBrush(QRectF(x - 2.2, 24, 4.4, 4.4), accent_.base, 0.7, 0.5));
        p_.drawEllipse(QRectF(x - 2.2, 24, 4.4, 4.4));
    }
    if (named("gear")) {
        for (int i = 0; i < 3; ++i) {
            const QPointF c(11 + i * 9, 12 + (i % 2) * 2);
            p_.setBrush(lit(QRectF(c.x() - 4, c.y() - 4, 8, 8), accent_));
            p_.drawEllipse(c, 3.8, 3.8);
            p_.setBrush((accent_.base * 0.35).toColor());
            p_.drawEllipse(c, 1.2, 1.2);
        }
    }
}

void RelicPainting::key() {
    p_.save();
    p_.translate(20, 20);
    p_.rotate(-75 + (variant_ * 37) % 110);
    const double length = 28 + variant_ % 3 * 2.5;
    QPainterPath shaft;
    shaft.moveTo(-length / 2 + 8, 0);
    shaft.lineTo(length / 2, 0);
    stroke(shaft, lit(QRectF(-20, -4, 40, 8)), 3.4);
    p_.setBrush(lit(QRectF(0, 0, 16, 8)));
    const int teeth = 2 + variant_ % 2;
    for (int i = 0; i < teeth; ++i) {
        p_.drawRect(QRectF(length / 2 - 3 - i * 4, 0, 2.8, 4.5 + (i % 2) * 2));
    }
    const QPointF bow(-length / 2 + 3, 0);
    p_.setBrush(lit(QRectF(bow.x() - 8, -8, 16, 16)));
    QPainterPath ring;
    if (variant_ % 3 == 0) {
        ring.addEllipse(bow, 8, 8);
        ring.addEllipse(bow, 4, 4);
    } else if (variant_ % 3 == 1) {
        for (int i = 0; i < 3; ++i) {
            const double a = M_PI + (i - 1) * 2.0;
            ring.addEllipse(bow + QPointF(4 * std::cos(a), 4 * std::sin(a)), 4, 4);
        }
    } else {
        ring.addPolygon(
            QPolygonF{bow + QPointF(-8, 0), bow + QPointF(0, -8), bow + QPointF(8, 0), bow + QPointF(0, 8)});
        ring.closeSubpath();
    }
    ring.setFillRule(Qt::OddEvenFill);
    p_.drawPath(ring);
    if (variant_ % 3 != 0) {
        p_.setBrush(PaintKit::litBrush(QRectF(bow.x() - 2, -2, 4, 4), accent_.base, 0.7, 0.4));
        p_.drawEllipse(bow, 2.2, 2.2);
    }
    p_.restore();
}

void RelicPainting::shard() {
    const int pieces = is("astrolith") ? 1 : 1 + variant_ % 3;
    for (int k = 0; k < pieces; ++k) {
        const double cx = 20 + (k - (pieces - 1) / 2.0) * 8;
        const double h = (is("astrolith") ? 22 : 28) - k % 2 * 6 + rnd_.range(-2, 2);
        const double w = (is("astrolith") ? 22 : 7) + rnd_.range(0, 4);
        const double lean = rnd_.range(-5, 5);
        QPolygonF crystal{{cx - w / 2, 35},
                          {cx - w / 2 - 1 + lean * 0.3, 35 - h * 0.6},
                          {cx + lean, 35 - h},
                          {cx + w / 2 + 1 + lean * 0.3, 35 - h * 0.5},
                          {cx + w / 2, 35}};
        QLinearGradient g(QPointF(cx - w, 35 - h), QPointF(cx + w, 35));
        g.setColorAt(0, mix(mat_.base, Rgb{1, 1, 1}, 0.55).toColor());
        g.setColorAt(0.5, mat_.base.toColor());
        g.setColorAt(1, (mat_.base * 0.4).toColor());
        p_.setBrush(g);
        p_.drawPolygon(crystal);
        p_.setBrush(QColor(255, 255, 255, 80));
        p_.drawPolygon(QPolygonF{crystal[1], crystal[2], QPointF(cx + lean * 0.5, 35 - h * 0.5)});
    }
    if (is("fragment") || is("astrolith")) {
        glow(QPointF(22, 24), 7, accent_.base, 140);
    }
    sparkle(20 + rnd_.range(-4, 4), 11, 2.8);
}

void RelicPainting::eye() {
    if (is("lens")) {
        const QPointF c(17, 17);
        p_.setBrush(lit(QRectF(2, 2, 30, 30)));
        p_.drawEllipse(c, 14, 14);
        QRadialGradient glass(c - QPointF(4, 4), 14);
        glass.setColorAt(0, QColor(230, 245, 255));
        glass.setColorAt(1, mix(accent_.base, Rgb{0.5, 0.7, 0.9}, 0.6).toColor());
        p_.setBrush(glass);
        p_.drawEllipse(c, 10.5, 10.5);
        QPainterPath crack;
        crack.moveTo(12, 9);
        crack.lineTo(17, 16);
        crack.lineTo(15, 21);
        crack.lineTo(22, 26);
        stroke(crack, QColor(255, 255, 255, 200), 0.8);
        stroke(segment({27, 27}, {37, 37}), lit(QRectF(26, 26, 12, 12), accent_), 4);
        return;
    }
    // A carved almond with a great iris, looking slightly down at the beholder.
    const double w = 17, h = 9 + variant_ % 3;
    const auto almond = [](double cx, double cy, double hw, double hh) {
        QPainterPath a;
        a.moveTo(cx - hw, cy);
        a.quadTo(cx, cy - hh * 2, cx + hw, cy);
        a.quadTo(cx, cy + hh * 2, cx - hw, cy);
        return a;
    };
    const QPainterPath setting = almond(20, 20, w + 2.5, h + 3);
    p_.setBrush(lit(setting.boundingRect(), accent_));
    p_.drawPath(setting);
    const QPainterPath ball = almond(20, 20, w - 1, h);
    p_.setBrush(PaintKit::litBrush(ball.boundingRect(), mix(mat_.base, Rgb{1, 1, 1}, 0.75), 0.5, 0.5));
    p_.drawPath(ball);
    p_.save();
    p_.setClipPath(ball);
    const QPointF iris(20 + (variant_ % 3 - 1) * 2, 21);
    const double ir = h * 0.95;
    QRadialGradient g(iris - QPointF(ir * 0.3, ir * 0.3), ir);
    g.setColorAt(0, mix(mat_.base, Rgb{1, 1, 1}, 0.45).toColor());
    g.setColorAt(0.6, mat_.base.toColor());
    g.setColorAt(1, (mat_.base * 0.35).toColor());
    p_.setBrush(g);
    p_.drawEllipse(iris, ir, ir);
    p_.setBrush(QColor(8, 6, 12));
    p_.drawEllipse(iris, ir * 0.42, ir * (variant_ % 2 ? 0.42 : 0.8));
    // The upper lid's shadow falls on the ball.
    p_.setBrush(QColor(0, 0, 0, 70));
    p_.drawPath(almond(20, 20 - h * 0.9, w, h * 0.7));
    p_.restore();
    sparkle(iris.x() - ir * 0.4, iris.y() - ir * 0.4, 2.6);
}

} // namespace veltrane::assetgen
