#include "InterfacePainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"
#include "SpriteCanvas.h"

#include <QConicalGradient>
#include <QFont>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrane::assetgen {

namespace {

const Rgb kMetal = Rgb::hex(0x343c46);
const QColor kCyanLine(110, 230, 255);

// Brushed metal: fine horizontal (or vertical) streaks over a soft sheen.
QImage brushed(int w, int h, const char* name, bool vertical = false, const Rgb& base = kMetal) {
    AssetRandom rnd(AssetRandom::seedFor(name));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(w, h, base);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double along = vertical ? y : x, across = vertical ? x : y;
            const double streak = noise.at(along / 90.0, across * 1.7);
            const double sheen = noise.fbm(x / 260.0, y / 260.0, 2);
            line[x] = (base * (0.82 + 0.16 * streak + 0.25 * sheen)).toRgb();
        }
    }
    return image;
}

// Raised edge: light along the top and left, shade along the bottom and right.
void bevel(QPainter& p, const QRectF& r, int width = 2) {
    for (int i = 0; i < width; ++i) {
        const int a = 70 - i * 25;
        p.setPen(QColor(255, 255, 255, a));
        p.drawLine(QPointF(r.left() + i + 0.5, r.top() + i + 0.5),
                   QPointF(r.right() - i - 0.5, r.top() + i + 0.5));
        p.drawLine(QPointF(r.left() + i + 0.5, r.top() + i + 0.5),
                   QPointF(r.left() + i + 0.5, r.bottom() - i - 0.5));
        p.setPen(QColor(0, 0, 0, 110 - i * 35));
        p.drawLine(QPointF(r.left() + i + 0.5, r.bottom() - i - 0.5),
                   QPointF(r.right() - i - 0.5, r.bottom() - i - 0.5));
        p.drawLine(QPointF(r.right() - i - 0.5, r.top() + i + 0.5),
                   QPointF(r.right() - i - 0.5, r.bottom() - i - 0.5));
    }
    p.setPen(Qt::NoPen);
}

// A thin cyan line with a faint glow either side.
void cyanLine(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(QColor(110, 230, 255, 50), 3.0));
    p.drawLine(a, b);
    p.setPen(QPen(kCyanLine, 1.0));
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

// Dark glass: a deep blue gradient with a diagonal reflection.
void glass(QPainter& p, const QRectF& r, int alpha = 255) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(26, 40, 58, alpha));
    g.setColorAt(1, QColor(8, 14, 24, alpha));
    p.setBrush(g);
    p.drawRect(r);
    QLinearGradient shine(r.topLeft(), r.topLeft() + QPointF(r.height() * 0.8, r.height()));
    shine.setColorAt(0, QColor(255, 255, 255, 28));
    shine.setColorAt(0.5, QColor(255, 255, 255, 6));
    shine.setColorAt(0.51, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawRect(r);
    bevel(p, r.adjusted(-1, -1, 1, 1), 1);
}

void rivet(QPainter& p, QPointF at) {
    p.setBrush(PaintKit::litBrush(QRectF(at.x() - 2, at.y() - 2, 4, 4), Rgb::hex(0x7a8694), 0.6, 0.6));
    p.drawEllipse(at, 1.8, 1.8);
}

} // namespace

QImage InterfacePainter::topCorner(bool right) {
    QImage image = brushed(119, 41, right ? "topright" : "topleft");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    // The bevel keeps the one light direction; only the cyan trim is mirrored.
    bevel(p, QRectF(0, 0, 119, 41));
    if (right) {
        p.translate(119, 0);
        p.scale(-1, 1);
    }
    cyanLine(p, QPointF(6, 33), QPointF(101, 33));
    cyanLine(p, QPointF(101, 33), QPointF(114, 20));
    cyanLine(p, QPointF(114, 20), QPointF(119, 20));
    rivet(p, QPointF(5, 6));
    rivet(p, QPointF(5, 36));
    return image;
}

