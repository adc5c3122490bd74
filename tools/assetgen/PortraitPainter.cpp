#include "PortraitPainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

enum class HeadShape { Oval, Dome, Wide, Pointed, Bulb, Flat };

struct Face {
    Rgb skin;
    Rgb eyes;
    Rgb cloth;
    Rgb trim;
    Rgb backdrop;
    HeadShape shape = HeadShape::Oval;
    int eyeCount = 2;
    bool antennae = false, horns = false, crest = false, fins = false, jewel = false, stripes = false,
         tendrils = false, spots = false;
    bool human = false;
    int hair = -1; // human hair style, -1 = none
    Rgb hairColour;
    bool smile = false;
    bool grey = false;
};

// Paints one portrait in a 150 × 180 design space; smaller portraits are scaled from it.
class Sitter {
  public:
    Sitter(const Face& face, std::uint64_t seed) : face_(face), rnd_(seed), noise_(rnd_.next()) {}

    QImage paint(int width, int height) {
        constexpr int kOver = 2;
        QImage big = PaintKit::opaque(150 * kOver, 180 * kOver, Rgb{});
        backdrop(big);
        {
            QPainter p(&big);
            p.setRenderHints(PaintKit::hints());
            p.scale(kOver, kOver);
            p.setPen(Qt::NoPen);
            shoulders(p);
            neck(p);
            if (face_.hair >= 0) {
                hairBack(p);
            }
            ornamentsBehind(p);
            head(p);
            features(p);
            ornamentsFront(p);
            if (face_.hair >= 0) {
                hairFront(p);
            }
        }
        AssetRandom grainRnd(rnd_.next());
        PaintKit::grain(big, grainRnd, 0.03);
        return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

  private:
    void backdrop(QImage& image) {
        const double w = image.width(), h = image.height();
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const double dx = (x - w * 0.4) / w, dy = (y - h * 0.35) / h;
                const double falloff = std::exp(-(dx * dx + dy * dy) * 4.0);
                const double cloud = noise_.fbm(x / 90.0, y / 90.0, 4);
                line[x] = (face_.backdrop * (0.25 + 0.75 * falloff) * (0.8 + 0.4 * cloud)).toRgb();
            }
        }
    }

    void shoulders(QPainter& p) {
        QPainterPath body;
        body.moveTo(0, 180);
        body.cubicTo(2, 150, 30, 136, 58, 132);
        body.lineTo(92, 132);
        body.cubicTo(120, 136, 148, 150, 150, 180);
        body.closeSubpath();
        p.setBrush(PaintKit::litBrush(QRectF(0, 128, 150, 60), face_.cloth, 0.3, 0.6));
        p.drawPath(body);
        // Collar or yoke in the trim colour.
        QPainterPath collar;
        collar.moveTo(50, 133);
        collar.quadTo(75, 160, 100, 133);
        collar.lineTo(94, 131);
        collar.quadTo(75, 150, 56, 131);
        collar.closeSubpath();
        p.setBrush(PaintKit::litBrush(QRectF(50, 128, 50, 30), face_.trim, 0.5, 0.4));
        p.drawPath(collar);
        if (face_.human) {
            // SERO insignia on the chest.
            p.setBrush(PaintKit::litBrush(QRectF(104, 150, 12, 12), Rgb::hex(0xe8c050), 0.6, 0.4));
            p.drawPolygon(QPolygonF{{110, 149}, {116, 156}, {110, 163}, {104, 156}});
        }
    }

    void neck(QPainter& p) {
        p.setBrush(PaintKit::litBrush(QRectF(58, 100, 34, 40), face_.skin * 0.8, 0.2, 0.5));
        p.drawRect(QRectF(61, 100, 28, 36));
    }

    QPainterPath headPath() const {
        QPainterPath path;
        switch (face_.shape) {
        case HeadShape::Oval:
            path.addEllipse(QRectF(44, 32, 62, 80));
            break;
        case HeadShape::Dome:
            path.moveTo(48, 92);
            path.cubicTo(40, 10, 110, 10, 102, 92);
            path.quadTo(100, 118, 75, 118);
            path.quadTo(50, 118, 48, 92);
            break;
        case HeadShape::Wide:
            path.addRoundedRect(QRectF(32, 46, 86, 66), 30, 30);
            break;
        case HeadShape::Pointed:
            path.moveTo(40, 50);
            path.quadTo(75, 20, 110, 50);
            path.quadTo(108, 90, 75, 122);
            path.quadTo(42, 90, 40, 50);
            break;
        case HeadShape::Bulb:
            path.addEllipse(QRectF(34, 18, 82, 70));
            path.addEllipse(QRectF(54, 70, 42, 44));
            path.setFillRule(Qt::WindingFill);
            path = path.simplified();
            break;
        case HeadShape::Flat:
            path.moveTo(46, 40);
            path.lineTo(104, 40);
            path.quadTo(110, 80, 96, 108);
            path.quadTo(75, 122, 54, 108);
            path.quadTo(40, 80, 46, 40);
            break;
        }
        return path;
    }

    void head(QPainter& p) {
        const QPainterPath path = headPath();
        const QRectF box = path.boundingRect();
        p.setBrush(PaintKit::litBrush(box, face_.skin, 0.35, 0.6));
        p.drawPath(path);
        p.save();
        p.setClipPath(path);
        if (face_.spots) {
            for (int i = 0; i < 18; ++i) {
                const double r = rnd_.range(1.5, 4);
                p.setBrush((face_.skin * 0.6).toColor(120));
                p.drawEllipse(
                    QPointF(rnd_.range(box.left(), box.right()), rnd_.range(box.top(), box.center().y())), r,
                    r);
            }
        }
        if (face_.stripes) {
            p.setBrush(face_.trim.toColor(110));
            for (int i = 0; i < 3; ++i) {
                p.drawRect(QRectF(box.left() - 2, 80 + i * 6, 14, 2.5));
                p.drawRect(QRectF(box.right() - 12, 80 + i * 6, 14, 2.5));
            }
        }
        // Rim light on the shadow side, as from a second, cooler lamp.
        QRadialGradient rim(box.center() + QPointF(box.width() * 0.12, 0), box.width() * 0.62);
        rim.setColorAt(0.85, QColor(0, 0, 0, 0));
        rim.setColorAt(1.0, mix(face_.backdrop, Rgb{1, 1, 1}, 0.5).toColor(90));
        p.setBrush(rim);
        p.drawRect(box);
        p.restore();
    }

    void eye(QPainter& p, QPointF at, double r) {
        p.setBrush((face_.skin * 0.5).toColor());
        p.drawEllipse(at, r * 1.25, r * 1.0);
        QRadialGradient iris(at - QPointF(r * 0.2, r * 0.2), r);
        iris.setColorAt(0, mix(face_.eyes, Rgb{1, 1, 1}, 0.5).toColor());
        iris.setColorAt(0.7, face_.eyes.toColor());
        iris.setColorAt(1, (face_.eyes * 0.5).toColor());
        p.setBrush(face_.human ? QBrush(QColor(245, 245, 240)) : QBrush(iris));
        p.drawEllipse(at, r * 1.05, r * 0.85);
        if (face_.human) {
            p.setBrush(face_.eyes.toColor());
            p.drawEllipse(at, r * 0.5, r * 0.55);
        }
        p.setBrush(QColor(10, 10, 14));
        p.drawEllipse(at, r * (face_.human ? 0.25 : 0.3), r * (face_.human ? 0.28 : 0.55));
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(at - QPointF(r * 0.35, r * 0.3), r * 0.18, r * 0.18);
    }

    void features(QPainter& p) {
        const double eyeY = face_.shape == HeadShape::Bulb ? 70 : (face_.shape == HeadShape::Dome ? 74 : 68);
        const double r = face_.human ? 4.2 : 6.0;
        switch (face_.eyeCount) {
        case 1:
            eye(p, QPointF(75, eyeY), r * 1.7);
            break;
        case 2:
            eye(p, QPointF(62, eyeY), r);
            eye(p, QPointF(88, eyeY), r);
            break;
        case 3:
            eye(p, QPointF(60, eyeY + 2), r);
            eye(p, QPointF(90, eyeY + 2), r);
            eye(p, QPointF(75, eyeY - 14), r * 0.8);
            break;
        case 4:
            eye(p, QPointF(62, eyeY - 6), r * 0.85);
            eye(p, QPointF(88, eyeY - 6), r * 0.85);
            eye(p, QPointF(58, eyeY + 8), r * 0.6);
            eye(p, QPointF(92, eyeY + 8), r * 0.6);
            break;
        default:
            for (int i = 0; i < 5; ++i) {
                const double a = M_PI * (0.15 + 0.175 * i);
                eye(p, QPointF(75 - 24 * std::cos(a), eyeY + 8 - 16 * std::sin(a)), r * 0.7);
            }
            break;
        }
        const double mouthY = face_.shape == HeadShape::Wide ? 98 : 100;
        if (face_.human) {
            // Nose shadow and a mouth, smiling for the friendly ones.
            p.setBrush((face_.skin * 0.7).toColor(160));
            p.drawPolygon(QPolygonF{{75, 72}, {79, 88}, {72, 89}});
            QPainterPath mouth;
            mouth.moveTo(66, 98);
            mouth.quadTo(75, face_.smile ? 106 : 101, 84, 98);
            p.setPen(QPen((face_.skin * 0.45).toColor(), 2.0, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(mouth);
            p.setPen(Qt::NoPen);
            return;
        }
        p.setBrush((face_.skin * 0.35).toColor());
        p.drawEllipse(QPointF(72, 86), 1.2, 2);
        p.drawEllipse(QPointF(78, 86), 1.2, 2);
        QPainterPath mouth;
        mouth.moveTo(64, mouthY);
        mouth.quadTo(75, mouthY + 4 + rnd_.range(-3, 3), 86, mouthY);
        p.setPen(QPen((face_.skin * 0.3).toColor(), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
    }

    void ornamentsBehind(QPainter& p) {
        const QRectF box = headPath().boundingRect();
        if (face_.fins) {
            p.setBrush(
                PaintKit::litBrush(QRectF(box.left() - 20, 50, box.width() + 40, 40), face_.trim, 0.4, 0.5));
            p.drawPolygon(QPolygonF{
                {box.left() + 4, 62}, {box.left() - 18, 48}, {box.left() - 10, 78}, {box.left() + 4, 84}});
            p.drawPolygon(QPolygonF{{box.right() - 4, 62},
                                    {box.right() + 18, 48},
                                    {box.right() + 10, 78},
                                    {box.right() - 4, 84}});
        }
        if (face_.crest) {
            QPainterPath crest;
            crest.moveTo(62, box.top() + 10);
            crest.quadTo(75, box.top() - 30, 95, box.top() - 10);
            crest.quadTo(82, box.top(), 88, box.top() + 12);
            crest.closeSubpath();
            p.setBrush(PaintKit::litBrush(QRectF(60, box.top() - 30, 40, 45), face_.trim, 0.5, 0.4));
            p.drawPath(crest);
        }
        if (face_.tendrils) {
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 4; ++i) {
                QPainterPath t;
                const double x = 64 + i * 7.5;
                t.moveTo(x, 104);
                t.cubicTo(x - 4, 118, x + 6, 126, x + rnd_.range(-6, 6), 138);
                p.setPen(QPen((face_.skin * 0.8).toColor(), 3.2, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(t);
            }
            p.setPen(Qt::NoPen);
        }
    }

    void ornamentsFront(QPainter& p) {
        const QRectF box = headPath().boundingRect();
        if (face_.antennae) {
            for (int side : {-1, 1}) {
                const QPointF base(75 + side * 14, box.top() + 6);
                const QPointF tip(75 + side * 30, box.top() - 22);
                p.setPen(QPen((face_.skin * 0.8).toColor(), 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(base, tip);
                p.setPen(Qt::NoPen);
                QRadialGradient g(tip, 6);
                g.setColorAt(0, QColor(255, 255, 255));
                g.setColorAt(0.4, face_.eyes.toColor());
                g.setColorAt(1, face_.eyes.toColor(0));
                p.setBrush(g);
                p.drawEllipse(tip, 6, 6);
            }
        }
        if (face_.horns) {
            for (int side : {-1, 1}) {
                QPainterPath horn;
                const double x = 75 + side * box.width() * 0.3;
                horn.moveTo(x - 6, box.top() + 14);
                horn.quadTo(x + side * 12, box.top() - 6, x + side * 22, box.top() - 18);
                horn.quadTo(x + side * 6, box.top() + 2, x + 6, box.top() + 16);
                horn.closeSubpath();
                p.setBrush(PaintKit::litBrush(horn.boundingRect(), Rgb::hex(0xe8dcc0), 0.5, 0.5));
                p.drawPath(horn);
            }
        }
        if (face_.jewel) {
            const QRectF j(70, face_.shape == HeadShape::Bulb ? 40 : 50, 10, 10);
            p.setBrush(PaintKit::litBrush(j, face_.trim, 0.8, 0.5));
            p.drawEllipse(j);
        }
    }

    void hairBack(QPainter& p) {
        if (face_.hair == 1 || face_.hair == 3) {
            // Long hair falling behind the shoulders.
            p.setBrush(PaintKit::litBrush(QRectF(36, 26, 78, 110), face_.hairColour, 0.25, 0.5));
            p.drawRoundedRect(QRectF(38, 30, 74, face_.hair == 1 ? 104 : 80), 30, 30);
        }
    }

    void hairFront(QPainter& p) {
        QPainterPath cap;
        switch (face_.hair) {
        case 0: // short crop
            cap.moveTo(44, 66);
            cap.cubicTo(40, 22, 110, 22, 106, 66);
            cap.quadTo(96, 44, 75, 44);
            cap.quadTo(54, 44, 44, 66);
            break;
        case 1: // long, parted
        case 3:
            cap.moveTo(42, 80);
            cap.cubicTo(36, 20, 114, 20, 108, 80);
            cap.quadTo(100, 46, 78, 42);
            cap.quadTo(56, 48, 42, 80);
            break;
        case 2: // swept back, grey at the temples for the older ones
            cap.moveTo(44, 60);
            cap.cubicTo(46, 20, 104, 20, 106, 60);
            cap.quadTo(90, 40, 60, 46);
            cap.closeSubpath();
            break;
        default: // a bun on top
            cap.moveTo(44, 62);
            cap.cubicTo(42, 26, 108, 26, 106, 62);
            cap.quadTo(75, 40, 44, 62);
            cap.addEllipse(QRectF(63, 14, 24, 20));
            break;
        }
        p.setBrush(PaintKit::litBrush(cap.boundingRect(), face_.hairColour, 0.3, 0.5));
        p.drawPath(cap);
    }

    Face face_;
    AssetRandom rnd_;
    Noise noise_;
};

Rgb hsl(double h, double s, double l) {
    return Rgb::from(QColor::fromHslF(static_cast<float>(std::fmod(h + 360.0, 360.0) / 360.0),
                                      static_cast<float>(s), static_cast<float>(l))
                         .rgb());
}

} // namespace

QImage PortraitPainter::alien(int n) {
    AssetRandom rnd(AssetRandom::seedFor("alien" + std::to_string(n)));
    Face f;
    // The golden angle spreads thirty skin hues without neighbours looking alike.
    const double hue = std::fmod(n * 137.508, 360.0);
    f.skin = hsl(hue, rnd.range(0.3, 0.65), rnd.range(0.38, 0.58));
    f.eyes = hsl(hue + 180 + rnd.range(-40, 40), 0.85, 0.55);
    f.cloth = hsl(hue + rnd.range(60, 160), rnd.range(0.25, 0.55), rnd.range(0.2, 0.38));
    f.trim = hsl(hue + rnd.range(-120, -40), 0.7, 0.55);
    f.backdrop = hsl(hue + 200, 0.45, 0.16);
    f.shape = static_cast<HeadShape>((n - 1) % 6);
    static const int eyeCounts[] = {2, 1, 3, 2, 4, 5, 2, 3, 1, 4};
    f.eyeCount = eyeCounts[(n * 3 + (n - 1) / 10) % 10];
    // Two or three ornaments each, picked from the bits of a per-race draw.
    const unsigned bits = static_cast<unsigned>(rnd.next());
    f.antennae = bits & 1;
    f.horns = !f.antennae && (bits & 2);
    f.crest = !f.horns && !f.antennae && (bits & 4);
    f.fins = bits & 8;
    f.jewel = bits & 16;
    f.stripes = bits & 32;
    f.tendrils = bits & 64;
    f.spots = bits & 128;
    return Sitter(f, rnd.next()).paint(150, 180);
}

QImage PortraitPainter::captain(int n) {
    AssetRandom rnd(AssetRandom::seedFor("captain" + std::to_string(n)));
    static const unsigned skins[] = {0xe8bc98, 0x9a6440, 0xd0a070, 0x6a4028};
    static const unsigned hairs[] = {0x3a2818, 0xd8b060, 0x141010, 0x8a3a20};
    Face f;
    f.human = true;
    f.skin = Rgb::hex(skins[(n - 1) % 4]);
    f.hairColour = Rgb::hex(hairs[(n - 1) % 4]);
    f.eyes = Rgb::hex(n % 2 ? 0x4a6a9a : 0x5a3a20);
    f.cloth = Rgb::hex(0x1e3a6a);
    f.trim = Rgb::hex(0xc8a040);
    f.backdrop = Rgb::hex(n % 2 ? 0x243448 : 0x2a2a40);
    f.shape = n % 2 ? HeadShape::Oval : HeadShape::Flat;
    f.hair = (n - 1) % 4;
    f.smile = n % 2 == 0;
    return Sitter(f, rnd.next()).paint(109, 140);
}

QImage PortraitPainter::president() {
    AssetRandom rnd(AssetRandom::seedFor("president"));
    Face f;
    f.human = true;
    f.skin = Rgb::hex(0xdcae88);
    f.hairColour = Rgb::hex(0xc8c8cc);
    f.eyes = Rgb::hex(0x3a6a5a);
    f.cloth = Rgb::hex(0x2a3040);
    f.trim = Rgb::hex(0xe8e8f0);
    f.backdrop = Rgb::hex(0x3a4a60);
    f.shape = HeadShape::Oval;
    f.hair = 2;
    f.smile = true;
    return Sitter(f, rnd.next()).paint(120, 150);
}

} // namespace veltrane::assetgen
