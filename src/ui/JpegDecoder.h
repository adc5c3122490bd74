#pragma once

// JPEG pictures decoded through libjpeg. The library's own error handling
// ends the process; ours turns every decoding failure, truncated data
// included, into an Error the caller can show.

#include "core/Result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace veltrane {

// The picture as opaque 32-bit RGB, or why it could not be read. With
// `atLeast` the decoder may shrink the picture by 2, 4 or 8 while it decodes,
// as far as it stays at least that large: a thumbnail then costs a fraction
// of the whole picture.
Result<QImage> DecodeJpeg(const QByteArray& bytes, QSize atLeast = {});

} // namespace veltrane
