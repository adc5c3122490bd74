#include "CityViewPainter.h"

#include "PaintKit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <string>

namespace veltrane::assetgen {

namespace {

bool darkHour(CityHour hour) {
    return hour == CityHour::Night || hour == CityHour::Dusk;
}

} // namespace

CityViewPainter::CityViewPainter(int n, int width, int height)
    : w_(width), h_(height), plan_(CityViewPlan::forCity(n, width, height)),
      rnd_(AssetRandom::seedFor("cityview" + std::to_string(n))), noise_(rnd_.next()),
      image_(PaintKit::opaque(width, height, Rgb{})) {}

QImage CityViewPainter::paint() {
    sky();
    heavens();
    switch (plan_.form) {
    case CityForm::Harbour:
        harbour();
        break;
    case CityForm::Canyon:
        canyon();
        break;
    case CityForm::Skyborne:
        skyborne();
        break;
    default:
        plainCity();
        break;
    }
    applyGlows();
    weather();
    AssetRandom grainRnd(rnd_.next());
    PaintKit::grain(image_, grainRnd, 0.035);
    return image_;
}

CityTone CityViewPainter::toneAt(double depth) const {
    const double fade = clamp01(depth * plan_.hazeDepth);
    const Rgb lit = plan_.stone * plan_.light * (plan_.hour == CityHour::Night ? 0.55 : 1.05);
    // The shaded side takes the sky's colour, as shadows do.
    const Rgb shade = mix(plan_.stone * plan_.light * 0.38, plan_.skyTop * 0.45, 0.3);
    const Rgb glass = mix(plan_.skyTop * 0.55, shade * 0.7, 0.5);
    return {mix(lit, plan_.haze, fade),
            mix(shade, plan_.haze, fade),
            mix(plan_.window, plan_.haze, fade * 0.5),
            mix(glass, plan_.haze, fade),
            plan_.lit,
            1.0 - depth * 0.5};
}

void CityViewPainter::sky() {
    const double hz = plan_.horizon;
    const bool overcast = plan_.weather == CityWeather::Rain || plan_.weather == CityWeather::Snow;
    const double sx = plan_.sunAt.x(), sy = plan_.sunAt.y();
    const double warmth = plan_.hour == CityHour::Noon ? 0.15 : (plan_.hour == CityHour::Night ? 0.08 : 0.45);
    // Each sky its own clouds: heaped, long streaks or hardly any; a lid in rain or snow.
    const int kind = overcast ? 0 : rnd_.below(3);
    const double sx0 = kind == 1 ? 150.0 : 70.0;
    const double sy0 = kind == 1 ? 9.0 : 26.0;
    const double sparse = kind == 2 ? 0.14 : rnd_.range(-0.06, 0.06);
    const Rgb cloudLit =
        plan_.hour == CityHour::Night ? plan_.skyLow * 0.9 : mix(plan_.sunColour, plan_.skyLow, 0.35) * 1.05;
    const Rgb cloudShade = mix(plan_.skyTop, plan_.skyLow, 0.5) * 0.8;
    for (int y = 0; y < h_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const double t = std::pow(clamp01(y / hz), 1.4);
        for (int x = 0; x < w_; ++x) {
            Rgb c = mix(plan_.skyTop, plan_.skyLow, t);
            const double d = std::hypot((x - sx) / w_, (y - sy) / hz);
            c = c + plan_.sunColour * (warmth * std::exp(-d * 3.0));
            if (plan_.hour == CityHour::Night) {
                // The city's own light, thrown up into the air above it.
                c = c + plan_.window * (0.34 * std::exp(-std::abs(hz - y) / 40.0));
            }
            const double cloud = noise_.fbm(x / sx0, y / sy0, 4);
            const double cover =
                overcast ? smoothstep(0.3, 0.6, cloud) : smoothstep(0.52 + sparse, 0.75 + sparse, cloud);
            if (cover > 0.0) {
                // Lit on the side towards the sun: compare with the noise a step towards it.
                const double towards = noise_.fbm((x - 3) / sx0, (y - 3) / sy0, 4);
                const double light = clamp01(0.5 + (cloud - towards) * 6.0);
                const Rgb cc = mix(cloudShade, cloudLit, light);
                c = mix(c, cc, cover * (overcast ? 0.85 : 0.7) * (1.0 - 0.5 * t));
            }
            line[x] = c.toRgb();
        }
    }
}

void CityViewPainter::heavens() {
    const bool overcast = plan_.weather == CityWeather::Rain || plan_.weather == CityWeather::Snow;
    if (plan_.hour == CityHour::Night || plan_.hour == CityHour::Dawn) {
        const int stars = plan_.hour == CityHour::Night ? 110 : 35;
        for (int i = 0; i < stars; ++i) {
            const double y = std::pow(rnd_.real(), 1.6) * plan_.horizon * 0.8;
            const double b = (0.15 + 0.6 * std::pow(rnd_.real(), 2.0)) * (overcast ? 0.3 : 1.0);
            PaintKit::star(image_, rnd_.range(0, w_), y, b, Rgb{0.9, 0.93, 1.0});
        }
    }
    // A neighbouring world hangs in some skies, lit from the same side as everything else.
    if (rnd_.chance(0.45) && !overcast) {
        QPainter p(&image_);
        p.setRenderHints(PaintKit::hints());
        p.setPen(Qt::NoPen);
        const double r = rnd_.range(14, 45);
        const QRectF disc(rnd_.range(w_ * 0.45, w_ * 0.9), rnd_.range(-r * 0.5, plan_.horizon * 0.35), r * 2,
                          r * 2);
        const Rgb body = shiftHue(Rgb::hex(0xc8a888), rnd_.range(-180, 180));
        const int alpha = plan_.hour == CityHour::Noon ? 110 : 200;
        p.setBrush(PaintKit::litBrush(disc, mix(body, plan_.skyLow, 0.3), 0.4, 0.85));
        p.setOpacity(alpha / 255.0);
        p.drawEllipse(disc);
        // Bands across a giant.
        p.setClipRegion(QRegion(disc.toRect(), QRegion::Ellipse));
        p.setBrush((body * 0.7).toColor(60));
        for (double y = disc.top() + r * 0.3; y < disc.bottom(); y += r * rnd_.range(0.2, 0.45)) {
            p.drawRect(QRectF(disc.left(), y, disc.width(), r * 0.12));
        }
    }
    const double sunR = plan_.hour == CityHour::Noon ? 7 : (plan_.hour == CityHour::Night ? 6 : 11);
    const double veil = overcast ? 0.35 : (plan_.weather == CityWeather::Dust ? 0.6 : 1.0);
    PaintKit::glow(image_, plan_.sunAt.x(), plan_.sunAt.y(), sunR * 5, plan_.sunColour, 0.25 * veil);
    PaintKit::glow(image_, plan_.sunAt.x(), plan_.sunAt.y(), sunR, plan_.sunColour, 1.6 * veil);
}

void CityViewPainter::row(QPainter& p, std::initializer_list<CityBuilding> kinds, int count, double ground,
                          double minW, double maxW, double minH, double maxH, double depth, double x0,
                          double x1) {
    const CityTone tone = toneAt(depth);
    const double step = (x1 - x0) / count;
    for (int i = 0; i < count; ++i) {
        const CityBuilding kind = *(kinds.begin() + rnd_.below(static_cast<int>(kinds.size())));
        const double bw = rnd_.range(minW, maxW);
        const double bh = rnd_.range(minH, maxH);
        const double x = x0 + step * (i + rnd_.range(0.1, 0.9)) - bw / 2;
        CityArchitecture::paint(p, kind, QRectF(x, ground - bh, bw, bh), tone, rnd_, glows_);
    }
}

void CityViewPainter::ground(QPainter& p) {
    const double hz = plan_.horizon;
    const Rgb pave = plan_.stone * plan_.light * (plan_.hour == CityHour::Night ? 0.35 : 0.6);
    QLinearGradient g(0, hz, 0, h_);
    g.setColorAt(0, mix(pave, plan_.haze, 0.6).toColor());
    g.setColorAt(1, (pave * 0.8).toColor());
    p.setBrush(g);
    p.drawRect(QRectF(0, hz - 1, w_, h_ - hz + 1));
    // Paving joints running to the far end of the square.
    const QPointF vanish(w_ * rnd_.range(0.35, 0.65), hz);
    p.setBrush((pave * 0.55).toColor(70));
    for (int i = -12; i <= 12; ++i) {
        const double x = w_ / 2.0 + i * w_ / 9.0;
        p.drawPolygon(
            QPolygonF{vanish, {x - 0.8, static_cast<double>(h_)}, {x + 0.8, static_cast<double>(h_)}});
    }
    for (double t = 0.04; t < 1.0; t *= 1.45) {
        const double y = hz + (h_ - hz) * t;
        p.drawRect(QRectF(0, y, w_, 0.5 + t));
    }
}

void CityViewPainter::figure(QPainter& p, double x, double feet, double s) {
    const Rgb cloth = Rgb::from(QColor::fromHsv(rnd_.below(360), 90 + rnd_.below(120), 200).rgb()) *
                      (plan_.hour == CityHour::Night ? 0.45 : 0.9) * plan_.light;
    const QRectF body(x - 0.8 * s, feet - 3.4 * s, 1.6 * s, 3.4 * s);
    p.setBrush(PaintKit::litBrush(body, cloth, 0.3, 0.5));
    p.drawRoundedRect(body, 0.6 * s, 0.6 * s);
    const Rgb skin = shiftHue(Rgb::hex(0xc89470), rnd_.range(-60, 60)) * plan_.light *
                     (plan_.hour == CityHour::Night ? 0.5 : 1.0);
    p.setBrush(skin.toColor());
    p.drawEllipse(QPointF(x, feet - 4.1 * s), 0.65 * s, 0.7 * s);
}

void CityViewPainter::tree(QPainter& p, double x, double ground, double s, const Rgb& leaves) {
    const double dim = plan_.hour == CityHour::Night ? 0.4 : 1.0;
    p.setBrush((Rgb::hex(0x5a4030) * plan_.light * dim).toColor());
    p.drawRect(QRectF(x - 0.6 * s, ground - 6 * s, 1.2 * s, 6 * s));
    for (int k = 0; k < 3; ++k) {
        const double r = s * rnd_.range(2.6, 3.8);
        const QRectF crown(x - r + rnd_.range(-2.5, 2.5) * s, ground - 8 * s - r + rnd_.range(-2, 1.5) * s,
                           r * 2, r * 1.8);
        p.setBrush(PaintKit::litBrush(crown, leaves * plan_.light * dim * rnd_.range(0.8, 1.1), 0.3, 0.55));
        p.drawEllipse(crown);
    }
    if (plan_.weather == CityWeather::Snow) {
        p.setBrush(QColor(240, 244, 255, 200));
        p.drawEllipse(QRectF(x - 3.2 * s, ground - 12.5 * s, 5.5 * s, 2 * s));
    }
}

void CityViewPainter::promenade(QPainter& p, Rgb leaves) {
    const double hz = plan_.horizon;
    const bool lamps = plan_.lit > 0.25;
    // Street furniture along the front edge, far to near so the nearest stand in front.
    double x = rnd_.range(-10, 20);
    while (x < w_ + 10) {
        const double g = h_ - rnd_.range(3, 16);
        const double s = 1.3 + (g - hz) / (h_ - hz) * 0.8;
        const int what = rnd_.below(5);
        if (what <= 1) {
            tree(p, x, g, s, leaves);
        } else if (what == 2) {
            p.setBrush((plan_.stone * plan_.light * 0.5).toColor());
            p.drawRect(QRectF(x - 0.5 * s, g - 15 * s, 1.0 * s, 15 * s));
            p.setBrush(lamps ? plan_.window.toColor() : (plan_.stone * 0.8).toColor());
            p.drawEllipse(QPointF(x, g - 15.5 * s), 1.4 * s, 1.0 * s);
            if (lamps) {
                glows_.push_back({QPointF(x, g - 15.5 * s), 5 * s, plan_.window, 0.45});
            }
        } else {
            // A banner: the city's colours on a pole, lit from the left.
            const Rgb cloth = shiftHue(plan_.accent, what == 3 ? 0 : 40) *
                              mix(plan_.light, Rgb{1, 1, 1}, 0.3) *
                              (plan_.hour == CityHour::Night ? 0.6 : 1.0);
            p.setBrush((plan_.stone * plan_.light * 0.45).toColor());
            p.drawRect(QRectF(x - 0.4 * s, g - 24 * s, 0.8 * s, 24 * s));
            const QRectF flag(x + 0.4 * s, g - 23 * s, 5 * s, 11 * s);
            QLinearGradient cg(flag.topLeft(), flag.topRight());
            cg.setColorAt(0, mix(cloth, Rgb{1, 1, 1}, 0.2).toColor());
            cg.setColorAt(1, (cloth * 0.6).toColor());
            p.setBrush(cg);
            p.drawPolygon(QPolygonF{flag.topLeft(),
                                    flag.topRight(),
                                    flag.bottomRight(),
                                    {flag.center().x(), flag.bottom() - 2.5 * s},
                                    flag.bottomLeft()});
        }
        x += rnd_.range(18, 46);
    }
    // Citizens about their business, far ones first.
    std::vector<QPointF> people;
    const int count = 25 + rnd_.below(30);
    for (int i = 0; i < count; ++i) {
        // Some walk in groups.
        const double y = hz + 6 + std::pow(rnd_.real(), 0.8) * (h_ - hz - 8);
        const double x0 = rnd_.range(0, w_);
        const int group = rnd_.chance(0.3) ? 2 + rnd_.below(3) : 1;
        for (int k = 0; k < group; ++k) {
            people.emplace_back(x0 + k * rnd_.range(2, 4), y + rnd_.range(-1.5, 1.5));
        }
    }
    std::sort(people.begin(), people.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    for (const QPointF& at : people) {
        figure(p, at.x(), at.y(), 0.6 + 2.0 * (at.y() - hz) / (h_ - hz));
    }
}

void CityViewPainter::traffic(QPainter& p, int lanes, double top, double bottom) {
    const bool dark = darkHour(plan_.hour);
    for (int l = 0; l < lanes; ++l) {
        const double y0 = rnd_.range(top, bottom);
        const double slope = rnd_.range(-0.08, 0.08);
        const double depth = 1.0 - (y0 - top) / std::max(1.0, bottom - top);
        const double s = 1.6 - depth * 0.9;
        const bool right = rnd_.chance(0.5);
        const int craft = 3 + rnd_.below(7);
        const Rgb hull = plan_.stone * plan_.light * (dark ? 0.5 : 1.0);
        const Rgb trail = l % 2 ? plan_.accent : Rgb{1.0, 0.85, 0.65};
        for (int c = 0; c < craft; ++c) {
            const double x = rnd_.range(-10, w_ + 10);
            const double y = y0 + (x - w_ / 2.0) * slope;
            const double len = (dark ? 26 : 14) * s;
            QLinearGradient tg(x, y, x + (right ? -len : len), y + (right ? -len : len) * slope);
            tg.setColorAt(0, trail.toColor(dark ? 200 : 90));
            tg.setColorAt(1, trail.toColor(0));
            p.setBrush(tg);
            p.drawRect(QRectF(right ? x - len : x, y - 0.55 * s, len, 1.1 * s));
            const QRectF body(x - 3.2 * s, y - 1.2 * s, 6.4 * s, 2.4 * s);
            p.setBrush(PaintKit::litBrush(body, hull, 0.45, 0.55));
            p.drawEllipse(body);
            glows_.push_back({QPointF(right ? body.right() : body.left(), y), 1.2 * s, Rgb{1.0, 0.95, 0.8},
                              dark ? 0.9 : 0.4});
        }
    }
}

void CityViewPainter::plainCity() {
    const double hz = plan_.horizon;
    QPainter p(&image_);
    p.setRenderHints(PaintKit::hints());
    p.setPen(Qt::NoPen);
    ground(p);
    Rgb leaves = Rgb::hex(0x4a8a3a);
    // Far row, middle row, then a near row framing the view at one or both sides.
    const double nearFoot = h_ - rnd_.range(22, 30);
    const bool frameLeft = rnd_.chance(0.75), frameRight = !frameLeft || rnd_.chance(0.6);
    const auto framing = [&](std::initializer_list<CityBuilding> kinds, double minW, double maxW, double minH,
                             double maxH) {
        if (frameLeft) {
            row(p, kinds, 1, nearFoot, minW, maxW, minH, maxH, 0.0, -maxW * 0.35, maxW * 0.45);
        }
        if (frameRight) {
            row(p, kinds, 1, nearFoot, minW, maxW, minH, maxH, 0.0, w_ - maxW * 0.45, w_ + maxW * 0.35);
        }
    };
    switch (plan_.form) {
    case CityForm::Domes:
        row(p, {CityBuilding::Dome, CityBuilding::Block}, 11, hz + 2, 18, 34, 25, 60, 1.0, -20, w_ + 20);
        row(p, {CityBuilding::Dome}, 4, hz + 12, 50, 90, 55, 110, 0.45, -30, w_ + 30);
        traffic(p, 2, hz * 0.3, hz * 0.9);
        framing({CityBuilding::Dome}, 90, 130, 120, 170);
        break;
    case CityForm::Needles:
        row(p, {CityBuilding::Needle}, 16, hz + 2, 8, 16, 60, 130, 1.0, -10, w_ + 10);
        row(p, {CityBuilding::Needle}, 7, hz + 10, 14, 26, 110, hz + 5, 0.45, -20, w_ + 20);
        traffic(p, 4, hz * 0.2, hz * 0.9);
        framing({CityBuilding::Needle, CityBuilding::Block}, 40, 60, 190, 240);
        break;
    case CityForm::Terraces:
        row(p, {CityBuilding::Terrace}, 6, hz + 2, 40, 70, 25, 50, 1.0, -20, w_ + 20);
        row(p, {CityBuilding::Terrace}, 3, hz + 14, 110, 170, 60, 100, 0.35, -40, w_ + 40);
        traffic(p, 1, hz * 0.3, hz * 0.7);
        framing({CityBuilding::Terrace}, 150, 190, 110, 140);
        leaves = Rgb::hex(0x6a9a2a);
        break;
    case CityForm::Shells:
        row(p, {CityBuilding::Shell}, 12, hz + 2, 16, 30, 30, 70, 1.0, -20, w_ + 20);
        row(p, {CityBuilding::Shell}, 6, hz + 10, 36, 62, 60, 125, 0.4, -30, w_ + 30);
        traffic(p, 2, hz * 0.3, hz * 0.9);
        framing({CityBuilding::Shell}, 70, 100, 150, 200);
        leaves = shiftHue(plan_.stone, 150) * 0.8;
        break;
    case CityForm::Arcology:
    default:
        row(p, {CityBuilding::Block}, 14, hz + 2, 12, 26, 15, 45, 1.0, -10, w_ + 10);
        row(p, {CityBuilding::Arcology}, 1, hz + 6, 170, 240, hz - 10, hz, 0.35, rnd_.range(0, w_ * 0.4),
            w_ * rnd_.range(0.6, 1.0));
        traffic(p, 3, hz * 0.2, hz * 0.9);
        framing({CityBuilding::Block}, 50, 80, 90, 150);
        break;
    }
    promenade(p, leaves);
}

void CityViewPainter::harbour() {
    const double hz = plan_.horizon;
    {
        QPainter p(&image_);
        p.setRenderHints(PaintKit::hints());
        p.setPen(Qt::NoPen);
        // A headland behind the town.
        QPainterPath hills;
        hills.moveTo(0, hz);
        const double phase = rnd_.range(0, 50);
        for (int x = 0; x <= w_; x += 8) {
            hills.lineTo(
                x,
                hz - 8 - 40 * noise_.fbm(x / 90.0 + phase, 3.3, 3) * (0.4 + 0.6 * std::sin(x * M_PI / w_)));
        }
        hills.lineTo(w_, hz);
        hills.closeSubpath();
        p.setBrush(mix(plan_.stone * plan_.light * 0.4, plan_.haze, 0.7).toColor());
        p.drawPath(hills);
        row(p, {CityBuilding::Block, CityBuilding::Dome, CityBuilding::Needle}, 16, hz, 10, 22, 14, 55, 0.8,
            0, w_);
        row(p, {CityBuilding::Block, CityBuilding::Dome}, 9, hz + 1, 16, 30, 12, 34, 0.4, -10, w_ + 10);
        // The quay wall.
        p.setBrush((plan_.stone * plan_.light * 0.45).toColor());
        p.drawRect(QRectF(0, hz - 2, w_, 4));
    }
    reflectWater(hz + 2);
    QPainter p(&image_);
    p.setRenderHints(PaintKit::hints());
    p.setPen(Qt::NoPen);
    // The sun's road across the water.
    for (int i = 0; i < 70; ++i) {
        const double t = rnd_.real();
        const double y = hz + 3 + t * (h_ - hz - 3);
        const double x = plan_.sunAt.x() + rnd_.range(-1, 1) * (8 + 40 * t);
        p.setBrush(plan_.sunColour.toColor(static_cast<int>(40 + 100 * rnd_.real())));
        p.drawRect(QRectF(x, y, 3 + 10 * t, 0.6 + t));
    }
    traffic(p, 2, hz * 0.3, hz * 0.85);
    // Boats with their wakes, far ones small.
    const bool dark = darkHour(plan_.hour);
    for (int i = 0; i < 7; ++i) {
        const double t = std::pow(rnd_.real(), 1.3);
        const double y = hz + 6 + t * (h_ - hz - 20);
        const double s = 0.6 + 2.0 * t;
        const double x = rnd_.range(20, w_ - 20);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(QRectF(x - 14 * s, y - 0.6 * s, 14 * s, 1.6 * s));
        const QRectF hull(x - 5 * s, y - 2 * s, 10 * s, 2.4 * s);
        p.setBrush(CityArchitecture::faceBrush(hull, toneAt(0.6 - t * 0.6)));
        p.drawPolygon(QPolygonF{hull.topLeft(), hull.topRight() + QPointF(2 * s, 0), hull.bottomRight(),
                                hull.bottomLeft() + QPointF(1 * s, 0)});
        if (rnd_.chance(0.5)) {
            const Rgb sail = mix(Rgb{1, 0.98, 0.92}, plan_.accent, 0.3) * plan_.light * (dark ? 0.5 : 1.0);
            QLinearGradient sg(x - 3 * s, 0, x + 3 * s, 0);
            sg.setColorAt(0, sail.toColor());
            sg.setColorAt(1, (sail * 0.65).toColor());
            p.setBrush(sg);
            p.drawPolygon(QPolygonF{{x - 3.5 * s, y - 2.2 * s}, {x, y - 11 * s}, {x + 3.5 * s, y - 2.2 * s}});
        } else {
            p.setBrush(toneAt(0.5 - t * 0.5).lit.toColor());
            p.drawRect(QRectF(x - 2 * s, y - 4.2 * s, 4.5 * s, 2.4 * s));
        }
        if (dark) {
            glows_.push_back({QPointF(x + 4 * s, y - 2.5 * s), 1.5 * s, plan_.window, 0.8});
        }
    }
    // A pier in the front with lamps and people strolling.
    const bool left = rnd_.chance(0.5);
    const double pierTop = h_ - 26;
    const QRectF pier(left ? -5 : w_ * 0.55, pierTop, w_ * 0.5, 30);
    p.setBrush(CityArchitecture::faceBrush(pier, toneAt(0)));
    p.drawRect(pier);
    p.setBrush((plan_.stone * plan_.light * 0.3).toColor());
    p.drawRect(QRectF(pier.left(), pierTop + 4, pier.width(), 22));
    for (double x = pier.left() + 10; x < pier.right() - 4; x += rnd_.range(24, 40)) {
        p.setBrush((plan_.stone * plan_.light * 0.4).toColor());
        p.drawRect(QRectF(x - 0.6, pierTop - 18, 1.2, 18));
        p.setBrush(plan_.window.toColor(plan_.lit > 0.25 ? 255 : 120));
        p.drawEllipse(QPointF(x, pierTop - 18.5), 1.8, 1.3);
        if (plan_.lit > 0.25) {
            glows_.push_back({QPointF(x, pierTop - 18.5), 7, plan_.window, 0.5});
        }
    }
    for (int i = 0; i < 8 + rnd_.below(8); ++i) {
        figure(p, rnd_.range(pier.left() + 4, pier.right() - 4), pierTop + rnd_.range(0.5, 3), 1.6);
    }
    // The lighthouse at the harbour mouth.
    const double lx = left ? w_ * rnd_.range(0.75, 0.92) : w_ * rnd_.range(0.08, 0.25);
    const QRectF tower(lx - 4, hz - 42, 8, 44);
    p.setBrush(CityArchitecture::faceBrush(tower, toneAt(0.3)));
    p.drawPolygon(QPolygonF{{tower.left(), tower.bottom()},
                            {tower.left() + 1.5, tower.top()},
                            {tower.right() - 1.5, tower.top()},
                            {tower.right(), tower.bottom()}});
    p.setBrush(plan_.accent.toColor(200));
    for (double y = tower.top() + 8; y < tower.bottom() - 4; y += 10) {
        p.drawRect(QRectF(tower.left() + 0.5, y, tower.width() - 1, 3));
    }
    glows_.push_back(
        {QPointF(lx, tower.top() - 2), 4, Rgb{1.0, 0.95, 0.7}, darkHour(plan_.hour) ? 1.4 : 0.6});
}

void CityViewPainter::reflectWater(double from) {
    const QImage above = image_.copy();
    const Rgb deep = mix(plan_.skyTop, Rgb::hex(0x0a2a3a), 0.5);
    const int top = static_cast<int>(from);
    for (int y = top; y < h_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const double t = (y - from) / (h_ - from);
        for (int x = 0; x < w_; ++x) {
            // Ripples grow towards the viewer and break the mirror image into streaks.
            const double ripple = (noise_.fbm(x / 30.0, y / (1.5 + 3 * t), 3) - 0.5) * (3 + 18 * t);
            const int sx = std::clamp(static_cast<int>(x + ripple), 0, w_ - 1);
            const int sy = std::clamp(static_cast<int>(2 * from - y + ripple * 0.3), 0, top - 1);
            const Rgb mirrored = Rgb::from(above.pixel(sx, sy));
            line[x] = mix(mirrored * 0.8, deep, 0.25 + 0.45 * t).toRgb();
        }
    }
}

void CityViewPainter::canyon() {
    const double hz = plan_.horizon;
    QPainter p(&image_);
    p.setRenderHints(PaintKit::hints());
    p.setPen(Qt::NoPen);
    const Rgb rock = plan_.stone * plan_.light;
    const QPointF vanish(w_ * rnd_.range(0.42, 0.58), hz);
    // Mesas at the far end, flat-topped and pale with distance.
    for (int i = 0; i < 4; ++i) {
        const double x = vanish.x() + rnd_.range(-120, 120), half = rnd_.range(20, 60),
                     top = hz - rnd_.range(12, 45);
        p.setBrush(mix(rock * 0.8, plan_.haze, 0.75 - i * 0.05).toColor());
        p.drawPolygon(
            QPolygonF{{x - half - 10, hz + 1}, {x - half, top}, {x + half, top}, {x + half + 10, hz + 1}});
    }
    row(p, {CityBuilding::Needle, CityBuilding::Terrace}, 5, hz + 2, 8, 20, 20, 50, 1.0, vanish.x() - 70,
        vanish.x() + 70);
    // The canyon floor: a river of light or a road.
    p.setBrush(mix(rock * 0.45, plan_.haze, 0.4).toColor());
    p.drawRect(QRectF(0, hz, w_, h_ - hz));
    const bool river = rnd_.chance(0.5);
    p.setBrush((river ? mix(plan_.skyLow, plan_.skyTop, 0.3) : rock * 0.3).toColor(220));
    p.drawPolygon(QPolygonF{vanish + QPointF(-3, 0),
                            vanish + QPointF(3, 0),
                            {w_ * 0.7, static_cast<double>(h_)},
                            {w_ * 0.3, static_cast<double>(h_)}});
    traffic(p, 2, hz * 0.45, hz * 0.95);

    // The walls, carved into homes. Each runs from the picture's edge towards the far end;
    // the right wall faces the light, the left stands in its own shadow.
    struct Wall {
        double nearX, farX, nearTop, farTop;
    };
    Wall walls[2];
    for (int side : {0, 1}) {
        walls[side] = {side ? w_ + 5.0 : -5.0, vanish.x() + (side ? 1 : -1) * rnd_.range(30, 55),
                       rnd_.range(-30, 10), hz - rnd_.range(40, 70)};
    }
    const auto at = [&](int side, double t, double f) {
        const Wall& wall = walls[side];
        const double x = wall.nearX + (wall.farX - wall.nearX) * t;
        const double top = wall.nearTop + (wall.farTop - wall.nearTop) * t;
        const double bottom = h_ + (hz + 3 - h_) * t;
        return QPointF(x, top + (bottom - top) * f);
    };
    // Bridges far in the canyon, behind the near walls, with walkers.
    for (int b = 0; b < 2; ++b) {
        const double t = rnd_.range(0.45, 0.8), f = rnd_.range(0.25, 0.65);
        const QPointF a = at(0, t, f), z = at(1, t, f);
        const double thick = 5 * (1 - t), sag = (z.x() - a.x()) * 0.08;
        const QRectF deck(a.x(), a.y(), z.x() - a.x(), thick);
        p.setBrush(CityArchitecture::faceBrush(deck, toneAt(t)));
        QPainterPath span;
        span.moveTo(a);
        span.quadTo((a.x() + z.x()) / 2, a.y() + sag, z.x(), z.y());
        span.lineTo(z.x(), z.y() + thick);
        span.quadTo((a.x() + z.x()) / 2, a.y() + sag + thick * 3, a.x(), a.y() + thick);
        span.closeSubpath();
        p.drawPath(span);
        for (int k = 0; k < 5; ++k) {
            const double u = rnd_.range(0.15, 0.85);
            figure(p, a.x() + (z.x() - a.x()) * u, a.y() + sag * 2 * u * (1 - u) * 2 - 0.2, 1.4 * (1 - t));
        }
        if (plan_.lit > 0.25) {
            for (double u = 0.2; u < 0.9; u += 0.3) {
                glows_.push_back({QPointF(a.x() + (z.x() - a.x()) * u, a.y() + sag * 4 * u * (1 - u) - 1),
                                  2.5 * (1 - t), plan_.window, 0.5});
            }
        }
    }
    // The walls, carved into homes. Each runs from the picture's edge towards the far end;
    // the right wall faces the light, the left stands in its own shadow.
    for (int side : {0, 1}) {
        QPolygonF wall;
        for (double t = 0; t <= 1.001; t += 0.05) {
            const double crag = (noise_.fbm(t * 6 + side * 10, 1.5, 3) - 0.5) * 30 * (1 - t);
            wall << at(side, t, 0) + QPointF(0, crag);
        }
        wall << at(side, 1, 1) << at(side, 0, 1);
        const Rgb face = rock * (side ? 0.95 : 0.42);
        QLinearGradient g(QPointF(walls[side].nearX, 0), QPointF(walls[side].farX, 0));
        g.setColorAt(0, face.toColor());
        g.setColorAt(1, mix(face, plan_.haze, 0.5).toColor());
        p.setBrush(g);
        p.drawPolygon(wall);
        // Strata, converging with the wall.
        for (double f = 0.08; f < 1.0; f += rnd_.range(0.06, 0.14)) {
            p.setBrush((face * rnd_.range(0.7, 1.15)).toColor(90));
            p.drawPolygon(
                QPolygonF{at(side, 0, f), at(side, 1, f), at(side, 1, f + 0.02), at(side, 0, f + 0.025)});
        }
        // Carved dwellings: arched openings in rows, balconies and hanging gardens.
        double t = 0.0;
        for (int col = 0; col < 16 && t < 0.9; ++col) {
            const double next = 1.0 - std::pow(0.84, col + 1);
            const double t0 = t + (next - t) * 0.3, t1 = t + (next - t) * 0.7;
            for (double f = 0.2; f < 0.92; f += 0.06) {
                if (!rnd_.chance(0.5)) {
                    continue;
                }
                const bool on = rnd_.chance(plan_.lit);
                const Rgb c = on ? mix(plan_.window, plan_.haze, t * 0.4) : face * 0.35;
                p.setBrush(c.toColor(on ? 230 : 200));
                const QPointF a = at(side, t0, f), b = at(side, t1, f + 0.035);
                QPainterPath arch;
                const QRectF r(QPointF(std::min(a.x(), b.x()), a.y()),
                               QPointF(std::max(a.x(), b.x()), b.y()));
                const double round = std::min(r.width(), r.height()) / 2;
                arch.addRoundedRect(r, round, round);
                p.drawPath(arch);
                if (rnd_.chance(0.3)) {
                    p.setBrush(mix(face * 1.3, plan_.haze, t * 0.5).toColor());
                    p.drawPolygon(QPolygonF{at(side, t0 - 0.01, f + 0.04), at(side, t1 + 0.01, f + 0.04),
                                            at(side, t1 + 0.01, f + 0.048), at(side, t0 - 0.01, f + 0.048)});
                }
                if (rnd_.chance(0.15)) {
                    const QPointF g0 = at(side, (t0 + t1) / 2, f + 0.045);
                    const double r2 = 3.5 * (1 - t);
                    const QRectF leaf(g0.x() - r2, g0.y() - r2 * 0.3, r2 * 2, r2 * 2.4);
                    p.setBrush(PaintKit::litBrush(leaf, Rgb::hex(0x4a7a34) * plan_.light, 0.3, 0.5));
                    p.drawEllipse(leaf);
                }
            }
            t = next;
        }
    }
}

void CityViewPainter::skyborne() {
    const double hz = plan_.horizon;
    // A sea of cloud below the city, its tops lit by the sun.
    const Rgb cloudLit =
        mix(plan_.sunColour, plan_.skyLow, 0.3) * (plan_.hour == CityHour::Night ? 0.45 : 1.0);
    const Rgb cloudShade = mix(plan_.skyTop, plan_.haze, 0.5) * 0.75;
    for (int y = static_cast<int>(hz - 20); y < h_; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const double t = (y - hz + 20) / (h_ - hz + 20);
        for (int x = 0; x < w_; ++x) {
            const double c = noise_.fbm(x / (60.0 - 25 * t), y / (10.0 + 14 * t) + 40, 4);
            const double edge = smoothstep(0.0, 0.5, t + (c - 0.5) * 0.7);
            const double light = clamp01(
                0.45 + (c - noise_.fbm((x - 3) / (60.0 - 25 * t), (y - 3) / (10.0 + 14 * t) + 40, 4)) * 8);
            const Rgb cc = mix(cloudShade, cloudLit, light * (1 - t * 0.4));
            line[x] = mix(Rgb::from(line[x]), cc, edge).toRgb();
        }
    }
    QPainter p(&image_);
    p.setRenderHints(PaintKit::hints());
    p.setPen(Qt::NoPen);
    // Floating islands, far ones small and pale; each carries a little town.
    struct Isle {
        double x, y, w, depth;
    };
    std::vector<Isle> isles;
    for (int i = 0; i < 4; ++i) {
        isles.push_back({rnd_.range(0, w_), rnd_.range(hz * 0.4, hz * 0.9), rnd_.range(30, 60), 1.0});
    }
    for (int i = 0; i < 3; ++i) {
        isles.push_back({w_ * (0.15 + 0.35 * i) + rnd_.range(-30, 30), rnd_.range(hz * 0.55, hz * 1.05),
                         rnd_.range(80, 130), 0.35});
    }
    for (const Isle& isle : isles) {
        const double s = 1.0 - isle.depth * 0.5;
        // The rock beneath, hanging like a root.
        const double depthRock = isle.w * rnd_.range(0.5, 0.9);
        QPainterPath under;
        under.moveTo(isle.x - isle.w / 2, isle.y);
        under.cubicTo(isle.x - isle.w * 0.35, isle.y + depthRock * 0.5, isle.x - isle.w * 0.1,
                      isle.y + depthRock * 0.8, isle.x + isle.w * 0.05, isle.y + depthRock);
        under.cubicTo(isle.x + isle.w * 0.2, isle.y + depthRock * 0.6, isle.x + isle.w * 0.4,
                      isle.y + depthRock * 0.3, isle.x + isle.w / 2, isle.y);
        under.closeSubpath();
        const Rgb rock = Rgb::hex(0x7a6a5a) * plan_.light;
        QLinearGradient rg(isle.x - isle.w / 2, 0, isle.x + isle.w / 2, 0);
        rg.setColorAt(0, mix(rock, plan_.haze, isle.depth * plan_.hazeDepth).toColor());
        rg.setColorAt(1, mix(rock * 0.4, plan_.haze, isle.depth * plan_.hazeDepth).toColor());
        p.setBrush(rg);
        p.drawPath(under);
        // The lifting engines glow underneath.
        glows_.push_back({QPointF(isle.x + isle.w * 0.05, isle.y + depthRock), 4 * s, plan_.accent, 0.8});
        const double townW = isle.w * 0.8;
        row(p, {CityBuilding::Dome, CityBuilding::Needle, CityBuilding::Shell},
            std::max(2, static_cast<int>(townW / 22)), isle.y + 1, 10 * s + 4, 22 * s + 4, 14 * s + 6,
            45 * s + 10, isle.depth, isle.x - townW / 2, isle.x + townW / 2);
        const QRectF top(isle.x - isle.w / 2, isle.y - 3 * s, isle.w, 6 * s);
        p.setBrush(PaintKit::litBrush(
            top, mix(Rgb::hex(0x6a9a4a) * plan_.light, plan_.haze, isle.depth * plan_.hazeDepth), 0.3, 0.5));
        p.drawEllipse(top);
    }
    traffic(p, 4, hz * 0.2, hz * 1.0);
    // The terrace in front, where the captain stands, with a railing and strollers.
    const double deck = h_ - rnd_.range(16, 24);
    const QRectF terrace(-10, deck, w_ + 20, h_ - deck + 5);
    p.setBrush(CityArchitecture::faceBrush(terrace, toneAt(0)));
    p.drawRect(terrace);
    p.setBrush((plan_.stone * plan_.light * 0.35).toColor());
    p.drawRect(QRectF(-10, deck, w_ + 20, 2.5));
    for (double x = 4; x < w_; x += 9) {
        p.drawRect(QRectF(x, deck - 7, 1.6, 7));
    }
    p.setBrush(toneAt(0).lit.toColor());
    p.drawRect(QRectF(-10, deck - 8, w_ + 20, 1.8));
    for (int i = 0; i < 10 + rnd_.below(10); ++i) {
        figure(p, rnd_.range(0, w_), deck + rnd_.range(4, h_ - deck - 1), 1.8);
    }
}

void CityViewPainter::applyGlows() {
    for (const CityGlow& g : glows_) {
        PaintKit::glow(image_, g.at.x(), g.at.y(), g.radius, g.colour, g.strength);
    }
}

void CityViewPainter::weather() {
    const double hz = plan_.horizon;
    switch (plan_.weather) {
    case CityWeather::Clear:
        return;
    case CityWeather::Haze:
    case CityWeather::Dust: {
        const bool dust = plan_.weather == CityWeather::Dust;
        for (int y = 0; y < h_; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            const double band = std::exp(-std::pow((y - hz) / 45.0, 2.0));
            for (int x = 0; x < w_; ++x) {
                double k = 0.1 + 0.4 * band;
                if (dust) {
                    // Drifts of dust blowing across in long streaks.
                    k = 0.15 +
                        0.45 * smoothstep(0.35, 0.75, noise_.fbm(x / 140.0 + y / 60.0, y / 11.0 + 7, 4));
                }
                line[x] = mix(Rgb::from(line[x]), plan_.haze, k).toRgb();
            }
        }
        return;
    }
    case CityWeather::Rain: {
        QPainter p(&image_);
        p.setRenderHints(PaintKit::hints());
        const double slant = rnd_.range(0.12, 0.3);
        for (int i = 0; i < 420; ++i) {
            const double x = rnd_.range(-20, w_), y = rnd_.range(-10, h_);
            const double len = rnd_.range(6, 16);
            p.setPen(QPen(QColor(210, 220, 235, 40 + rnd_.below(60)), rnd_.range(0.5, 1.0)));
            p.drawLine(QPointF(x, y), QPointF(x + len * slant, y + len));
        }
        return;
    }
    case CityWeather::Snow: {
        for (int i = 0; i < 380; ++i) {
            const double near = std::pow(rnd_.real(), 3.0);
            PaintKit::glow(image_, rnd_.range(0, w_), rnd_.range(0, h_), 0.6 + 1.6 * near,
                           Rgb{0.95, 0.97, 1.0}, 0.5 + 0.4 * rnd_.real());
        }
        // Snow lying on the ground in front.
        for (int y = static_cast<int>(hz); y < h_; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = 0; x < w_; ++x) {
                const double k = 0.25 * smoothstep(0.4, 0.7, noise_.fbm(x / 25.0, y / 6.0 + 20, 3));
                line[x] = mix(Rgb::from(line[x]),
                              Rgb{0.92, 0.94, 1.0} * (plan_.light * 0.4 + Rgb{0.6, 0.6, 0.6}), k)
                              .toRgb();
            }
        }
        return;
    }
    }
}

} // namespace veltrane::assetgen
