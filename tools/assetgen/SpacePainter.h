#pragma once

#include <QImage>

#include <utility>

namespace veltrane::assetgen {

// Deep-space pictures: the sector nebulae, the hyperspace tunnel, tiling backgrounds, the sun.
class SpacePainter {
  public:
    static constexpr int kMapWidth = 817;
    static constexpr int kMapHeight = 450;
    // Sector 1–4 (A–D): the plain map and the same nebula brighter inside a light frame.
    static std::pair<QImage, QImage> nebula(int sector);

    static constexpr int kTunnelWidth = 400;
    static constexpr int kTunnelHeight = 200;
    static constexpr int kTunnelFrames = 4;
    // Frame 1–4; frame 4 is followed smoothly by frame 1.
    static QImage tunnel(int frame);

    static constexpr int kTile = 128;
    // A dark space texture that repeats seamlessly in both directions.
    static QImage tile(int n);

    static QImage sun();

    // The calm backdrop of the system view (817 × 450): planets and the sun stand on it.
    static QImage systemBackdrop();

    static constexpr int kFrame = 20;
};

} // namespace veltrane::assetgen
