// The everyday objects among the relics: vessels, lamps, rings, scrolls and the like.
#include "PaintKit.h"
#include "RelicPainting.h"

#include <QPolygonF>

#include <cmath>

namespace veltrane::assetgen {

void RelicPainting::vessel() {
    if (is("bowl") || is("nest")) {
        QPainterPath body;
        body.moveTo(3, 19);
        body.cubicTo(4, 36, 36, 36, 37, 19);
        body.closeSubpath();
        p_.setBrush(lit(QRectF(3, 10, 34, 26)));
        p_.drawPath(body);
        p_.setBrush((mat_.base * 0.35).toColor());
        p_.drawEllipse(QRectF(3, 15, 34, 8));
        if (is("nest")) {
            for (int i = 0; i < 9; ++i) {
                QPainterPath twig;
                const double y = 21 + i * 1.3;
                twig.moveTo(5 + i % 3, y);
                twig.quadTo(20, y + 6 + rnd_.range(-2, 2), 35 - i % 2, y - 1);
                stroke(twig, mix(mat_.base, Rgb{1, 1, 1}, 0.4).toColor(140), 0.8);
            }
            glow(QPointF(20, 19), 6, accent_.base, 180);
        } else {
            p_.setBrush(lit(QRectF(14, 31, 12, 5), accent_));
            p_.drawRoundedRect(QRectF(14, 31, 12, 4), 2, 2);
            groove(segment({8, 26}, {32, 26}), 0.9);
        }
        sparkle(9, 22, 2.4);
        return;
    }
    if (is("chalice") || is("cup") || is("tea")) {
        const double cx = is("tea") ? 15 : 20;
        QPainterPath cup;
        cup.moveTo(cx - 11, 6);
        cup.cubicTo(cx - 11, 22, cx + 11, 22, cx + 11, 6);
        cup.closeSubpath();
        p_.setBrush(lit(cup));
        p_.drawPath(cup);
        p_.setBrush((mat_.base * 0.35).toColor());
        p_.drawEllipse(QRectF(cx - 11, 3.5, 22, 5));
        p_.setBrush(lit(QRectF(cx - 8, 18, 16, 20), accent_));
        p_.drawRect(QRectF(cx - 1.5, 18, 3, 12));
        p_.drawEllipse(QRectF(cx - 8, 30, 16, 6));
        if (is("tea")) {
            // A second, smaller cup with a handle beside it.
            QPainterPath small;
            small.moveTo(24, 24);
            small.cubicTo(24, 37, 38, 37, 38, 24);
            small.closeSubpath();
            p_.setBrush(lit(small));
            p_.drawPath(small);
            stroke(segment({38, 27}, {39, 31}), lit(small), 1.6);
        } else {
            glow(QPointF(cx, 14), 3, accent_.base, 255);
        }
        sparkle(cx - 6, 10, 2.4);
        return;
    }
    const bool bottle = is("bottle") || is("glass") || is("flask");
    QPainterPath body;
    if (bottle) {
        body.addEllipse(QRectF(7, 14, 26, 24));
        body.addRect(QRectF(16, 3, 8, 14));
    } else {
        body.addEllipse(QRectF(9, 9, 22, 26));
        body.addRect(QRectF(15, 3, 10, 8));
        body.addEllipse(QRectF(12, 32, 16, 6));
    }
    body = body.simplified();
    p_.setBrush(lit(body));
    p_.drawPath(body);
    if (bottle) {
        p_.save();
        p_.setClipPath(body);
        // Something sealed inside: a storm, or old air.
        glow(QPointF(20, 27), 9, accent_.base, 200);
        stroke(
            [] {
                QPainterPath bolt;
                bolt.moveTo(17, 18);
                bolt.lineTo(22, 25);
                bolt.lineTo(19, 26);
                bolt.lineTo(23, 33);
                return bolt;
            }(),
            QColor(255, 250, 210, 230), 1.1);
        p_.restore();
        p_.setBrush(lit(QRectF(15, 0, 10, 5), accent_));
        p_.drawRoundedRect(QRectF(15.5, 0.5, 9, 4.5), 1.5, 1.5);
    } else {
        for (const double side : {-1.0, 1.0}) {
            QPainterPath handle;
            handle.moveTo(20 + side * 5, 6);
            handle.quadTo(20 + side * 15, 4, 20 + side * 10, 17);
            stroke(handle, lit(QRectF(4, 2, 32, 18)), 2.2);
        }
        groove(segment({11, 22}, {29, 22}), 1.0);
    }
    sparkle(13, 20, 2.6);
}

void RelicPainting::lantern() {
    const bool lamp = is("lamp");
    stroke(
        [] {
            QPainterPath handle;
            handle.moveTo(15, 7);
            handle.quadTo(20, -3, 25, 7);
            return handle;
        }(),
        lit(QRectF(12, 0, 16, 8)), 1.6);
    const Rgb flame = mix(accent_.base, Rgb{1.0, 0.85, 0.5}, lamp ? 0.2 : 0.5);
    p_.setBrush(lit(QRectF(10, 5, 20, 6)));
    p_.drawPolygon(QPolygonF{{13, 7}, {27, 7}, {30, 11}, {10, 11}});
    const QRectF glass = lamp ? QRectF(8, 11, 24, 22) : QRectF(11, 11, 18, 21);
    QRadialGradient light(glass.center(), glass.width() * 0.7);
    light.setColorAt(0, mix(flame, Rgb{1, 1, 1}, 0.6).toColor());
    light.setColorAt(0.6, flame.toColor());
    light.setColorAt(1, (flame * 0.5).toColor());
    p_.setBrush(light);
    lamp ? p_.drawEllipse(glass) : p_.drawRect(glass);
    if (lamp) {
        for (int i = 0; i < 9; ++i) {
            glow(QPointF(rnd_.range(12, 28), rnd_.range(15, 30)), 1.8, Rgb{1, 1, 0.9}, 230);
        }
    } else {
        p_.setBrush(lit(glass));
        for (const double x : {10.5, 18.8, 27.5}) {
            p_.drawRect(QRectF(x, 11, 2, 21));
        }
    }
    p_.setBrush(lit(QRectF(9, 32, 22, 6)));
    p_.drawRoundedRect(QRectF(9, 32, 22, 5), 2, 2);
    sparkle(glass.left() + 4, glass.top() + 4, 2.4);
}

void RelicPainting::feather() {
    if (is("fan")) {
        for (int i = 0; i < 7; ++i) {
            const double a = M_PI * (1.1 + 0.8 * i / 6.0);
            const QPointF tip(20 + 19 * std::cos(a), 34 + 19 * std::sin(a));
            QPainterPath blade;
            blade.moveTo(20, 34);
            blade.lineTo(tip + QPointF(-3 * std::sin(a), 3 * std::cos(a)));
            blade.lineTo(tip - QPointF(-3 * std::sin(a), 3 * std::cos(a)));
            blade.closeSubpath();
            p_.setBrush(
                PaintKit::litBrush(blade.boundingRect(), i % 2 ? mat_.base : mat_.base * 0.85, 0.4, 0.4));
            p_.drawPath(blade);
        }
        // The moth's eye spots.
        for (const double x : {12.0, 28.0}) {
            glow(QPointF(x, 24), 3.2, accent_.base, 255);
        }
        p_.setBrush(lit(QRectF(17, 31, 6, 6), accent_));
        p_.drawEllipse(QPointF(20, 34), 2.6, 2.6);
        return;
    }
    p_.save();
    p_.translate(20, 21);
    p_.rotate(35 + variant_ % 3 * 8);
    QPainterPath vane;
    vane.moveTo(0, 18);
    vane.cubicTo(-9, 6, -7, -12, 0, -19);
    vane.cubicTo(7, -12, 8, 6, 0, 12);
    p_.setBrush(lit(vane));
    p_.drawPath(vane);
    for (int i = 0; i < 7; ++i) {
        const double y = -14 + i * 4;
        QPainterPath barb;
        barb.moveTo(0, y + 2);
        barb.lineTo(i % 2 ? 5 : -5, y - 1);
        stroke(barb, (mat_.base * 0.55).toColor(170), 0.6);
    }
    stroke(segment({0, -17}, {0, 20}), lit(QRectF(-2, -20, 4, 40), accent_), 1.2);
    if (is("quill")) {
        p_.setBrush((accent_.base * 0.4).toColor());
        p_.drawPolygon(QPolygonF{{-1.2, 19}, {1.2, 19}, {0, 23}});
    }
    p_.restore();
    sparkle(15, 11, 2.2);
}

void RelicPainting::ring() {
    const QPointF c(20, 20);
    if (is("ring")) {
        QPainterPath band;
        band.addEllipse(QRectF(5, 13, 30, 24));
        band.addEllipse(QRectF(10, 18, 20, 14));
        band.setFillRule(Qt::OddEvenFill);
        p_.setBrush(lit(band));
        p_.drawPath(band);
        p_.setBrush(lit(QRectF(14, 4, 12, 12), accent_));
        p_.drawPolygon(QPolygonF{{14, 13}, {17, 6}, {23, 6}, {26, 13}, {20, 17}});
        glow(QPointF(20, 10), 8, Rgb{1.0, 0.55, 0.2}, 120);
        sparkle(17, 8, 2);
        return;
    }
    if (is("pin")) {
        stroke(segment({6, 34}, {33, 8}), lit(QRectF(5, 6, 30, 30)), 1.6);
        p_.setBrush(lit(QRectF(26, 2, 12, 12), accent_));
        p_.drawEllipse(QPointF(32, 8), 5.5, 5.5);
        glow(QPointF(31, 7), 2.2, Rgb{1, 1, 1}, 200);
        return;
    }
    QPainterPath disc;
    if (is("cogwheel") || is("gear")) {
        const int teeth = 10;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a = M_PI * i / teeth;
            const double r = i % 2 ? 13.5 : 17;
            const QPointF q = c + QPointF(r * std::cos(a - 0.12), r * std::sin(a - 0.12));
            const QPointF s = c + QPointF(r * std::cos(a + 0.12), r * std::sin(a + 0.12));
            i == 0 ? disc.moveTo(q) : disc.lineTo(q);
            disc.lineTo(s);
        }
        disc.closeSubpath();
        disc.addEllipse(c, 4, 4);
        disc.setFillRule(Qt::OddEvenFill);
        p_.setBrush(lit(disc));
        p_.drawPath(disc);
        for (int i = 0; i < 4; ++i) {
            const double a = M_PI / 2 * i + 0.4;
            p_.setBrush((mat_.base * 0.4).toColor());
            p_.drawEllipse(c + QPointF(8.5 * std::cos(a), 8.5 * std::sin(a)), 2.2, 2.2);
        }
        return;
    }
    const bool brooch = is("brooch");
    const double rx = brooch ? 16 : 15, ry = brooch ? 12 : 15;
    p_.setBrush(lit(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry)));
    p_.drawEllipse(c, rx, ry);
    QPainterPath rim;
    rim.addEllipse(c, rx - 2.5, ry - 2.5);
    groove(rim, 0.9);
    QPainterPath motif;
    if (brooch) {
        // A howling wolf's head, raised to the left.
        motif.addPolygon(
            QPolygonF{{13, 30}, {12, 22}, {7, 13}, {8, 10}, {15, 13}, {19, 7}, {21, 14}, {26, 18}, {28, 30}});
        motif.closeSubpath();
        p_.setBrush(lit(motif.boundingRect(), accent_));
        p_.drawPath(motif);
    } else if (is("coin")) {
        motif.addEllipse(QRectF(15, 11, 10, 11));
        motif.moveTo(14, 30);
        motif.quadTo(20, 21, 26, 30);
        groove(motif, 1.3);
    } else {
        // A sun or a seal's star, engraved.
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 4 * i;
            motif.moveTo(c + QPointF(5 * std::cos(a), 5 * std::sin(a)));
            motif.lineTo(c + QPointF(10 * std::cos(a), 10 * std::sin(a)));
        }
        motif.addEllipse(c, 3, 3);
        groove(motif, 1.3);
    }
    sparkle(c.x() - rx * 0.5, c.y() - ry * 0.5, 2.6);
}

