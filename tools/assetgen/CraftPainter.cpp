#include "CraftPainter.h"

#include "AssetRandom.h"
#include "SpriteCanvas.h"

#include <QFont>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

void engineGlow(QPainter& p, QPointF at, double r, const Rgb& colour) {
    QRadialGradient g(at, r);
    g.setColorAt(0, QColor(255, 255, 255, 255));
    g.setColorAt(0.35, colour.toColor(230));
    g.setColorAt(1, colour.toColor(0));
    p.setBrush(g);
    p.drawEllipse(at, r * 1.3, r * 0.8);
}

void window(QPainter& p, QRectF box, const Rgb& tint) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, mix(tint, Rgb{1, 1, 1}, 0.7).toColor());
    g.setColorAt(1, (tint * 0.5).toColor());
    p.setBrush(g);
    p.drawEllipse(box);
}

} // namespace

QImage CraftPainter::ship(int n) {
    AssetRandom rnd(AssetRandom::seedFor("ship" + std::to_string(n)));
    SpriteCanvas canvas(64, 32);
    QPainter& p = canvas.painter();
    const Rgb hulls[] = {Rgb::hex(0xb8c0c8), Rgb::hex(0xd8a050), Rgb::hex(0x6a8ab0), Rgb::hex(0xa05048),
                         Rgb::hex(0x7aa070), Rgb::hex(0xc8c0a8), Rgb::hex(0x8a70b0), Rgb::hex(0x505860)};
    const Rgb hull = hulls[(n - 1) % 8];
    const Rgb flame =
        n % 3 == 0 ? Rgb::hex(0xff8040) : (n % 3 == 1 ? Rgb::hex(0x60b0ff) : Rgb::hex(0x80ff90));
    const int form = (n - 1) % 6;
    const QRectF box(6, 6, 54, 20);
    if (n > 6) {
        // The second six share a family with the first but are shorter, taller and carry a fin.
        p.translate(32, 16);
        p.scale(0.82, 1.15);
        p.translate(-32, -16);
        p.setBrush(PaintKit::litBrush(box, hull * 0.8));
        p.drawPolygon(QPolygonF{{18, 14}, {34, 14}, {22, 2}});
    }
    switch (form) {
    case 0: { // dart
        engineGlow(p, QPointF(8, 16), 6, flame);
        p.setBrush(PaintKit::litBrush(box, hull));
        p.drawPolygon(QPolygonF{{8, 10}, {60, 16}, {8, 23}, {13, 16}});
        p.drawPolygon(QPolygonF{{16, 16}, {30, 16}, {14, 4}});
        window(p, QRectF(38, 13, 10, 4), Rgb::hex(0x60d0ff));
        break;
    }
    case 1: { // cigar freighter
        engineGlow(p, QPointF(6, 16), 5, flame);
        p.setBrush(PaintKit::litBrush(box, hull));
        p.drawRoundedRect(QRectF(6, 10, 52, 13), 6, 6);
        p.setBrush((hull * 0.6).toColor());
        for (int i = 0; i < 4; ++i) {
            p.drawRect(QRectF(14 + i * 9, 11, 1.2, 11));
        }
        window(p, QRectF(50, 13, 6, 4), Rgb::hex(0xffe080));
        break;
    }
    case 2: { // saucer
        engineGlow(p, QPointF(12, 18), 5, flame);
        p.setBrush(PaintKit::litBrush(QRectF(4, 12, 56, 12), hull));
        p.drawEllipse(QRectF(6, 13, 52, 10));
        window(p, QRectF(22, 6, 20, 12), Rgb::hex(0x80e0ff));
        for (int i = 0; i < 5; ++i) {
            p.setBrush(QColor(255, 230, 120));
            p.drawEllipse(QPointF(14 + i * 9, 19), 1.2, 1.2);
        }
        break;
    }
    case 3: { // twin hull
        engineGlow(p, QPointF(8, 9), 4, flame);
        engineGlow(p, QPointF(8, 23), 4, flame);
        p.setBrush(PaintKit::litBrush(box, hull));
        p.drawRoundedRect(QRectF(8, 5, 44, 8), 4, 4);
        p.drawRoundedRect(QRectF(8, 19, 44, 8), 4, 4);
        p.setBrush(PaintKit::litBrush(box, hull * 0.8));
        p.drawRect(QRectF(24, 12, 10, 8));
        p.drawPolygon(QPolygonF{{34, 11}, {58, 16}, {34, 21}});
        window(p, QRectF(44, 14, 8, 4), Rgb::hex(0x60d0ff));
        break;
    }
    case 4: { // hammerhead
        engineGlow(p, QPointF(7, 16), 5, flame);
        p.setBrush(PaintKit::litBrush(box, hull));
        p.drawRect(QRectF(8, 13, 38, 7));
        p.drawRoundedRect(QRectF(44, 4, 12, 24), 4, 4);
        p.drawPolygon(QPolygonF{{10, 13}, {20, 13}, {8, 5}});
        p.drawPolygon(QPolygonF{{10, 20}, {20, 20}, {8, 28}});
        window(p, QRectF(49, 10, 5, 12), Rgb::hex(0xff9060));
        break;
    }
    default: { // bulky hauler with cargo pods
        engineGlow(p, QPointF(6, 13), 4, flame);
        engineGlow(p, QPointF(6, 20), 4, flame);
        p.setBrush(PaintKit::litBrush(box, hull));
        p.drawRoundedRect(QRectF(8, 8, 40, 17), 3, 3);
        p.drawPolygon(QPolygonF{{48, 9}, {60, 14}, {60, 19}, {48, 24}});
        p.setBrush(PaintKit::litBrush(box, Rgb::hex(0xc08030)));
        for (int i = 0; i < 3; ++i) {
            p.drawRoundedRect(QRectF(12 + i * 11, 5, 9, 5), 1.5, 1.5);
        }
        window(p, QRectF(52, 14, 6, 4), Rgb::hex(0x60d0ff));
        break;
    }
    }
    // A running light on the belly, so small ships still catch the eye.
    p.setBrush(QColor(255, 80, 80));
    p.drawEllipse(QPointF(rnd.range(24, 40), 24), 0.9, 0.9);
    return canvas.finishOnKey(qRgb(60, 70, 90));
}