QImage InterfacePainter::titleBackground() {
    QImage image = brushed(662, 41, "titlebg");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    bevel(p, QRectF(0, 0, 662, 41));
    glass(p, QRectF(8, 7, 646, 26));
    cyanLine(p, QPointF(0, 20), QPointF(8, 20));
    cyanLine(p, QPointF(654, 20), QPointF(662, 20));
    cyanLine(p, QPointF(40, 33.5), QPointF(622, 33.5));
    return image;
}

QImage InterfacePainter::logo() {
    SpriteCanvas canvas(240, 41, 2);
    QPainter& p = canvas.painter();
    QFont font("Liberation Sans");
    font.setPixelSize(30);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QPainterPath text;
    text.addText(0, 0, font, "VELTRANE");
    const QRectF bounds = text.boundingRect();
    text.translate((240 - bounds.width()) / 2 - bounds.left(), (41 - bounds.height()) / 2 - bounds.top());
    QLinearGradient fill(0, 6, 0, 36);
    fill.setColorAt(0, QColor(240, 252, 255));
    fill.setColorAt(0.55, QColor(150, 225, 250));
    fill.setColorAt(1, QColor(60, 150, 200));
    // A cyan glow behind the letters, thin enough to stay inside the key threshold's reach.
    p.setPen(QPen(QColor(110, 230, 255, 150), 2.0));
    p.setBrush(fill);
    p.drawPath(text);
    return canvas.finishOnKey(qRgb(26, 40, 58));
}

QImage InterfacePainter::sidePanel(bool right) {
    const int w = right ? 40 : 39;
    QImage image = brushed(w, 454, right ? "panelright" : "panelleft", true, Rgb::hex(0x3c4550));
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    bevel(p, QRectF(0, 0, w, 454));
    const double lineX = right ? 5.5 : w - 5.5;
    cyanLine(p, QPointF(lineX, 10), QPointF(lineX, 444));
    glass(p, QRectF(right ? 10 : 6, 38, w - 16, 382), 160);
    for (int y : {6, 448}) {
        rivet(p, QPointF(w / 2.0, y));
    }
    return image;
}

QImage InterfacePainter::bottomTop() {
    QImage image = brushed(900, 12, "bottomtop");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    bevel(p, QRectF(0, 0, 900, 12), 1);
    cyanLine(p, QPointF(10, 8.5), QPointF(890, 8.5));
    return image;
}

QImage InterfacePainter::bottomCenter() {
    QImage image = brushed(900, 180, "bottomcenter");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    glass(p, QRectF(6, 4, 888, 172), 120);
    // Faint panel seams so the wide plate does not look empty.
    for (int x : {225, 450, 675}) {
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawRect(QRectF(x, 10, 1, 160));
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawRect(QRectF(x + 1, 10, 1, 160));
    }
    return image;
}

QImage InterfacePainter::bottomBottom() {
    QImage image = brushed(900, 13, "bottombottom");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    bevel(p, QRectF(0, 0, 900, 13), 1);
    cyanLine(p, QPointF(10, 3.5), QPointF(890, 3.5));
    return image;
}

QImage InterfacePainter::messageBack() {
    QImage image = brushed(479, 238, "msgback");
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    bevel(p, QRectF(0, 0, 479, 238), 3);
    glass(p, QRectF(14, 14, 451, 174), 200);
    cyanLine(p, QPointF(14, 200.5), QPointF(465, 200.5));
    for (const QPointF& at : {QPointF(8, 8), QPointF(471, 8), QPointF(8, 230), QPointF(471, 230)}) {
        rivet(p, at);
    }
    return image;
}

