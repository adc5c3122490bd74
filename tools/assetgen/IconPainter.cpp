#include "IconPainter.h"

#include "AssetRandom.h"
#include "SpriteCanvas.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace veltrane::assetgen {

namespace {

const Rgb kCyan = Rgb::hex(0x6ee6ff);

// A dark glassy square for icons that sit in lists and panels.
void panel(QPainter& p, double w, double h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(46, 54, 66));
    g.setColorAt(1, QColor(18, 22, 30));
    p.setBrush(g);
    p.drawRect(QRectF(0, 0, w, h));
    p.setBrush(QColor(110, 230, 255, 60));
    p.drawRect(QRectF(0, 0, w, 1));
}

void person(QPainter& p, double x, double y, double scale, const Rgb& coat, const Rgb& skin) {
    p.setBrush(PaintKit::litBrush(QRectF(x - 3 * scale, y, 6 * scale, 8 * scale), coat));
    p.drawRoundedRect(QRectF(x - 2.6 * scale, y + 3.2 * scale, 5.2 * scale, 6.5 * scale), 2 * scale,
                      2 * scale);
    p.setBrush(PaintKit::litBrush(QRectF(x - 2 * scale, y, 4 * scale, 4 * scale), skin, 0.3, 0.3));
    p.drawEllipse(QPointF(x, y + 1.6 * scale), 1.7 * scale, 1.8 * scale);
}

} // namespace

QImage IconPainter::transport(int n) {
    SpriteCanvas canvas(16, 16);
    QPainter& p = canvas.painter();
    if (n == 1) {
        const Rgb wood = Rgb::hex(0xc08a48);
        for (const QRectF& box : {QRectF(1, 8, 7, 7), QRectF(8, 8, 7, 7), QRectF(4.5, 1.5, 7, 7)}) {
            p.setBrush(PaintKit::litBrush(box, wood, 0.35, 0.5));
            p.drawRect(box);
            p.setBrush((wood * 0.55).toColor());
            p.drawRect(QRectF(box.left(), box.center().y() - 0.5, box.width(), 1));
        }
        return canvas.finishOnKey(qRgb(60, 50, 40));
    }
    // Passengers: single travellers, couples, families and groups, in different coats.
    static const unsigned coats[] = {0x3a70c8, 0xc84a3a, 0x3aa060, 0xd0a030, 0x8a50c0,
                                     0x30a0a0, 0xc06090, 0x808890, 0xa06030};
    static const unsigned skins[] = {0xf0c8a0, 0xc89060, 0x8a5a38, 0xa0d0a0, 0xb0b0f0};
    const int k = n - 2;
    const Rgb coat = Rgb::hex(coats[k]);
    const Rgb skin = Rgb::hex(skins[k % 5]);
    switch (k % 5) {
    case 0:
        person(p, 8, 2, 1.35, coat, skin);
        break;
    case 1:
        person(p, 5, 3, 1.15, coat, skin);
        person(p, 11, 3, 1.15, Rgb::hex(coats[(k + 3) % 9]), Rgb::hex(skins[(k + 1) % 5]));
        break;
    case 2: // a parent and a child
        person(p, 6, 2, 1.3, coat, skin);
        person(p, 12, 7, 0.8, Rgb::hex(coats[(k + 4) % 9]), skin);
        break;
    case 3: // a group of three
        person(p, 3.5, 5, 0.95, Rgb::hex(coats[(k + 2) % 9]), skin);
        person(p, 12.5, 5, 0.95, Rgb::hex(coats[(k + 5) % 9]), Rgb::hex(skins[(k + 2) % 5]));
        person(p, 8, 3, 1.15, coat, Rgb::hex(skins[(k + 1) % 5]));
        break;
    default: // a traveller with a suitcase
        person(p, 6, 2, 1.3, coat, skin);
        p.setBrush(PaintKit::litBrush(QRectF(10, 9, 5, 6), Rgb::hex(0x7a4a28)));
        p.drawRoundedRect(QRectF(10, 9, 5, 6), 1, 1);
        break;
    }
    if (k >= 5) {
        // The later numbers wear a hat, to tell them from their look-alikes.
        p.setBrush(Rgb::hex(0x202020).toColor());
        static const double heads[] = {8, 5, 6, 8, 6};
        p.drawRect(QRectF(heads[k % 5] - 2.5, k % 5 == 3 ? 1.0 : 0.6, 5, 1.5));
    }
    return canvas.finishOnKey(qRgb(40, 40, 50));
}

