#include "SpriteCanvas.h"

namespace veltrane::assetgen {

SpriteCanvas::SpriteCanvas(int width, int height, int oversample)
    : width_(width), height_(height), big_(PaintKit::transparent(width * oversample, height * oversample)),
      painter_(std::make_unique<QPainter>(&big_)) {
    painter_->setRenderHints(PaintKit::hints());
    painter_->scale(oversample, oversample);
    painter_->setPen(Qt::NoPen);
}

QImage SpriteCanvas::finish() {
    painter_.reset();
    return big_.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage SpriteCanvas::finishOnKey(QRgb matte) {
    return ImageFiles::onKeyColour(finish(), matte);
}

} // namespace veltrane::assetgen
