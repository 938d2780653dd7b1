#pragma once
// A plain colour in Qt's terms.
#include <QColor>

#include "base/rgb.h"

namespace cw {

inline QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// A colour as the database stores it (0x00BBGGRR).
inline QColor StoredColour(std::uint32_t colour) { return ToQColor(RgbOf(colour)); }

}  // namespace cw