QImage IconPainter::equipment(int n) {
    SpriteCanvas canvas(25, 25);
    QPainter& p = canvas.painter();
    panel(p, 25, 25);
    const int kind = (n - 1) / 3;
    const int level = (n - 1) % 3; // 0, 1, 2
    const Rgb metal[] = {Rgb::hex(0x9a8a7a), Rgb::hex(0xc8d0dc), Rgb::hex(0xe8b840)};
    const Rgb m = metal[level];
    switch (kind) {
    case 0: { // scanner: a dish sending one, two or three waves
        p.setBrush(PaintKit::litBrush(QRectF(3, 10, 10, 12), m));
        p.drawPie(QRectF(2, 8, 14, 14), 45 * 16, 180 * 16);
        p.drawRect(QRectF(7, 17, 2, 6));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i <= level; ++i) {
            p.setPen(QPen(kCyan.toColor(230 - i * 40), 1.4));
            const double r = 4 + i * 3.5;
            p.drawArc(QRectF(12 - r, 9 - r, 2 * r, 2 * r), 0, 90 * 16);
        }
        p.setPen(Qt::NoPen);
        break;
    }
    case 1: { // storage: one, two or three crates
        const int boxes = level + 1;
        for (int i = 0; i < boxes; ++i) {
            const QRectF box = boxes == 1   ? QRectF(6, 8, 13, 13)
                               : boxes == 2 ? QRectF(3 + i * 10, 10, 9.5, 11)
                                            : QRectF(i == 2 ? 8 : 3 + i * 10, i == 2 ? 3 : 13, 9, 9);
            p.setBrush(PaintKit::litBrush(box, mix(Rgb::hex(0xb07a40), m, 0.35)));
            p.drawRect(box);
            p.setBrush(QColor(0, 0, 0, 80));
            p.drawRect(QRectF(box.left(), box.center().y(), box.width(), 1));
        }
        break;
    }
    case 2: { // energy cell: iron, silver, gold, taller with each level
        const double h = 12 + level * 3.5;
        const QRectF body(8, 23 - h, 9, h);
        p.setBrush(PaintKit::litBrush(body, m));
        p.drawRoundedRect(body, 2, 2);
        p.drawRect(QRectF(10.5, 22 - h - 1.5, 4, 2));
        p.setBrush(QColor(90, 255, 140));
        p.drawRect(QRectF(10, 21 - (h - 4) * 0.8, 5, (h - 4) * 0.8));
        break;
    }
    case 3: { // navigator: compass star with one, two or three rings
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i <= level; ++i) {
            p.setPen(QPen(m.toColor(220), 1.1));
            p.drawEllipse(QPointF(12.5, 12.5), 5.0 + i * 3, 5.0 + i * 3);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kCyan.toColor());
        p.drawPolygon(QPolygonF{{12.5, 3}, {14, 11}, {12.5, 12.5}, {11, 11}});
        p.setBrush(m.toColor());
        p.drawPolygon(QPolygonF{{12.5, 22}, {14, 14}, {12.5, 12.5}, {11, 14}});
        break;
    }
    default: { // hyperdrive: one, two or three nozzles with flames
        const int nozzles = level + 1;
        for (int i = 0; i < nozzles; ++i) {
            const double y = nozzles == 1 ? 12.5 : 5.5 + i * (14.0 / (nozzles - 1));
            QRadialGradient g(QPointF(5, y), 5);
            g.setColorAt(0, QColor(255, 255, 255));
            g.setColorAt(0.4, QColor(120, 170, 255, 220));
            g.setColorAt(1, QColor(120, 170, 255, 0));
            p.setBrush(g);
            p.drawEllipse(QPointF(5, y), 5, 3);
            p.setBrush(PaintKit::litBrush(QRectF(7, y - 3, 14, 6), m));
            p.drawPolygon(QPolygonF{{7, y - 2.5}, {22, y - 1.5}, {22, y + 1.5}, {7, y + 2.5}});
        }
        break;
    }
    }
    return canvas.finish().convertToFormat(QImage::Format_RGB32);
}

QImage IconPainter::status(int level) {
    SpriteCanvas canvas(32, 32);
    QPainter& p = canvas.painter();
    panel(p, 32, 32);
    const Rgb colours[] = {Rgb::hex(0xe04030), Rgb::hex(0xe8c030), Rgb::hex(0x40d060)};
    const Rgb c = colours[std::clamp(level, 0, 2)];
    for (int i = 0; i < 3; ++i) {
        const QRectF bar(5 + i * 8.5, 24 - (i + 1) * 6, 6, (i + 1) * 6 + 2);
        if (i <= level) {
            p.setBrush(PaintKit::litBrush(bar, c, 0.5, 0.4));
        } else {
            p.setBrush(QColor(60, 66, 76));
        }
        p.drawRoundedRect(bar, 1.2, 1.2);
    }
    return canvas.finish().convertToFormat(QImage::Format_RGB32);
}