void RelicPainting::horn() {
    if (is("shell")) {
        for (int i = 5; i >= 0; --i) {
            const double t = i / 5.0;
            const QPointF at(12 + 16 * t, 26 - 12 * t);
            const double r = 11 - 8 * t;
            p_.setBrush(PaintKit::litBrush(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r),
                                           mix(mat_.base, accent_.base, t * 0.5), 0.5, 0.5));
            p_.drawEllipse(at, r, r * 0.85);
        }
        p_.setBrush(mix(accent_.base, Rgb{1, 0.8, 0.8}, 0.5).toColor());
        p_.drawEllipse(QPointF(11, 28), 5, 3.5);
        return;
    }
    const bool tooth = is("tooth") || is("thorn");
    QPainterPath shape;
    if (tooth) {
        shape.moveTo(10, 37);
        shape.cubicTo(8, 20, 18, 8, 32, 3);
        shape.cubicTo(24, 12, 20, 24, 20, 37);
        shape.closeSubpath();
    } else {
        shape.moveTo(3, 30);
        shape.cubicTo(6, 12, 24, 4, 37, 6);
        shape.cubicTo(26, 10, 14, 24, 13, 38);
        shape.closeSubpath();
    }
    p_.setBrush(lit(shape));
    p_.drawPath(shape);
    if (!tooth) {
        // Bands along the horn, and a bell-mouth at its wide end.
        for (int i = 0; i < 4; ++i) {
            const double t = 0.2 + i * 0.16;
            groove(segment(QPointF(3 + 12 * t, 30 - 20 * t + 6), QPointF(13 + 8 * t, 38 - 22 * t)), 1.0);
        }
        p_.setBrush(lit(QRectF(2, 27, 12, 12), accent_));
        p_.drawEllipse(QPointF(8, 34), 5.5, 4.5);
        p_.setBrush((accent_.base * 0.3).toColor());
        p_.drawEllipse(QPointF(8, 34), 3, 2.4);
    }
    sparkle(14, 16, 2.4);
}

