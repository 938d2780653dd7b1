#pragma once
// A colour as its three components, 0-255 each.
#include <cstdint>

namespace cw {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour as the database stores it: 0x00BBGGRR.
inline Rgb RgbOf(std::uint32_t colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
          static_cast<int>((colour >> 16) & 0xFF)};
}

}  // namespace cw
