#include "InterfacePainter.h"

#include "AssetRandom.h"
#include "Noise.h"
#include "PaintKit.h"
#include "SpriteCanvas.h"

#include <QFont>
#include <QPainterPath>

#include <cmath>

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

} // namespace veltrane::assetgen