void RelicPainting::scroll() {
    if (is("letter")) {
        const QRectF env(3, 10, 34, 22);
        p_.setBrush(PaintKit::litBrush(env, Rgb::hex(0xe8dcc0), 0.4, 0.35));
        p_.drawRect(env);
        p_.setBrush(QColor(0, 0, 0, 40));
        p_.drawPolygon(QPolygonF{env.topLeft(), env.topRight(), {20, 24}});
        p_.setBrush(lit(QRectF(14, 18, 12, 12)));
        p_.drawEllipse(QPointF(20, 24), 4.5, 4.5);
        return;
    }
    if (is("banner")) {
        stroke(segment({6, 2}, {34, 2}), lit(QRectF(4, 0, 32, 4), accent_), 2.4);
        QPainterPath cloth;
        cloth.moveTo(9, 3);
        cloth.lineTo(31, 3);
        cloth.lineTo(31, 38);
        cloth.lineTo(20, 31);
        cloth.lineTo(9, 38);
        cloth.closeSubpath();
        p_.setBrush(lit(cloth));
        p_.drawPath(cloth);
        glow(QPointF(20, 16), 7, accent_.base, 255);
        return;
    }
    if (is("ribbon")) {
        QPainterPath band;
        band.moveTo(4, 30);
        band.cubicTo(12, 2, 26, 40, 36, 10);
        stroke(band, lit(QRectF(2, 4, 36, 32)), 6);
        band.translate(0, 0);
        stroke(band, (mat_.base * 0.5).toColor(120), 1);
        return;
    }
    // A sheet between two rollers; the map shows its route.
    const QRectF sheet(8, 7, 24, 27);
    p_.setBrush(PaintKit::litBrush(sheet, mix(Rgb::hex(0xe8d8b0), mat_.base, 0.25), 0.4, 0.35));
    p_.drawRect(sheet);
    for (const double y : {6.0, 34.0}) {
        p_.setBrush(lit(QRectF(5, y - 3, 30, 6), accent_));
        p_.drawRoundedRect(QRectF(5, y - 2.5, 30, 5), 2.5, 2.5);
    }
    if (is("map")) {
        QPainterPath route;
        route.moveTo(12, 29);
        route.cubicTo(16, 20, 24, 26, 22, 17);
        route.quadTo(21, 12, 28, 12);
        p_.setPen(QPen(QColor(140, 40, 30, 220), 1.1, Qt::DashLine));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(route);
        p_.setPen(Qt::NoPen);
        glow(QPointF(28, 12), 2.5, accent_.base, 255);
    } else {
        for (int r = 0; r < 6; ++r) {
            p_.setBrush(QColor(70, 50, 40, 150));
            p_.drawRect(QRectF(11, 11 + r * 3.8, rnd_.range(12, 18), 1.2));
        }
    }
}

