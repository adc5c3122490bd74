#pragma once

#include "ImageFiles.h"
#include "PaintKit.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace veltrane::assetgen {

// A transparent canvas painted at several times the target size and shrunk smoothly, so small
// sprites get soft, even edges. Coordinates are in target pixels.
class SpriteCanvas {
  public:
    SpriteCanvas(int width, int height, int oversample = 4);

    QPainter& painter() { return *painter_; }
    // Ends painting and returns the sprite at its target size, still transparent.
    QImage finish();
    // Ends painting and flattens the sprite onto the game's fuchsia key colour.
    QImage finishOnKey(QRgb matte = qRgb(40, 36, 34));

  private:
    int width_;
    int height_;
    QImage big_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace veltrane::assetgen