QImage InterfacePainter::messageText() {
    AssetRandom rnd(AssetRandom::seedFor("msgtext"));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(433, 145, Rgb{});
    for (int y = 0; y < 145; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 433; ++x) {
            // Pale frosted glass: light enough that black text reads everywhere.
            const double t = y / 144.0;
            const Rgb c = mix(Rgb::hex(0xeef6fa), Rgb::hex(0xcfe2ea), t) *
                          (0.97 + 0.05 * noise.fbm(x / 60.0, y / 60.0, 3));
            line[x] = c.toRgb();
        }
    }
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    p.setPen(QPen(QColor(60, 170, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 432, 144));
    return image;
}

QImage InterfacePainter::aboutBack() {
    AssetRandom rnd(AssetRandom::seedFor("about"));
    const Noise noise(rnd.next());
    QImage image = PaintKit::opaque(495, 340, Rgb{});
    PaintKit::space(image, rnd, 0.002, Rgb::hex(0x08101e));
    for (int y = 0; y < 340; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < 495; ++x) {
            const double cloud = smoothstep(0.45, 0.8, noise.fbm(x / 180.0, y / 180.0, 5));
            line[x] = (Rgb::from(line[x]) + Rgb::hex(0x1a3a6a) * (cloud * 0.7)).toRgb();
        }
    }
    QPainter p(&image);
    p.setRenderHints(PaintKit::hints());
    cyanLine(p, QPointF(20, 30.5), QPointF(475, 30.5));
    cyanLine(p, QPointF(20, 310.5), QPointF(475, 310.5));
    bevel(p, QRectF(0, 0, 495, 340), 2);
    return image;
}

namespace {

// The round scope of the first two navigators: a metal bezel around green-cyan glass, with
// the sweep of the beam trailing behind it.
void radarScope(QPainter& p, QPointF c, double r, bool rings) {
    p.setBrush(PaintKit::litBrush(QRectF(c.x() - r - 3, c.y() - r - 3, 2 * r + 6, 2 * r + 6),
                                  Rgb::hex(0x5a6674), 0.5, 0.6));
    p.drawEllipse(c, r + 3, r + 3);
    p.setBrush(QColor(6, 10, 14));
    p.drawEllipse(c, r + 0.8, r + 0.8);
    QRadialGradient screen(c, r);
    screen.setColorAt(0, QColor(16, 62, 64));
    screen.setColorAt(0.8, QColor(8, 32, 38));
    screen.setColorAt(1, QColor(4, 16, 22));
    p.setBrush(screen);
    p.drawEllipse(c, r, r);
    QConicalGradient sweep(c, 50);
    sweep.setColorAt(0, QColor(150, 255, 230, 190));
    sweep.setColorAt(0.22, QColor(110, 230, 255, 0));
    sweep.setColorAt(1, QColor(110, 230, 255, 0));
    p.setBrush(sweep);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 230, 255, 70), 0.5));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    if (rings) {
        for (int i = 1; i <= 3; ++i) {
            p.setPen(QPen(QColor(110, 230, 255, 60 + 25 * i), 0.6));
            p.drawEllipse(c, r * i / 4.0, r * i / 4.0);
        }
        // Bearing ticks every 30 degrees around the rim.
        for (int a = 0; a < 360; a += 30) {
            const double t = a * M_PI / 180.0;
            const QPointF dir(std::cos(t), std::sin(t));
            p.setPen(QPen(QColor(160, 240, 255, 170), 0.8));
            p.drawLine(c + dir * (r - 3.5), c + dir * (r - 0.5));
        }
    }
    // The beam itself, bright along its leading edge.
    const double beam = -50 * M_PI / 180.0;
    p.setPen(QPen(QColor(200, 255, 240, 220), 0.9));
    p.drawLine(c, c + QPointF(std::cos(beam), std::sin(beam)) * (r - 0.5));
    p.setPen(Qt::NoPen);
}