void RelicPainting::rod() {
    p_.save();
    p_.translate(20, 21);
    p_.rotate(-45 + (variant_ % 3 - 1) * 8);
    const QRectF along(-20, -3, 40, 6);
    if (is("dagger")) {
        p_.setBrush(lit(QRectF(-4, -4, 24, 8)));
        p_.drawPolygon(QPolygonF{{-2, -3}, {20, 0}, {-2, 3}});
        p_.setBrush(lit(QRectF(-5, -7, 3, 14), accent_));
        p_.drawRoundedRect(QRectF(-5, -7, 3, 14), 1.4, 1.4);
        p_.setBrush(lit(QRectF(-17, -2, 12, 4), accent_));
        p_.drawRoundedRect(QRectF(-16, -1.8, 11, 3.6), 1.5, 1.5);
    } else if (is("flute")) {
        p_.setBrush(lit(along));
        p_.drawRoundedRect(QRectF(-18, -2.8, 36, 5.6), 2.5, 2.5);
        p_.setBrush((mat_.base * 0.2).toColor());
        for (int i = 0; i < 5; ++i) {
            p_.drawEllipse(QPointF(-6 + i * 4.5, -0.5), 1.1, 1.1);
        }
    } else if (is("spindle") || is("shuttle")) {
        stroke(segment({-19, 0}, {19, 0}), lit(along), 2);
        QPainterPath wound;
        wound.addEllipse(QRectF(-10, -6, 20, 12));
        p_.setBrush(is("shuttle") ? lit(wound) : lit(wound.boundingRect(), accent_));
        p_.drawPath(wound);
        for (int i = 0; i < 6; ++i) {
            groove(segment(QPointF(-6 + i * 2.4, -5), QPointF(-8 + i * 2.4, 5)), 0.6);
        }
        if (is("shuttle")) {
            glow(QPointF(0, 0), 3.5, Rgb{0.9, 0.95, 1}, 255);
        }
    } else {
        // Sceptre or staff: a shaft with a head.
        stroke(segment({-19, 0}, {13, 0}), lit(along), is("staff") ? 3.2 : 2.2);
        if (is("staff")) {
            QPainterPath hook;
            hook.moveTo(12, 0);
            hook.cubicTo(20, 0, 20, -8, 14, -7);
            stroke(hook, lit(QRectF(10, -9, 10, 10)), 3.2);
            for (int i = 0; i < 4; ++i) {
                groove(segment(QPointF(-14 + i * 6, -1.2), QPointF(-14 + i * 6, 1.2)), 0.8);
            }
        } else {
            p_.setBrush(lit(QRectF(9, -5, 10, 10), accent_));
            p_.drawPolygon(QPolygonF{{10, -4}, {13, 0}, {10, 4}, {8, 0}});
            glow(QPointF(15, 0), 5.5, accent_.base, 255);
        }
    }
    p_.restore();
}

