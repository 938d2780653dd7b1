#pragma once
// The row classes of the statistics tables: each row carries its class as the
// grid row's user value and the class's background colour. The command-line
// tool prints the class by name.
#include <string>

#include "controls/grid_types.h"

namespace cw {

enum class StatRowClass {
  kPlain = 0,
  kTotal = 1,    // "累    计", "平 均 值", "百 分 比": green
  kDeficit = 2,  // a period whose expense exceeds its income: light red
  kHeading = 3,  // "财产", "负债", "净资产（财产-负债）": light blue
  kSummary = 4,  // an account with sub-accounts: green
};

inline constexpr Rgb kDeficitRowBackground{255, 210, 210};
inline constexpr Rgb kHeadingRowBackground{215, 229, 250};

// Gives `row` its class: the user value and the background.
void SetRowClass(GridRow& row, StatRowClass row_class);
StatRowClass RowClassOf(const GridRow& row);
// "plain", "total", "deficit", "heading", "summary".
std::string RowClassName(StatRowClass row_class);

// An amount as the tables write it: "%.2f", never "-0.00".
std::string StatAmount(double value);
// True for a value within 0.0000001 of zero.
bool IsZeroAmount(double value);
// A share as "%.1f%%"; "0.0%" when the whole is zero.
std::string StatPercent(double part, double whole);

}  // namespace cw
