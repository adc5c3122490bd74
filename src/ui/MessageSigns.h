#pragma once

// The message boxes' signs (a question, a warning, a notice) painted in the
// frame's metal and cyan rather than the desktop's bitmaps, at the size they
// are drawn: over a play area scaled three times they are as sharp as its text.

#include <QPixmap>

namespace veltrane {

enum class TMessageSign { Question, Warning, Information };

// A sign `size` pixels square as laid out, painted at `scale` times that many
// device pixels (its device pixel ratio), so a view drawing it `scale` times
// larger shows every pixel it painted.
QPixmap PaintMessageSign(TMessageSign sign, int size, double scale);

} // namespace veltrane