void RelicPainting::bell() {
    if (is("chime")) {
        stroke(segment({5, 5}, {35, 5}), lit(QRectF(4, 3, 32, 4), accent_), 2.4);
        for (int i = 0; i < 4; ++i) {
            const double x = 9 + i * 7.3, len = 30 - std::abs(i - 1.5) * 6;
            stroke(segment({x, 5}, {x, 8}), QColor(80, 70, 60), 0.7);
            p_.setBrush(lit(QRectF(x - 2, 8, 4, len)));
            p_.drawRoundedRect(QRectF(x - 2, 8, 4, len), 1.5, 1.5);
        }
        return;
    }
    if (is("drum")) {
        p_.setBrush(lit(QRectF(6, 8, 28, 30)));
        p_.drawRect(QRectF(6, 12, 28, 22));
        p_.drawEllipse(QRectF(6, 29, 28, 9));
        QPainterPath cords;
        for (int i = 0; i < 5; ++i) {
            cords.moveTo(7 + i * 6.5, 15);
            cords.lineTo(10 + i * 6.5, 32);
        }
        stroke(cords, (accent_.base).toColor(220), 1);
        p_.setBrush(PaintKit::litBrush(QRectF(6, 8, 28, 9), Rgb::hex(0xe8d8b8), 0.4, 0.3));
        p_.drawEllipse(QRectF(6, 7.5, 28, 9));
        return;
    }
    QPainterPath shape;
    shape.moveTo(6, 32);
    shape.cubicTo(10, 28, 9, 8, 20, 7);
    shape.cubicTo(31, 8, 30, 28, 34, 32);
    shape.closeSubpath();
    stroke(
        [] {
            QPainterPath loop;
            loop.addEllipse(QRectF(16.5, 1.5, 7, 7));
            return loop;
        }(),
        lit(QRectF(15, 0, 10, 10), accent_), 1.8);
    p_.setBrush(lit(shape));
    p_.drawPath(shape);
    p_.setBrush((mat_.base * 0.5).toColor());
    p_.drawEllipse(QRectF(6, 29.5, 28, 5));
    p_.setBrush(lit(QRectF(17, 32, 6, 6), accent_));
    p_.drawEllipse(QPointF(20, 35.5), 2.6, 2.6);
    groove(segment({10, 25}, {30, 25}), 0.9);
    sparkle(14, 14, 2.4);
}

