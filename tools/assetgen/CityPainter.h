#pragma once

#include <QImage>

namespace veltrane::assetgen {

// Cities: the wide street views inside a capital, and the silhouettes standing on a surface.
class CityPainter {
  public:
    static constexpr int kViewWidth = 400;
    static constexpr int kViewHeight = 225;
    static QImage inside(int n); // 1–29

    static constexpr int kSilhouetteWidth = 100;
    static constexpr int kSilhouetteHeight = 70;
    static QImage silhouette(int n); // 1–10, on the key colour
};

} // namespace veltrane::assetgen
