#include "PortraitPainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

enum class HeadShape { Oval, Dome, Wide, Pointed, Bulb, Flat, Hammer, Long };

enum class Shoulders { Sloped, Broad, Hunched, Plated, Narrow, Collared };

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
    // The build: the head scaled about its chin, lifted on a longer neck; the shoulders' cut.
    double headWidth = 1.0, headHeight = 1.0, neckLift = 0.0, neckWidth = 28.0;
    bool neckRings = false;
    Shoulders shoulders = Shoulders::Sloped;
    double eyeRaise = 0.0, eyeSpread = 1.0;
    bool frills = false, mandibles = false, spines = false, stalks = false;
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
            // Whatever stands on top of the head stays inside the picture.
            const bool tall = face_.antennae || face_.horns || face_.crest || face_.spines;
            const double reach = (kChin - headPath().boundingRect().top()) * face_.headHeight;
            face_.neckLift = std::min(face_.neckLift, kChin - reach - (tall ? 34.0 : 8.0));
            neck(p);
            p.save();
            p.translate(75, kChin - face_.neckLift);
            p.scale(face_.headWidth, face_.headHeight);
            p.translate(-75, -kChin);
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
            p.restore();
        }
        AssetRandom grainRnd(rnd_.next());
        PaintKit::grain(big, grainRnd, 0.03);
        return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

  private:
    // Heads are drawn in one design space and scaled about the chin into each race's build.
    static constexpr double kChin = 116.0;

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
        double half = 65, top = 132, drop = 18;
        switch (face_.shoulders) {
        case Shoulders::Sloped:
            break;
        case Shoulders::Broad:
        case Shoulders::Plated:
            half = 74, top = 128, drop = 8;
            break;
        case Shoulders::Hunched:
            half = 60, top = 118, drop = 4;
            break;
        case Shoulders::Narrow:
            half = 38, top = 140, drop = 24;
            break;
        case Shoulders::Collared:
            half = 56, top = 136, drop = 14;
            break;
        }
        const double neckHalf = face_.neckWidth / 2;
        QPainterPath body;
        body.moveTo(75 - half - 10, 180);
        body.cubicTo(75 - half - 8, top + drop, 75 - half * 0.55, top + 1, 75 - neckHalf - 6, top);
        body.lineTo(75 + neckHalf + 6, top);
        body.cubicTo(75 + half * 0.55, top + 1, 75 + half + 8, top + drop, 75 + half + 10, 180);
        body.closeSubpath();
        p.setBrush(PaintKit::litBrush(QRectF(0, top - 4, 150, 184 - top), face_.cloth, 0.3, 0.6));
        p.drawPath(body);
        if (face_.shoulders == Shoulders::Plated) {
            // Armoured plates over both shoulders, lit on their upper left.
            for (const double side : {-1.0, 1.0}) {
                const QRectF plate(75 + side * 44 - 24, top - 4, 48, 26);
                p.setBrush(PaintKit::litBrush(plate, face_.trim * 0.75, 0.45, 0.6));
                p.drawChord(plate, 0, 180 * 16);
                p.drawPolygon(QPolygonF{
                    {75 + side * 40, top - 2}, {75 + side * 52, top - 14}, {75 + side * 50, top + 2}});
            }
        }
        if (face_.shoulders == Shoulders::Collared) {
            // A high standing collar that frames the jaw.
            QPainterPath collar;
            collar.moveTo(75 - neckHalf - 16, top + 8);
            collar.lineTo(75 - neckHalf - 22, top - 34);
            collar.quadTo(75, top - 14, 75 + neckHalf + 22, top - 34);
            collar.lineTo(75 + neckHalf + 16, top + 8);
            collar.closeSubpath();
            p.setBrush(PaintKit::litBrush(collar.boundingRect(), face_.trim * 0.8, 0.4, 0.6));
            p.drawPath(collar);
        }
        QPainterPath yoke;
        yoke.moveTo(75 - neckHalf - 11, top + 1);
        yoke.quadTo(75, top + 28, 75 + neckHalf + 11, top + 1);
        yoke.lineTo(75 + neckHalf + 5, top - 1);
        yoke.quadTo(75, top + 18, 75 - neckHalf - 5, top - 1);
        yoke.closeSubpath();
        p.setBrush(PaintKit::litBrush(QRectF(50, top - 4, 50, 30), face_.trim, 0.5, 0.4));
        p.drawPath(yoke);
        if (face_.human) {
            // SERO insignia on the chest.
            p.setBrush(PaintKit::litBrush(QRectF(104, 150, 12, 12), Rgb::hex(0xe8c050), 0.6, 0.4));
            p.drawPolygon(QPolygonF{{110, 149}, {116, 156}, {110, 163}, {104, 156}});
        }
    }

    void neck(QPainter& p) {
        const double w = face_.neckWidth, top = 96 - face_.neckLift;
        const QRectF column(75 - w / 2, top, w, 140 - top);
        p.setBrush(PaintKit::litBrush(column, face_.skin * 0.8, 0.2, 0.5));
        p.drawRect(column);
        if (face_.neckRings) {
            for (double y = top + 14; y < 132; y += 7) {
                p.setBrush((face_.skin * 0.45).toColor(150));
                p.drawRect(QRectF(column.left(), y, w, 2));
            }
        }
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
        case HeadShape::Hammer:
            // Wide brow lobes over a narrow jaw.
            path.addRoundedRect(QRectF(20, 44, 110, 34), 17, 17);
            path.addRoundedRect(QRectF(52, 60, 46, 60), 20, 20);
            path.setFillRule(Qt::WindingFill);
            path = path.simplified();
            break;
        case HeadShape::Long:
            // A skull swept back and up.
            path.moveTo(50, 100);
            path.cubicTo(38, 64, 60, 24, 106, 22);
            path.cubicTo(110, 50, 104, 80, 98, 104);
            path.quadTo(75, 124, 50, 100);
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
        if (face_.stalks) {
            at += QPointF((at.x() - 75) * 0.6, -22);
        }
        // Eyes stay round whatever the head's proportions.
        p.save();
        p.translate(at);
        p.scale(1.0 / (face_.headWidth * face_.eyeSpread), 1.0 / face_.headHeight);
        p.translate(-at);
        eyeBall(p, at, r);
        p.restore();
    }

    void eyeBall(QPainter& p, QPointF at, double r) {
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
        const double eyeY =
            (face_.shape == HeadShape::Bulb ? 70 : (face_.shape == HeadShape::Dome ? 74 : 68)) -
            face_.eyeRaise;
        const double r = face_.human ? 4.2 : 6.0;
        p.save();
        // Eyes further apart or closer together; the design space keeps x = 75 in the middle.
        p.translate(75, eyeY);
        p.scale(face_.eyeSpread, 1.0);
        p.translate(-75, -eyeY);
        if (face_.stalks) {
            for (const double x : {62.0, 88.0}) {
                QPainterPath stalk;
                stalk.moveTo(x, eyeY + 6);
                stalk.quadTo(x, eyeY - 8, x + (x - 75) * 0.6, eyeY - 22);
                p.setPen(QPen((face_.skin * 0.85).toColor(), 5, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(stalk);
                p.setPen(Qt::NoPen);
            }
        }
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
        p.restore();
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
        if (face_.frills) {
            // Ribbed fans behind the cheeks.
            for (const double side : {-1.0, 1.0}) {
                const QPointF root(75 + side * box.width() * 0.36, 84);
                QPainterPath fan;
                fan.moveTo(root);
                for (int i = 0; i <= 4; ++i) {
                    const double a = M_PI * (0.3 + 0.12 * i);
                    fan.lineTo(root + QPointF(side * 30 * std::sin(a), -30 * std::cos(a)));
                }
                fan.closeSubpath();
                p.setBrush(
                    PaintKit::litBrush(fan.boundingRect(), mix(face_.skin, face_.trim, 0.5), 0.4, 0.5));
                p.drawPath(fan);
            }
        }
        if (face_.spines) {
            // A row of spines over the crown of the head, longest in the middle.
            for (int i = -3; i <= 3; ++i) {
                const double x = 75 + i * box.width() * 0.11;
                const double len = 24 - std::abs(i) * 5;
                p.setBrush(PaintKit::litBrush(QRectF(x - 5, box.top() - len, 10, len + 12), face_.skin * 0.75,
                                              0.4, 0.5));
                p.drawPolygon(QPolygonF{
                    {x - 5, box.top() + 12}, {x + i * 2.0, box.top() - len}, {x + 5, box.top() + 12}});
            }
        }
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
        if (face_.mandibles) {
            for (const double side : {-1.0, 1.0}) {
                QPainterPath jaw;
                jaw.moveTo(75 + side * 12, 96);
                jaw.cubicTo(75 + side * 26, 104, 75 + side * 20, 122, 75 + side * 6, 124);
                jaw.cubicTo(75 + side * 14, 116, 75 + side * 14, 108, 75 + side * 6, 100);
                jaw.closeSubpath();
                p.setBrush(PaintKit::litBrush(jaw.boundingRect(), face_.trim * 0.7, 0.5, 0.6));
                p.drawPath(jaw);
            }
        }
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
    // The build, from counters that run at different rates, so no two races share one.
    static const double widths[] = {0.74, 0.84, 0.93, 1.0, 1.1, 1.2, 1.28};
    static const double heights[] = {0.88, 1.0, 1.12};
    f.shape = static_cast<HeadShape>((n - 1) % 8);
    f.headWidth = widths[(n * 5) % 7];
    f.headHeight = heights[n % 3];
    const int neck = (n * 3) % 5; // stout, short, plain, long, ringed
    static const double neckWidths[] = {46, 34, 26, 18, 20};
    static const double neckLifts[] = {-6, 0, 4, 16, 22};
    f.neckWidth = neckWidths[neck];
    f.neckLift = neckLifts[neck];
    f.neckRings = neck == 4;
    f.shoulders = static_cast<Shoulders>((n * 7 + n / 6) % 6);
    f.eyeRaise = ((n * 11) % 5 - 2) * 5.0;
    f.eyeSpread = f.eyeCount == 1 ? 1.0 : heights[(n / 3) % 3];
    f.frills = bits & 256;
    f.spines = !f.antennae && !f.horns && !f.crest && (bits & 512);
    f.mandibles = !f.tendrils && (bits & 1024);
    f.stalks = f.eyeCount == 2 && (bits & 2048);
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