void RelicPainting::hourglass() {
    for (const double y : {3.0, 34.0}) {
        p_.setBrush(lit(QRectF(7, y, 26, 4)));
        p_.drawRoundedRect(QRectF(7, y, 26, 4), 1.5, 1.5);
    }
    for (const double x : {9.0, 29.0}) {
        p_.setBrush(lit(QRectF(x, 6, 2.4, 28)));
        p_.drawRect(QRectF(x, 6, 2.4, 28));
    }
    QPainterPath glass;
    glass.moveTo(12, 7);
    glass.lineTo(28, 7);
    glass.cubicTo(28, 15, 21, 17, 21, 20);
    glass.cubicTo(21, 23, 28, 25, 28, 34);
    glass.lineTo(12, 34);
    glass.cubicTo(12, 25, 19, 23, 19, 20);
    glass.cubicTo(19, 17, 12, 15, 12, 7);
    p_.setBrush(QColor(200, 230, 245, 200));
    p_.drawPath(glass);
    // Sand gathered in the upper bulb: it runs upwards.
    p_.save();
    p_.setClipPath(glass);
    p_.setBrush(PaintKit::litBrush(QRectF(12, 7, 16, 8), accent_.base, 0.3, 0.3));
    p_.drawRect(QRectF(12, 7, 16, 6));
    p_.drawRect(QRectF(19.6, 13, 0.8, 18));
    p_.restore();
    sparkle(15, 28, 2);
}

