#include "MessageSigns.h"

#include "MetalStyle.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace veltrane {

namespace {

const QColor kAmber(236, 176, 48);

// The badge's outline in a square of side `s`: a disc, or for a warning a triangle with soft corners.
QPainterPath Badge(TMessageSign sign, double s) {
    QPainterPath path;
    if (sign != TMessageSign::Warning) {
        path.addEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
        return path;
    }
    const QPointF top(s * 0.5, s * 0.07), right(s * 0.95, s * 0.9), left(s * 0.05, s * 0.9);
    path.moveTo(top);
    path.lineTo(right);
    path.lineTo(left);
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap PaintMessageSign(TMessageSign sign, int size, double scale) {
    scale = std::max(1.0, scale);
    const int pixels = std::max(1, int(std::lround(size * scale)));
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = pixels;
    const QColor accent = sign == TMessageSign::Warning ? kAmber : metal::kCyan;

    // A raised metal face, lit from above, with a thin coloured rim.
    const QPainterPath badge = Badge(sign, s);
    QLinearGradient face(0, 0, 0, s);
    face.setColorAt(0, metal::kFaceLight);
    face.setColorAt(0.45, metal::kFace);
    face.setColorAt(1, metal::kFaceDark);
    p.setPen(QPen(accent, std::max(1.0, s / 20), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(face);
    p.drawPath(badge);

    // The glyph, as a path so it lies centred to the pixel whatever the font's own metrics.
    const QString glyph = sign == TMessageSign::Question ? "?" : sign == TMessageSign::Warning ? "!" : "i";
    QFont font("Arial");
    font.setBold(true);
    font.setPixelSize(std::max(1, int(s * (sign == TMessageSign::Warning ? 0.5 : 0.58))));
    QPainterPath text;
    text.addText(0, 0, font, glyph);
    const QRectF shape = text.boundingRect();
    const QPointF centre =
        sign == TMessageSign::Warning ? QPointF(s * 0.5, s * 0.6) : QPointF(s * 0.5, s * 0.5);
    text.translate(centre - shape.center());
    p.setPen(Qt::NoPen);
    p.setBrush(sign == TMessageSign::Information ? metal::kText : accent);
    p.drawPath(text);
    p.end();

    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace veltrane
