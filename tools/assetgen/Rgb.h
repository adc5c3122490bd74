#pragma once

#include <QColor>
#include <QRgb>

#include <algorithm>
#include <cmath>

namespace veltrane::assetgen {

// A colour in linear-ish 0…1 floats, for per-pixel painting where QColor would be slow.
struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;

    static Rgb hex(unsigned v) {
        return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
    }
    static Rgb from(QRgb v) { return {qRed(v) / 255.0, qGreen(v) / 255.0, qBlue(v) / 255.0}; }

    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator-(const Rgb& o) const { return {r - o.r, g - o.g, b - o.b}; }
    Rgb operator*(double k) const { return {r * k, g * k, b * k}; }
    Rgb operator*(const Rgb& o) const { return {r * o.r, g * o.g, b * o.b}; }

    QRgb toRgb() const {
        const auto c = [](double v) {
            return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
        };
        return qRgb(c(r), c(g), c(b));
    }
    QColor toColor(int alpha = 255) const {
        const QRgb v = toRgb();
        return QColor(qRed(v), qGreen(v), qBlue(v), alpha);
    }
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

inline Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return a + (b - a) * t;
}

inline double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double e0, double e1, double x) {
    const double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

// Hue rotation keeping the lightness roughly where it was; used to vary a palette.
inline Rgb shiftHue(const Rgb& c, double degrees) {
    QColor q = c.toColor();
    float h, s, l, a;
    q.getHslF(&h, &s, &l, &a);
    if (h < 0) {
        return c;
    }
    h = static_cast<float>(std::fmod(h * 360.0 + degrees + 720.0, 360.0) / 360.0);
    q.setHslF(h, s, l, a);
    return Rgb::from(q.rgb());
}

} // namespace veltrane::assetgen