void RelicPainting::mirror() {
    const QRectF frame(7, 2, 26, 28);
    p_.setBrush(lit(QRectF(16, 26, 8, 14), accent_));
    p_.drawRoundedRect(QRectF(17, 27, 6, 13), 2.5, 2.5);
    p_.setBrush(lit(frame));
    p_.drawEllipse(frame);
    const QRectF glass = frame.adjusted(3, 3, -3, -3);
    QLinearGradient g(glass.topLeft(), glass.bottomRight());
    g.setColorAt(0, QColor(235, 245, 255));
    g.setColorAt(0.5, mix(Rgb{0.55, 0.7, 0.85}, accent_.base, 0.3).toColor());
    g.setColorAt(1, QColor(40, 60, 90));
    p_.setBrush(g);
    p_.drawEllipse(glass);
    p_.save();
    p_.setClipRegion(QRegion(glass.toRect(), QRegion::Ellipse));
    p_.setBrush(QColor(255, 255, 255, 110));
    p_.drawPolygon(QPolygonF{{10, 14}, {18, 4}, {21, 6}, {12, 18}});
    p_.restore();
}

void RelicPainting::creature() {
    if (is("dragonfly") || is("moth")) {
        const bool moth = is("moth");
        for (const double side : {-1.0, 1.0}) {
            for (int k = 0; k < 2; ++k) {
                QPainterPath wing;
                const double y = 14 + k * 7;
                wing.addEllipse(QRectF(side > 0 ? 21 : 2, y - 3.5, 17, moth ? 10 : 6));
                p_.setBrush(mix(accent_.base, Rgb{1, 1, 1}, 0.55).toColor(170));
                p_.drawPath(wing);
            }
        }
        p_.setBrush(lit(QRectF(17, 6, 6, 32)));
        p_.drawRoundedRect(QRectF(18.2, 12, 3.6, 26), 1.8, 1.8);
        p_.drawEllipse(QPointF(20, 10), 3.4, 3.4);
        sparkle(18.5, 9, 1.6);
        return;
    }
    if (is("frog")) {
        p_.setBrush(lit(QRectF(4, 14, 32, 24)));
        p_.drawEllipse(QRectF(4, 24, 10, 10));
        p_.drawEllipse(QRectF(26, 24, 10, 10));
        p_.drawEllipse(QRectF(6, 12, 28, 24));
        for (const double x : {13.0, 27.0}) {
            p_.setBrush(lit(QRectF(x - 5, 7, 10, 10)));
            p_.drawEllipse(QPointF(x, 13), 4.5, 4.5);
            p_.setBrush(QColor(20, 16, 10));
            p_.drawEllipse(QPointF(x, 13.5), 2, 1.2);
        }
        QPainterPath smile;
        smile.moveTo(12, 24);
        smile.quadTo(20, 30, 28, 24);
        groove(smile, 1.0);
        return;
    }
    if (is("owl") || is("bird") || is("wolf")) {
        p_.setBrush(lit(QRectF(8, 4, 24, 34)));
        p_.drawPolygon(QPolygonF{{10, 11}, {11, 3}, {16, 8}});
        p_.drawPolygon(QPolygonF{{30, 11}, {29, 3}, {24, 8}});
        p_.drawEllipse(QRectF(8, 5, 24, 33));
        for (const double x : {15.0, 25.0}) {
            p_.setBrush(lit(QRectF(x - 5, 9, 10, 10), accent_));
            p_.drawEllipse(QPointF(x, 14), 4.5, 4.5);
            p_.setBrush(QColor(16, 12, 10));
            p_.drawEllipse(QPointF(x, 14), 1.8, 1.8);
        }
        p_.setBrush((accent_.base * 0.6).toColor());
        p_.drawPolygon(QPolygonF{{18.5, 18}, {21.5, 18}, {20, 22}});
        for (int i = 0; i < 3; ++i) {
            QPainterPath f;
            f.moveTo(14 + i * 4, 27 + i % 2);
            f.quadTo(16 + i * 4, 30, 18 + i * 4, 27 + i % 2);
            groove(f, 0.8);
        }
        return;
    }
    // Beetle or scarab, seen from above.
    QPainterPath legs;
    for (int i = 0; i < 3; ++i) {
        const double y = 18 + i * 6;
        legs.moveTo(20, y);
        legs.lineTo(5, y - 3 + i * 3);
        legs.moveTo(20, y);
        legs.lineTo(35, y - 3 + i * 3);
    }
    stroke(legs, (mat_.base * 0.4).toColor(), 1.4);
    p_.setBrush(lit(QRectF(14, 3, 12, 10), accent_));
    p_.drawEllipse(QRectF(14.5, 4, 11, 9));
    p_.setBrush(lit(QRectF(9, 10, 22, 28)));
    p_.drawEllipse(QRectF(9, 10, 22, 28));
    groove(segment({20, 12}, {20, 37}), 0.9);
    sparkle(14, 17, 2.6);
}