QImage CraftPainter::seroShip() {
    SpriteCanvas canvas(147, 71);
    QPainter& p = canvas.painter();
    const Rgb hull = Rgb::hex(0xd8dee6);
    const QRectF box(4, 6, 140, 60);
    engineGlow(p, QPointF(10, 30), 9, Rgb::hex(0x60c0ff));
    engineGlow(p, QPointF(10, 44), 9, Rgb::hex(0x60c0ff));
    // Long main hull with a raised bridge and two wings.
    p.setBrush(PaintKit::litBrush(box, hull * 0.85));
    p.drawPolygon(QPolygonF{{30, 36}, {60, 8}, {80, 8}, {70, 36}});
    p.drawPolygon(QPolygonF{{30, 40}, {60, 66}, {80, 66}, {70, 40}});
    p.setBrush(PaintKit::litBrush(box, hull));
    QPainterPath body;
    body.moveTo(12, 26);
    body.lineTo(110, 24);
    body.quadTo(142, 30, 143, 37);
    body.quadTo(142, 44, 110, 50);
    body.lineTo(12, 48);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(PaintKit::litBrush(QRectF(70, 14, 40, 16), hull * 0.95));
    p.drawRoundedRect(QRectF(74, 16, 34, 11), 5, 5);
    // Blue band and the agency's name.
    p.setBrush(QColor(40, 90, 170));
    p.drawRect(QRectF(20, 38, 96, 4));
    for (int i = 0; i < 8; ++i) {
        window(p, QRectF(80 + i * 3.5, 19, 2.2, 3), Rgb::hex(0xffe8a0));
    }
    for (int i = 0; i < 10; ++i) {
        window(p, QRectF(22 + i * 8, 31, 3, 2.4), Rgb::hex(0x80d8ff));
    }
    window(p, QRectF(124, 32, 12, 5), Rgb::hex(0x60d0ff));
    QFont font("Liberation Sans");
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 60, 130));
    p.drawText(QRectF(44, 41, 40, 8), Qt::AlignCenter, "SERO");
    p.setPen(Qt::NoPen);
    return canvas.finishOnKey(qRgb(60, 70, 90));
}

