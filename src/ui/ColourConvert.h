#pragma once

#include "core/World.h"

#include <QColor>

namespace veltrane {

// The game keeps colours as 0x00BBGGRR; Qt wants red, green, blue.
inline QColor ToQColor(TColor c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline TColor ToTColor(const QColor& c) {
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

} // namespace veltrane
