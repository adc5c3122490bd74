#pragma once

#include "core/Random.h"

#include <QFrame>
#include <QImage>

#include <cstdint>
#include <vector>

namespace veltrane {

// One star of the flight picture; positions in 1/128 pixel around the centre.
struct TStar {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Z = 1; // depth, 1 or more
    std::int32_t ScreenX = -1;
    std::int32_t ScreenY = -1;
    std::int32_t Shift = 0;
    std::int32_t Size = 1; // 1 or 2 pixels
    QRgb Color = 0;
};

// Stars rushing towards the viewer: each frame erases every star, moves it
// three depths nearer and draws it again; a star that passes the viewer
// starts over far away.
class TStarfield {
  public:
    // A new field for a picture of `width` × `height`; the canvas has a margin
    // so stars near the edge can be drawn whole.
    void Init(int width, int height, TRandom& rng);
    void Step(TRandom& rng);

    const QImage& Canvas() const { return canvas_; }
    const std::vector<TStar>& Stars() const { return stars_; }

  private:
    void Place(TStar& star, TRandom& rng) const;
    void Fill(int x, int y, int size, QRgb colour);

    QImage canvas_;
    std::vector<TStar> stars_;
    int cx_ = 0;
    int cy_ = 0;
};

// The star-flight page (pnlStarFlight with imgStarFlight).
class StarFlightView : public QFrame {
    Q_OBJECT
  public:
    explicit StarFlightView(QWidget* parent = nullptr);

    QWidget* picture() const { return picture_; }
    TStarfield& starfield() { return field_; }

    void InitStarfield(TRandom& rng);
    void StepStarfield(TRandom& rng);

  private:
    QWidget* picture_;
    TStarfield field_;
};

} // namespace veltrane
