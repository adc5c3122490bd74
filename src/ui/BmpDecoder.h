#pragma once

// The game's own bitmaps are plain uncompressed Windows bitmaps. Reading them
// here spares the first picture of a session Qt's search through every
// image-format plug-in, which costs more than all the bitmaps of the first
// frame together.

#include <QByteArray>
#include <QImage>

#include <optional>

namespace veltrane {

// A 24- or 32-bit uncompressed bitmap (bottom-up or top-down) as opaque
// 32-bit RGB. nullopt for any other kind of bitmap and for damaged data, so
// the caller can hand it on to Qt, which knows more kinds and words errors.
std::optional<QImage> DecodePlainBmp(const QByteArray& bytes);

} // namespace veltrane
