#include "reports/statistics/statistics_rows.h"

#include <cmath>

#include "base/gbk_text.h"

namespace cw {

void SetRowClass(GridRow& row, StatRowClass row_class) {
  row.user_value = static_cast<int>(row_class);
  switch (row_class) {
    case StatRowClass::kTotal:
    case StatRowClass::kSummary: row.background = kTotalRowBackground; break;
    case StatRowClass::kDeficit: row.background = kDeficitRowBackground; break;
    case StatRowClass::kHeading: row.background = kHeadingRowBackground; break;
    case StatRowClass::kPlain: row.background.reset(); break;
  }
}

StatRowClass RowClassOf(const GridRow& row) { return static_cast<StatRowClass>(row.user_value); }

std::string RowClassName(StatRowClass row_class) {
  switch (row_class) {
    case StatRowClass::kTotal: return "total";
    case StatRowClass::kDeficit: return "deficit";
    case StatRowClass::kHeading: return "heading";
    case StatRowClass::kSummary: return "summary";
    case StatRowClass::kPlain: break;
  }
  return "plain";
}

namespace {

// A formatted number that rounds to zero loses its minus sign: "-0.00" is "0.00".
std::string WithoutNegativeZero(std::string text) {
  if (text.starts_with('-') && text.find_first_of("123456789") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace

bool IsZeroAmount(double value) { return std::fabs(value) < 0.0000001; }

std::string StatAmount(double value) { return WithoutNegativeZero(StrFormat("%.2f", value)); }

std::string StatPercent(double part, double whole) {
  if (IsZeroAmount(whole)) return "0.0%";
  return WithoutNegativeZero(StrFormat("%.1f%%", part * 100 / whole));
}

}  // namespace cw
