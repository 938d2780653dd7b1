#include "core/amounts.h"

#include <algorithm>
#include <cmath>

namespace cw {

bool IsWholeCents(double amount) {
  const double cents = amount * 100;
  // Binary error of a two-place decimal up to kMaxAmount stays far below both
  // bounds; a tenth of a cent stays far above them.
  return std::fabs(cents - std::round(cents)) <= std::max(1e-6, std::fabs(cents) * 4e-15);
}

}  // namespace cw