QImage CraftPainter::module(int n) {
    SpriteCanvas canvas(48, 24);
    QPainter& p = canvas.painter();
    switch (n) {
    case 1: { // green crystal slab with a glowing seam
        p.setBrush(PaintKit::litBrush(QRectF(4, 4, 40, 16), Rgb::hex(0x2a8a50)));
        p.drawPolygon(QPolygonF{{4, 12}, {12, 3}, {36, 3}, {44, 12}, {36, 21}, {12, 21}});
        p.setBrush(QColor(170, 255, 190));
        p.drawRect(QRectF(10, 11, 28, 2));
        break;
    }
    case 2: { // golden ring device
        p.setBrush(PaintKit::litBrush(QRectF(6, 2, 36, 20), Rgb::hex(0xd8a830)));
        QPainterPath ring;
        ring.addEllipse(QRectF(12, 2, 24, 20));
        ring.addEllipse(QRectF(18, 7, 12, 10));
        ring.setFillRule(Qt::OddEvenFill);
        p.drawPath(ring);
        p.drawRect(QRectF(2, 10, 10, 4));
        p.drawRect(QRectF(36, 10, 10, 4));
        engineGlow(p, QPointF(24, 12), 4, Rgb::hex(0xffe070));
        break;
    }
    case 3: { // violet stepped pyramid
        const Rgb v = Rgb::hex(0x8a48c8);
        for (int i = 0; i < 3; ++i) {
            const double w = 40 - i * 11;
            p.setBrush(PaintKit::litBrush(QRectF(24 - w / 2, 16 - i * 6, w, 7), v * (1.0 - i * 0.05)));
            p.drawRect(QRectF(24 - w / 2, 16 - i * 6, w, 7));
        }
        engineGlow(p, QPointF(24, 4), 3, Rgb::hex(0xe0a0ff));
        break;
    }
    default: { // blue rune cube with cyan lines
        p.setBrush(PaintKit::litBrush(QRectF(10, 2, 28, 20), Rgb::hex(0x2a4ab0)));
        p.drawRoundedRect(QRectF(12, 2, 24, 20), 2, 2);
        p.setBrush(PaintKit::litBrush(QRectF(2, 8, 10, 8), Rgb::hex(0x7080a0)));
        p.drawRect(QRectF(3, 9, 9, 6));
        p.drawRect(QRectF(36, 9, 9, 6));
        p.setPen(QPen(QColor(120, 240, 255), 1.1));
        p.drawLine(QPointF(16, 6), QPointF(24, 12));
        p.drawLine(QPointF(24, 12), QPointF(32, 6));
        p.drawLine(QPointF(24, 12), QPointF(24, 19));
        p.setPen(Qt::NoPen);
        break;
    }
    }
    return canvas.finishOnKey(qRgb(50, 50, 60));
}

QImage CraftPainter::powerPack() {
    SpriteCanvas canvas(40, 41);
    QPainter& p = canvas.painter();
    QRadialGradient halo(QPointF(20, 21), 19);
    halo.setColorAt(0.6, QColor(90, 255, 140, 140));
    halo.setColorAt(1.0, QColor(90, 255, 140, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(20, 21), 19, 19);
    p.setBrush(PaintKit::litBrush(QRectF(10, 6, 20, 32), Rgb::hex(0x3a4048)));
    p.drawRoundedRect(QRectF(11, 8, 18, 29), 4, 4);
    p.setBrush(PaintKit::litBrush(QRectF(15, 3, 10, 6), Rgb::hex(0xa0a8b0)));
    p.drawRoundedRect(QRectF(15, 4, 10, 5), 1.5, 1.5);
    p.setBrush(PaintKit::litBrush(QRectF(13, 11, 14, 23), Rgb::hex(0x40e080), 0.6, 0.3));
    p.drawRoundedRect(QRectF(13, 11, 14, 23), 2, 2);
    p.setBrush(QColor(255, 250, 200));
    p.drawPolygon(QPolygonF{{22, 12}, {15, 24}, {19.5, 24}, {17, 33}, {25, 20}, {20.5, 20}});
    return canvas.finishOnKey(qRgb(40, 60, 50));
}

} // namespace veltrane::assetgen
