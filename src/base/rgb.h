#pragma once
// A colour as its three components, 0-255 each.

namespace cw {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace cw