// Glass reflection over a round or square screen: the light falls from the upper left.
void screenShine(QPainter& p, const QRectF& r, bool round) {
    QLinearGradient shine(r.topLeft(), r.center());
    shine.setColorAt(0, QColor(255, 255, 255, 55));
    shine.setColorAt(0.55, QColor(255, 255, 255, 8));
    shine.setColorAt(0.56, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    if (round) {
        p.drawEllipse(r);
    } else {
        p.drawRect(r);
    }
}

void knob(QPainter& p, QPointF at, double r) {
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(at + QPointF(0.8, 0.9), r, r);
    p.setBrush(
        PaintKit::litBrush(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), Rgb::hex(0x8a96a4), 0.65, 0.6));
    p.drawEllipse(at, r, r);
    p.setPen(QPen(QColor(20, 26, 32), 0.7));
    p.drawLine(at, at + QPointF(-r * 0.55, -r * 0.55));
    p.setPen(Qt::NoPen);
}

void lamp(QPainter& p, QPointF at, const QColor& colour) {
    QRadialGradient g(at, 2.6);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setBrush(g);
    p.drawEllipse(at, 2.6, 2.6);
}

} // namespace

QImage InterfacePainter::navigator(int level) {
    level = std::clamp(level, 1, 3);
    const QString name = QString("navpic%1").arg(level);
    AssetRandom rnd(AssetRandom::seedFor(name.toStdString()));
    SpriteCanvas canvas(96, 64);
    QPainter& p = canvas.painter();
    p.drawImage(QRectF(0, 0, 96, 64), brushed(96, 64, name.toLatin1().constData()));
    const QColor cyan(110, 230, 255);
    const QColor amber(255, 190, 80);
    std::vector<std::pair<QPointF, double>> stars;

    if (level < 3) {
        // A console with the scope on the left and its controls on a side plate.
        const QPointF c(34, 32);
        const double r = 23;
        radarScope(p, c, r, level == 2);
        const QPointF blips[] = {{26, 22}, {45, 40}, {22, 41}, {46, 19}};
        for (int i = 0; i < (level == 1 ? 3 : 4); ++i) {
            stars.emplace_back(blips[i], i == 3 ? 1.0 : 0.7);
        }
        if (level == 2) {
            // The plotted course: from the ship at the centre to the marked destination.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 200, 110, 90), 2.4));
            p.drawLine(c, blips[3]);
            p.setPen(QPen(amber, 0.9, Qt::DashLine));
            p.drawLine(c, blips[3]);
            p.setPen(QPen(amber, 0.8));
            p.drawEllipse(blips[3], 2.6, 2.6);
            p.setPen(Qt::NoPen);
        }
        screenShine(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), true);
        glass(p, QRectF(66, 8, 24, level == 1 ? 14 : 20), 230);
        // A read-out of bars on the small screen; the better set shows more lines.
        for (int i = 0; i < (level == 1 ? 2 : 4); ++i) {
            p.setBrush(QColor(110, 230, 255, 150 - i * 20));
            p.drawRect(QRectF(69, 11.5 + i * 4, 8 + rnd.range(2, 10), 1.6));
        }
        knob(p, QPointF(72, 44), level == 1 ? 5.5 : 4.5);
        if (level == 2) {
            knob(p, QPointF(84, 44), 4.5);
        }
        lamp(p, QPointF(level == 1 ? 85 : 70, level == 1 ? 43 : 55),
             level == 1 ? QColor(90, 255, 140) : amber);
        lamp(p, QPointF(level == 1 ? 85 : 78, level == 1 ? 51 : 55), cyan);
        if (level == 2) {
            lamp(p, QPointF(86, 55), QColor(90, 255, 140));
        }
    } else {
        // A holographic chart: a star field over a receding grid, projected above an emitter.
        const QRectF screen(5, 5, 86, 44);
        glass(p, screen, 255);
        p.save();
        p.setClipRect(screen.adjusted(0.5, 0.5, -0.5, -0.5));
        // The projection rises from the emitter and fades towards the top of the glass.
        QRadialGradient beam(QPointF(48, screen.bottom() + 6), 50);
        beam.setColorAt(0, QColor(110, 230, 255, 80));
        beam.setColorAt(1, QColor(110, 230, 255, 0));
        p.setBrush(beam);
        p.drawRect(screen);
        // The chart's floor in perspective: lines converge on a point above the screen.
        const QPointF vanish(48, -30);
        for (int i = -6; i <= 6; ++i) {
            const QPointF foot(48 + i * 12, screen.bottom());
            const QPointF head = foot + (vanish - foot) * 0.42;
            p.setPen(QPen(QColor(110, 230, 255, 70), 0.5));
            p.drawLine(foot, head);
        }
        for (int j = 0; j < 5; ++j) {
            const double y = screen.bottom() - 22 * (1 - std::pow(0.72, j + 1)) / 0.28 * 0.3;
            p.setPen(QPen(QColor(110, 230, 255, 80 - j * 10), 0.5));
            p.drawLine(QPointF(screen.left(), y), QPointF(screen.right(), y));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 22; ++i) {
            stars.emplace_back(QPointF(rnd.range(8, 88), rnd.range(8, 44)), 0.3 + 0.45 * rnd.real());
        }
        // The plotted course, star to star, ending on the destination.
        const QPolygonF course{{14, 38}, {30, 27}, {47, 31}, {63, 17}, {80, 12}};
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 200, 110, 80), 2.6));
        p.drawPolyline(course);
        p.setPen(QPen(amber, 0.9));
        p.drawPolyline(course);
        p.setPen(QPen(amber, 0.8));
        p.drawEllipse(course.back(), 3.2, 3.2);
        p.drawLine(course.back() + QPointF(-5.5, 0), course.back() + QPointF(-3.6, 0));
        p.drawLine(course.back() + QPointF(3.6, 0), course.back() + QPointF(5.5, 0));
        p.setPen(Qt::NoPen);
        for (const QPointF& node : course) {
            stars.emplace_back(node, node == course.back() ? 1.0 : 0.7);
        }
        p.restore();
        screenShine(p, screen, false);
        // The emitter below the chart and a row of keys beside it.
        QLinearGradient emitter(0, 52, 0, 58);
        emitter.setColorAt(0, QColor(200, 250, 255));
        emitter.setColorAt(1, QColor(40, 140, 190));
        p.setBrush(QColor(10, 14, 20));
        p.drawRoundedRect(QRectF(29, 51.5, 38, 7), 2, 2);
        p.setBrush(emitter);
        p.drawRoundedRect(QRectF(31, 53, 34, 4), 1.5, 1.5);
        for (int i = 0; i < 3; ++i) {
            lamp(p, QPointF(10 + i * 6, 55), i == 0 ? amber : cyan);
            lamp(p, QPointF(74 + i * 6, 55), i == 2 ? QColor(90, 255, 140) : cyan);
        }
    }
    bevel(p, QRectF(0, 0, 96, 64), 2);
    for (const QPointF& at : {QPointF(4, 4), QPointF(92, 4), QPointF(4, 60), QPointF(92, 60)}) {
        rivet(p, at);
    }
    QImage image = canvas.finish().convertToFormat(QImage::Format_RGB32);
    if (level == 3) {
        // A faint nebula in the chart, so the hologram shows space rather than a plain screen.
        PaintKit::glow(image, 34, 22, 14, Rgb::hex(0x4a3a9a), 0.25);
        PaintKit::glow(image, 66, 30, 12, Rgb::hex(0x1a6a8a), 0.25);
    }
    // Stars and blips glow; painted after the shrink so their cores stay sharp.
    for (const auto& [at, brightness] : stars) {
        const bool target = brightness >= 1.0;
        PaintKit::star(image, at.x(), at.y(), target ? 0.8 : brightness,
                       target ? Rgb::hex(0xffd890) : (level == 3 ? Rgb::hex(0xd8f4ff) : Rgb::hex(0x9effd8)));
    }
    PaintKit::grain(image, rnd, 0.025);
    return image;
}

} // namespace veltrane::assetgen
