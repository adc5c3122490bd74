#include "PaintKit.h"

#include <QRadialGradient>

#include <cmath>

namespace veltrane::assetgen {

QImage PaintKit::transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage PaintKit::opaque(int w, int h, const Rgb& fill) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill.toRgb());
    return image;
}

void PaintKit::space(QImage& image, AssetRandom& rnd, double starDensity, const Rgb& tint) {
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double t = static_cast<double>(y) / std::max(1, h - 1);
        const Rgb c = mix(tint * 1.25, tint * 0.65, t);
        for (int x = 0; x < w; ++x) {
            line[x] = c.toRgb();
        }
    }
    const int stars = static_cast<int>(w * h * starDensity);
    for (int i = 0; i < stars; ++i) {
        const double x = rnd.range(0, w);
        const double y = rnd.range(0, h);
        const double b = std::pow(rnd.real(), 3.0);
        const double hue = rnd.real();
        const Rgb colour =
            hue < 0.2 ? Rgb{1.0, 0.85, 0.7} : (hue < 0.5 ? Rgb{0.75, 0.85, 1.0} : Rgb{1, 1, 1});
        star(image, x, y, 0.25 + 0.75 * b, colour);
    }
}

void PaintKit::star(QImage& image, double x, double y, double brightness, const Rgb& colour) {
    const double radius = 0.7 + 2.2 * brightness * brightness;
    glow(image, x, y, radius, colour, brightness);
    if (brightness > 0.85) {
        // Faint diffraction cross on the brightest ones only.
        const int reach = static_cast<int>(3 + 5 * brightness);
        for (int d = -reach; d <= reach; ++d) {
            const double k = 0.35 * brightness * (1.0 - std::abs(d) / static_cast<double>(reach + 1));
            glow(image, x + d, y, 0.7, colour, k);
            glow(image, x, y + d, 0.7, colour, k);
        }
    }
}

void PaintKit::glow(QImage& image, double cx, double cy, double radius, const Rgb& colour, double strength) {
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - radius * 2)));
    const int x1 = std::min(image.width() - 1, static_cast<int>(std::ceil(cx + radius * 2)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - radius * 2)));
    const int y1 = std::min(image.height() - 1, static_cast<int>(std::ceil(cy + radius * 2)));
    const bool alpha = image.hasAlphaChannel();
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / radius;
            const double dy = (y + 0.5 - cy) / radius;
            const double k = strength * std::exp(-(dx * dx + dy * dy) * 1.6);
            if (k < 0.002) {
                continue;
            }
            const QRgb old = line[x];
            const Rgb c = Rgb::from(old) + colour * k;
            if (alpha) {
                const int a = std::max(qAlpha(old), static_cast<int>(std::min(1.0, k) * 255));
                const QRgb v = c.toRgb();
                // Premultiplied storage: keep colour channels within alpha.
                line[x] = qRgba(std::min(qRed(v), a), std::min(qGreen(v), a), std::min(qBlue(v), a), a);
            } else {
                line[x] = c.toRgb();
            }
        }
    }
}

void PaintKit::grain(QImage& image, AssetRandom& rnd, double amount) {
    const bool alpha = image.hasAlphaChannel();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double n = (rnd.real() - 0.5) * amount;
            const QRgb old = line[x];
            if (alpha && qAlpha(old) == 0) {
                continue;
            }
            const Rgb c = Rgb::from(old) + Rgb{n, n, n};
            const QRgb v = c.toRgb();
            if (alpha) {
                const int a = qAlpha(old);
                line[x] = qRgba(std::min(qRed(v), a), std::min(qGreen(v), a), std::min(qBlue(v), a), a);
            } else {
                line[x] = v;
            }
        }
    }
}

double PaintKit::sphereLight(double nx, double ny, double nz, double ambient) {
    const double d = nx * kLightX + ny * kLightY + nz * kLightZ;
    return ambient + (1.0 - ambient) * std::max(0.0, d);
}

QBrush PaintKit::litBrush(const QRectF& box, const Rgb& base, double highlight, double shade) {
    const QPointF focus(box.left() + box.width() * 0.32, box.top() + box.height() * 0.28);
    QRadialGradient g(focus, std::max(box.width(), box.height()) * 0.85, focus);
    g.setColorAt(0.0, mix(base, Rgb{1, 1, 1}, highlight).toColor());
    g.setColorAt(0.45, base.toColor());
    g.setColorAt(1.0, (base * (1.0 - shade)).toColor());
    return QBrush(g);
}

} // namespace veltrane::assetgen
