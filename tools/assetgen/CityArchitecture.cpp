#include "CityArchitecture.h"

#include "PaintKit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace veltrane::assetgen {

namespace {

// Panes in rows and columns, only where the building stands behind them.
void windowGrid(QPainter& p, const QPainterPath& clip, const QRectF& box, double cell, double gapX,
                double gapY, const CityTone& tone, AssetRandom& rnd, bool round = false) {
    if (cell < 1.0) {
        return;
    }
    p.save();
    p.setClipPath(clip);
    for (double y = box.top() + gapY; y < box.bottom() - cell - gapY * 0.5; y += cell + gapY) {
        for (double x = box.left() + gapX; x < box.right() - cell * 0.6; x += cell * 0.7 + gapX) {
            const bool on = rnd.chance(tone.litShare);
            const Rgb c = on ? tone.window : tone.glass;
            p.setBrush(c.toColor(on ? (rnd.chance(0.7) ? 235 : 150) : 110));
            const QRectF pane(x, y, cell * 0.7, cell);
            if (round) {
                p.drawEllipse(pane);
            } else {
                p.drawRect(pane);
            }
        }
    }
    p.restore();
}

void block(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
           std::vector<CityGlow>& glows) {
    QPainterPath shape;
    shape.addRect(box);
    // Some blocks step back near the top.
    if (rnd.chance(0.5)) {
        const double inset = box.width() * 0.2;
        shape.addRect(QRectF(box.left() + inset, box.top() - box.height() * 0.12, box.width() - inset * 2,
                             box.height() * 0.12 + 1));
    }
    shape = shape.simplified();
    p.setBrush(CityArchitecture::faceBrush(box, tone));
    p.drawPath(shape);
    const double cell = 3.2 * tone.scale;
    windowGrid(p, shape, shape.boundingRect(), cell, 1.6 * tone.scale, 1.8 * tone.scale, tone, rnd);
    if (rnd.chance(0.35)) {
        const QRectF top = shape.boundingRect();
        const double x = top.center().x();
        p.setBrush(tone.shade.toColor());
        p.drawRect(QRectF(x - 0.6, top.top() - 12 * tone.scale, 1.2, 12 * tone.scale));
        glows.push_back({QPointF(x, top.top() - 12 * tone.scale), 1.6, Rgb{1.0, 0.3, 0.25}, 0.9});
    }
}

void dome(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
          std::vector<CityGlow>& glows) {
    // A drum carrying a dome; a few are great low domes sitting right on the ground.
    const bool low = rnd.chance(0.3);
    const double drum = low ? box.height() * 0.06 : box.height() * rnd.range(0.3, 0.55);
    const double domeH = std::min(box.height() - drum, box.width() * (low ? 0.5 : 0.62));
    const QRectF drumBox(box.left(), box.bottom() - drum, box.width(), drum);
    const QRectF domeBox(box.left(), box.bottom() - drum - domeH, box.width(), domeH * 2);
    p.setBrush(CityArchitecture::faceBrush(drumBox, tone));
    p.drawRect(drumBox);
    QPainterPath cap;
    cap.moveTo(domeBox.left(), drumBox.top());
    cap.arcTo(domeBox, 180, -180);
    cap.closeSubpath();
    p.setBrush(PaintKit::litBrush(domeBox.adjusted(0, 0, 0, -domeH), tone.lit, 0.35, 0.55));
    p.drawPath(cap);
    // Ribs of the dome, as darker gores.
    p.save();
    p.setClipPath(cap);
    p.setBrush(tone.shade.toColor(60));
    for (int i = 1; i < 6; ++i) {
        const double x = domeBox.left() + domeBox.width() * (0.5 - 0.5 * std::cos(i * M_PI / 6));
        p.drawRect(QRectF(x - 0.4 * tone.scale, domeBox.top(), 0.8 * tone.scale, domeH));
    }
    p.restore();
    // Arched windows round the drum.
    if (drum > 6 * tone.scale) {
        QPainterPath drumPath;
        drumPath.addRect(drumBox.adjusted(0, drum * 0.2, 0, -drum * 0.15));
        windowGrid(p, drumPath, drumPath.boundingRect(), 4.0 * tone.scale, 2.4 * tone.scale, 2.5 * tone.scale,
                   tone, rnd);
    }
    // The lantern on top.
    const double cx = domeBox.center().x(), top = domeBox.top();
    const double lw = std::max(1.5, box.width() * 0.08);
    p.setBrush(tone.lit.toColor());
    p.drawRect(QRectF(cx - lw / 2, top - lw * 1.5, lw, lw * 1.5 + 1));
    p.drawPolygon(
        QPolygonF{{cx - lw * 0.6, top - lw * 1.5}, {cx, top - lw * 3.5}, {cx + lw * 0.6, top - lw * 1.5}});
    if (tone.litShare > 0.4) {
        glows.push_back({QPointF(cx, top - lw), lw * 1.5, tone.window, 0.5});
    }
}

void needle(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
            std::vector<CityGlow>& glows) {
    const double cx = box.center().x(), w = box.width();
    const double tip = w * rnd.range(0.08, 0.25);
    QPainterPath shape;
    shape.addPolygon(QPolygonF{{box.left(), box.bottom()},
                               {cx - tip / 2, box.top()},
                               {cx + tip / 2, box.top()},
                               {box.right(), box.bottom()}});
    shape.closeSubpath();
    p.setBrush(CityArchitecture::faceBrush(box, tone));
    p.drawPath(shape);
    // Tall thin panes: bands of glass running up the shaft.
    windowGrid(p, shape, box, 5.5 * tone.scale, 1.2 * tone.scale, 1.2 * tone.scale, tone, rnd);
    // The spire and its beacon.
    const double spire = box.height() * rnd.range(0.08, 0.18);
    p.setBrush(tone.lit.toColor());
    p.drawPolygon(
        QPolygonF{{cx - tip * 0.3, box.top()}, {cx, box.top() - spire}, {cx + tip * 0.3, box.top()}});
    glows.push_back({QPointF(cx, box.top() - spire), 1.5 + tone.scale, Rgb{1.0, 0.35, 0.3}, 0.8});
    // Sky decks: saucers round the shaft.
    const int decks = rnd.below(3);
    for (int d = 0; d < decks; ++d) {
        const double f = rnd.range(0.45, 0.85);
        const double y = box.bottom() - box.height() * f;
        const double half = (w * (1 - f) + tip * f) / 2 + w * rnd.range(0.35, 0.7);
        const QRectF disc(cx - half, y - half * 0.14, half * 2, half * 0.28);
        p.setBrush(PaintKit::litBrush(disc, tone.lit, 0.3, 0.55));
        p.drawEllipse(disc);
        p.setBrush(tone.window.toColor(static_cast<int>(60 + 170 * tone.litShare)));
        p.drawRect(QRectF(disc.left() + half * 0.2, disc.center().y() - 0.4 * tone.scale, half * 1.6,
                          0.8 * tone.scale));
    }
}

void terrace(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
             std::vector<CityGlow>& glows) {
    // A stepped pyramid: tiers narrowing upwards, gardens spilling over every ledge and a
    // stair running up the middle.
    const int tiers = 3 + rnd.below(3);
    const double tierH = box.height() / (tiers + 0.6);
    const double cx = box.center().x();
    const Rgb green = mix(Rgb::hex(0x4f8a3c), tone.lit, 0.35);
    for (int t = 0; t < tiers; ++t) {
        const double w = box.width() * (1.0 - t * 0.75 / tiers);
        const QRectF tier(cx - w / 2, box.bottom() - (t + 1) * tierH, w, tierH + 0.5);
        QPainterPath path;
        path.addRect(tier);
        p.setBrush(CityArchitecture::faceBrush(tier, tone));
        p.drawPath(path);
        // Shadow under the ledge above.
        p.setBrush(tone.shade.toColor(110));
        p.drawRect(QRectF(tier.left(), tier.top(), tier.width(), tierH * 0.18));
        // A row of doorways and windows under each ledge.
        QPainterPath row;
        row.addRect(tier.adjusted(2 * tone.scale, tierH * 0.3, -2 * tone.scale, -tierH * 0.25));
        windowGrid(p, row, row.boundingRect(), std::min(4.0 * tone.scale, tierH * 0.4), 3.0 * tone.scale,
                   tierH, tone, rnd);
        // Hanging gardens along the ledge.
        for (double x = tier.left() + 1; x < tier.right() - 1; x += rnd.range(2.5, 5.0) * tone.scale) {
            const double r = rnd.range(1.0, 2.2) * tone.scale;
            const QRectF leaf(x - r, tier.top() - r * 0.8, r * 2, r * 1.6);
            p.setBrush(PaintKit::litBrush(leaf, green * rnd.range(0.7, 1.1), 0.3, 0.5));
            p.drawEllipse(leaf);
        }
    }
    // The stair, lighter where it faces the sun.
    const double baseW = box.width() * 0.12, topW = baseW * 0.6;
    const double topY = box.bottom() - tiers * tierH;
    p.setBrush(mix(tone.lit, tone.shade, 0.2).toColor(200));
    p.drawPolygon(QPolygonF{
        {cx - baseW, box.bottom()}, {cx - topW, topY}, {cx + topW, topY}, {cx + baseW, box.bottom()}});
    // The shrine on top.
    const QRectF shrine(cx - box.width() * 0.08, topY - tierH * 0.6, box.width() * 0.16, tierH * 0.6 + 0.5);
    p.setBrush(CityArchitecture::faceBrush(shrine, tone));
    p.drawRect(shrine);
    if (tone.litShare > 0.25) {
        glows.push_back({shrine.center(), shrine.width() * 0.8, tone.window, 0.6});
    }
}

void shell(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
           std::vector<CityGlow>& glows) {
    // Grown, not built: a stalk swelling into a bulb with a drawn-out tip, sometimes twins.
    const int bulbs = rnd.chance(0.35) ? 2 : 1;
    for (int b = 0; b < bulbs; ++b) {
        const double w = box.width() * (bulbs == 2 ? 0.62 : 1.0);
        const double h = box.height() * (b == 0 ? 1.0 : rnd.range(0.55, 0.8));
        const double cx = bulbs == 2 ? (b == 0 ? box.left() + w / 2 : box.right() - w / 2) : box.center().x();
        const double bottom = box.bottom(), top = bottom - h;
        const double belly = top + h * rnd.range(0.35, 0.55);
        const double stalk = w * rnd.range(0.16, 0.3);
        QPainterPath path;
        path.moveTo(cx - stalk, bottom);
        path.cubicTo(cx - stalk * 0.6, belly + h * 0.25, cx - w * 0.5, belly + h * 0.12, cx - w * 0.5, belly);
        path.cubicTo(cx - w * 0.5, belly - h * 0.25, cx - w * 0.1, top + h * 0.12, cx, top);
        path.cubicTo(cx + w * 0.1, top + h * 0.12, cx + w * 0.5, belly - h * 0.25, cx + w * 0.5, belly);
        path.cubicTo(cx + w * 0.5, belly + h * 0.12, cx + stalk * 0.6, belly + h * 0.25, cx + stalk, bottom);
        path.closeSubpath();
        const QRectF bulb(cx - w / 2, top, w, (belly - top) * 2);
        p.setBrush(PaintKit::litBrush(bulb, tone.lit, 0.45, 0.6));
        p.drawPath(path);
        // Growth rings and round portholes.
        p.save();
        p.setClipPath(path);
        p.setBrush(tone.shade.toColor(50));
        for (double y = top + h * 0.15; y < bottom; y += h * 0.16) {
            p.drawEllipse(QRectF(cx - w * 0.6, y, w * 1.2, h * 0.05));
        }
        p.restore();
        windowGrid(p, path, QRectF(cx - w / 2, top + h * 0.18, w, h * 0.7), 3.4 * tone.scale,
                   3.2 * tone.scale, 3.0 * tone.scale, tone, rnd, true);
        if (tone.litShare > 0.25) {
            glows.push_back({QPointF(cx, top + h * 0.05), 1.5 + tone.scale, tone.window, 0.7});
        }
    }
}

void arcology(QPainter& p, const QRectF& box, const CityTone& tone, AssetRandom& rnd,
              std::vector<CityGlow>& glows) {
    // A whole city in one hull: a tapering mountain of decks with a waist and a crown.
    const double cx = box.center().x(), w = box.width(), h = box.height();
    const double waist = rnd.range(0.25, 0.4), crown = rnd.range(0.18, 0.3);
    QPainterPath path;
    path.moveTo(box.left(), box.bottom());
    path.cubicTo(cx - w * 0.45, box.bottom() - h * 0.3, cx - w * waist, box.bottom() - h * 0.6,
                 cx - w * crown, box.top());
    path.lineTo(cx + w * crown, box.top());
    path.cubicTo(cx + w * waist, box.bottom() - h * 0.6, cx + w * 0.45, box.bottom() - h * 0.3, box.right(),
                 box.bottom());
    path.closeSubpath();
    p.setBrush(CityArchitecture::faceBrush(box, tone));
    p.drawPath(path);
    windowGrid(p, path, box, 2.2 * tone.scale, 1.3 * tone.scale, 1.6 * tone.scale, tone, rnd);
    // Deck bands and the great gates at its foot.
    p.save();
    p.setClipPath(path);
    for (double y = box.top() + h * 0.12; y < box.bottom(); y += h * rnd.range(0.1, 0.16)) {
        p.setBrush(tone.shade.toColor(150));
        p.drawRect(QRectF(box.left(), y, w, 2.2 * tone.scale));
        p.setBrush(tone.lit.toColor(120));
        p.drawRect(QRectF(box.left(), y - 0.8 * tone.scale, w * 0.45, 0.8 * tone.scale));
    }
    p.restore();
    for (int g = -1; g <= 1; ++g) {
        const QRectF gate(cx + g * w * 0.25 - w * 0.05, box.bottom() - h * 0.09, w * 0.1, h * 0.09 + 1);
        QPainterPath arch;
        arch.addRoundedRect(gate, gate.width() / 2, gate.width() / 2);
        p.setBrush((tone.window * (tone.litShare > 0.3 ? 1.0 : 0.4)).toColor(200));
        p.drawPath(arch);
    }
    // The crown: a ring of lights and a mast.
    const QRectF ring(cx - w * crown, box.top() - h * 0.03, w * crown * 2, h * 0.06);
    p.setBrush(PaintKit::litBrush(ring, tone.lit, 0.3, 0.5));
    p.drawEllipse(ring);
    p.setBrush(tone.shade.toColor());
    p.drawRect(QRectF(cx - 1, box.top() - h * 0.18, 2, h * 0.18));
    glows.push_back({QPointF(cx, box.top() - h * 0.18), 2.5, Rgb{1.0, 0.4, 0.3}, 1.0});
    for (int i = 0; i < 5; ++i) {
        glows.push_back({QPointF(ring.left() + ring.width() * (i + 0.5) / 5, ring.center().y()), 2.0,
                         tone.window, 0.25 + 0.5 * tone.litShare});
    }
}

} // namespace

QBrush CityArchitecture::faceBrush(const QRectF& box, const CityTone& tone) {
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0, mix(tone.lit, Rgb{1, 1, 1}, 0.08).toColor());
    g.setColorAt(0.4, mix(tone.lit, tone.shade, 0.35).toColor());
    g.setColorAt(1, tone.shade.toColor());
    return QBrush(g);
}

void CityArchitecture::paint(QPainter& p, CityBuilding kind, const QRectF& box, const CityTone& tone,
                             AssetRandom& rnd, std::vector<CityGlow>& glows) {
    switch (kind) {
    case CityBuilding::Block:
        return block(p, box, tone, rnd, glows);
    case CityBuilding::Dome:
        return dome(p, box, tone, rnd, glows);
    case CityBuilding::Needle:
        return needle(p, box, tone, rnd, glows);
    case CityBuilding::Terrace:
        return terrace(p, box, tone, rnd, glows);
    case CityBuilding::Shell:
        return shell(p, box, tone, rnd, glows);
    case CityBuilding::Arcology:
        return arcology(p, box, tone, rnd, glows);
    }
}

} // namespace veltrane::assetgen