void RelicPainting::plant() {
    if (is("rose")) {
        stroke(segment({20, 22}, {22, 40}), QColor(60, 120, 70), 1.8);
        p_.setBrush(QColor(60, 130, 70));
        p_.drawEllipse(QRectF(22, 28, 8, 4));
        for (int i = 0; i < 4; ++i) {
            const double r = 12 - i * 2.8;
            p_.setBrush(PaintKit::litBrush(QRectF(20 - r, 14 - r, 2 * r, 2 * r), mat_.base * (1.0 - i * 0.1),
                                           0.5, 0.5));
            p_.drawEllipse(QPointF(20 + (i % 2 ? 1 : -1) * 0.8, 14 - i * 0.6), r, r * 0.85);
        }
        sparkle(14, 9, 2.4);
        return;
    }
    if (is("root")) {
        QPainterPath root;
        root.moveTo(20, 3);
        root.cubicTo(14, 12, 24, 18, 18, 28);
        root.moveTo(19, 14);
        root.cubicTo(26, 18, 30, 26, 34, 36);
        root.moveTo(18, 25);
        root.cubicTo(10, 28, 8, 34, 5, 38);
        root.moveTo(18, 28);
        root.quadTo(20, 33, 19, 39);
        stroke(root, lit(QRectF(4, 2, 32, 38)), 4.2);
        stroke(root, (mat_.base * 0.45).toColor(90), 1);
        return;
    }
    QPainterPath seed;
    seed.moveTo(20, 10);
    seed.cubicTo(32, 14, 32, 36, 20, 36);
    seed.cubicTo(8, 36, 8, 14, 20, 10);
    p_.setBrush(lit(seed));
    p_.drawPath(seed);
    QPainterPath sprout;
    sprout.moveTo(20, 11);
    sprout.quadTo(19, 5, 24, 3);
    stroke(sprout, QColor(90, 170, 80), 1.6);
    p_.setBrush(QColor(100, 180, 90));
    p_.drawEllipse(QRectF(23, 1, 6, 3.5));
    groove(segment({20, 14}, {20, 33}), 0.8);
    sparkle(15, 19, 3);
}

} // namespace veltrane::assetgen
