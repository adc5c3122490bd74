#pragma once

// JPEG pictures decoded through libjpeg. The library's own error handling
// ends the process; ours turns every decoding failure, truncated data
// included, into an Error the caller can show.

#include "core/Result.h"

#include <QByteArray>
#include <QImage>

namespace veltrane {

// The picture as opaque 32-bit RGB, or why it could not be read.
Result<QImage> DecodeJpeg(const QByteArray& bytes);

} // namespace veltrane
