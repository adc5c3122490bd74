#pragma once

#include "ArtefactLore.h"
#include "AssetRandom.h"
#include "Rgb.h"
#include "SpriteCanvas.h"

#include <QPainterPath>

namespace veltrane::assetgen {

struct RelicMaterial {
    Rgb base;
    double shine;
};

// One relic on its 40 × 41 canvas: the subject its name calls for, in the material it names.
// The classic subjects live in RelicPainting.cpp, the everyday objects in RelicObjects.cpp.
class RelicPainting {
  public:
    RelicPainting(int n, const QString& name, const ArtefactLore::Motif& motif, const RelicMaterial& material,
                  const RelicMaterial& accent);
    QImage paint();

  private:
    QBrush lit(const QRectF& box, const RelicMaterial& m) const;
    QBrush lit(const QRectF& box) const { return lit(box, mat_); }
    QBrush lit(const QPainterPath& path) const { return lit(path.boundingRect()); }
    void sparkle(double x, double y, double r);
    // A line cut into the surface: dark, with a lit lower-right lip.
    void groove(const QPainterPath& path, double width);
    void stroke(const QPainterPath& path, const QBrush& brush, double width);
    // A straight stroke from `from` to `to`, for groove() and stroke().
    static QPainterPath segment(QPointF from, QPointF to);
    void glow(QPointF at, double r, const Rgb& colour, int alpha = 200);
    bool is(const char* word) const { return word_ == QLatin1String(word); }
    // A word anywhere in the name, for details ("Platinum Gear Crown" is a crown of gears).
    bool named(const char* word) const { return !ArtefactLore::firstWordOf(name_, {word}).isEmpty(); }

    // RelicPainting.cpp
    void gem();
    void idol();
    void figure(double cx, double scale);
    void mask();
    void tablet();
    void orb();
    void device();
    void skull();
    void crown();
    void key();
    void shard();
    void eye();

    // RelicObjects.cpp
    void vessel();
    void lantern();
    void feather();
    void ring();
    void horn();
    void scroll();
    void rod();
    void bell();
    void hourglass();
    void mirror();
    void creature();
    void plant();

    int n_;
    QString name_;
    ArtefactLore::Subject subject_;
    QString word_;
    int variant_;
    AssetRandom rnd_;
    SpriteCanvas canvas_;
    QPainter& p_;
    RelicMaterial mat_;
    RelicMaterial accent_;
};

} // namespace veltrane::assetgen
