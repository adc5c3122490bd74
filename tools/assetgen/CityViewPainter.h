#pragma once

#include "AssetRandom.h"
#include "CityArchitecture.h"
#include "CityViewPlan.h"
#include "Noise.h"

#include <QImage>
#include <QPainter>

#include <initializer_list>
#include <vector>

namespace veltrane::assetgen {

// The wide view of one capital from its own streets, painted after its plan: the sky of its
// hour, its builders' forms in rows fading into the distance, the life in front and the weather
// over all of it.
class CityViewPainter {
  public:
    CityViewPainter(int n, int width, int height);
    QImage paint();

  private:
    CityTone toneAt(double depth) const;
    void sky();
    void heavens();
    void row(QPainter& p, std::initializer_list<CityBuilding> kinds, int count, double ground, double minW,
             double maxW, double minH, double maxH, double depth, double x0, double x1);
    void ground(QPainter& p);
    void promenade(QPainter& p, Rgb leaves);
    void traffic(QPainter& p, int lanes, double top, double bottom);
    void figure(QPainter& p, double x, double feet, double s);
    void tree(QPainter& p, double x, double ground, double s, const Rgb& leaves);

    void plainCity();
    void harbour();
    void canyon();
    void skyborne();
    void reflectWater(double from);
    void weather();
    void applyGlows();

    int w_;
    int h_;
    CityViewPlan plan_;
    AssetRandom rnd_;
    Noise noise_;
    QImage image_;
    std::vector<CityGlow> glows_;
};

} // namespace veltrane::assetgen