QImage IconPainter::button(const QString& name) {
    SpriteCanvas canvas(32, 28);
    QPainter& p = canvas.painter();
    const QColor glyph = kCyan.toColor();
    const QColor light(230, 250, 255);
    if (name == "Map") {
        // A sector chart: scattered systems joined by a course.
        p.setPen(QPen(glyph, 1.4));
        p.drawPolyline(QPolygonF{{5, 21}, {12, 12}, {20, 16}, {27, 6}});
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        for (const QPointF& s : {QPointF(5, 21), QPointF(12, 12), QPointF(20, 16), QPointF(27, 6),
                                 QPointF(8, 6), QPointF(25, 23)}) {
            p.drawEllipse(s, 2.1, 2.1);
        }
    } else if (name == "System") {
        // A sun with an orbit and a planet on it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(glyph, 1.2));
        p.drawEllipse(QPointF(16, 14), 12, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(PaintKit::litBrush(QRectF(11, 9, 10, 10), Rgb::hex(0xffd060)));
        p.drawEllipse(QPointF(16, 14), 5, 5);
        p.setBrush(light);
        p.drawEllipse(QPointF(26, 18), 2.4, 2.4);
    } else if (name == "Order") {
        // The headquarter's order: a sheet with ticked lines.
        p.setBrush(QColor(220, 240, 250));
        p.drawRoundedRect(QRectF(8, 2, 16, 24), 2, 2);
        p.setPen(QPen(QColor(20, 110, 150), 1.4));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(15, 7.5 + i * 5), QPointF(21, 7.5 + i * 5));
            p.drawPolyline(QPolygonF{{10.5, 7.5 + i * 5}, {11.8, 9.0 + i * 5}, {13.5, 5.8 + i * 5}});
        }
    } else {
        // Navigator: a compass rose.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(glyph, 1.2));
        p.drawEllipse(QPointF(16, 14), 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawPolygon(QPolygonF{{16, 2}, {18.5, 14}, {16, 26}, {13.5, 14}});
        p.setBrush(glyph);
        p.drawPolygon(QPolygonF{{4, 14}, {16, 11.5}, {28, 14}, {16, 16.5}});
    }
    return canvas.finishOnKey(qRgb(30, 60, 70));
}

QImage IconPainter::navigatorList(int n) {
    SpriteCanvas canvas(16, 16);
    QPainter& p = canvas.painter();
    // A white-blue star: soft core and four rays; the destination's star moves aside for a crate.
    const QPointF c = n == 0 ? QPointF(8, 8) : QPointF(5.5, 5.5);
    const double s = n == 0 ? 1.0 : 0.75;
    p.setBrush(QColor(170, 215, 255));
    p.drawPolygon(QPolygonF{{c.x(), c.y() - 7.5 * s},
                            {c.x() + 1.5 * s, c.y()},
                            {c.x(), c.y() + 7.5 * s},
                            {c.x() - 1.5 * s, c.y()}});
    p.drawPolygon(QPolygonF{{c.x() - 7.5 * s, c.y()},
                            {c.x(), c.y() + 1.5 * s},
                            {c.x() + 7.5 * s, c.y()},
                            {c.x(), c.y() - 1.5 * s}});
    QRadialGradient core(c - QPointF(0.8, 0.8) * s, 4.2 * s);
    core.setColorAt(0, QColor(255, 255, 255));
    core.setColorAt(0.5, QColor(200, 230, 255));
    core.setColorAt(1, QColor(90, 150, 240));
    p.setBrush(core);
    p.drawEllipse(c, 3.6 * s, 3.6 * s);
    if (n == 1) {
        const QRectF box(8, 8.5, 7, 6.5);
        p.setBrush(PaintKit::litBrush(box, Rgb::hex(0xf0a030), 0.45, 0.5));
        p.drawRect(box);
        p.setBrush(QColor(120, 60, 10));
        p.drawRect(QRectF(box.left(), box.center().y() - 0.5, box.width(), 1));
        p.drawRect(QRectF(box.center().x() - 0.5, box.top(), 1, box.height()));
    }
    return canvas.finishOnKey(qRgb(30, 40, 60));
}

QImage IconPainter::background(int width, int height) {
    SpriteCanvas canvas(width, height);
    panel(canvas.painter(), width, height);
    return canvas.finish().convertToFormat(QImage::Format_RGB32);
}

QImage IconPainter::arrow(int n) {
    SpriteCanvas canvas(32, 32);
    QPainter& p = canvas.painter();
    panel(p, 32, 32);
    p.translate(16, 16);
    p.rotate(45.0 * (n - 1));
    QRadialGradient halo(QPointF(0, 0), 15);
    halo.setColorAt(0, QColor(110, 230, 255, 70));
    halo.setColorAt(1, QColor(110, 230, 255, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, 0), 15, 15);
    QLinearGradient g(-6, -12, 6, 12);
    g.setColorAt(0, QColor(220, 250, 255));
    g.setColorAt(1, QColor(40, 170, 220));
    p.setBrush(g);
    p.drawPolygon(QPolygonF{{0, -13}, {9, -2}, {3.5, -2}, {3.5, 12}, {-3.5, 12}, {-3.5, -2}, {-9, -2}});
    return canvas.finish().convertToFormat(QImage::Format_RGB32);
}

} // namespace veltrane::assetgen
