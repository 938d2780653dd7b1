#pragma once
// What the user sets for one print command: margins, the page range and the
// printed columns. Nothing of it is kept between print commands.
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid_model.h"

namespace cw {

// Page margins in whole millimetres, each within kMinMargin..kMaxMargin.
struct PrintMargins {
  static constexpr int kMinMargin = 5;
  static constexpr int kMaxMargin = 50;
  static constexpr int kDefaultMargin = 15;

  int left = kDefaultMargin;
  int top = kDefaultMargin;
  int right = kDefaultMargin;
  int bottom = kDefaultMargin;

  friend bool operator==(const PrintMargins&, const PrintMargins&) = default;
};

int ClampMargin(int millimetres);
// A margin as the margins dialog shows it, in centimetres: " 1.5 厘米".
std::string MarginText(int millimetres);
// A margin typed into the margins dialog: the number at the start of the text
// (before the unit) is read in centimetres, turned into whole millimetres by
// truncation and clamped; text without a number reads as 0, hence the minimum.
int ParseMarginText(std::string_view text);
// One step of a margin's spin control: `steps` millimetres up (or down), clamped.
int StepMargin(int millimetres, int steps);

// Pages to print, 1-based and inclusive; a range past the last page prints up
// to the last page.
struct PageRange {
  static constexpr int kLastSelectable = 65535;
  int from = 1;
  int to = kLastSelectable;
};

// A column offered in the print-format dialog.
struct PrintColumn {
  std::string title;
  int grid_column = 0;  // the column of the grid it prints
  int width = 0;        // its width in the grid, in pixels; printed widths keep the proportions
  bool printed = true;
};

// Every column of the grid, in order; the visible ones are printed at first.
std::vector<PrintColumn> PrintColumnsOf(const GridModel& grid);
// The print-format dialog accepts a choice only when it keeps at least one column.
bool AnyColumnPrinted(const std::vector<PrintColumn>& columns);

struct PrintSettings {
  PrintMargins margins{};
  PageRange range{};
  std::vector<PrintColumn> columns{};
};

}  // namespace cw
