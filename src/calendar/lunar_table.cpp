// The lunar year table, compiled in from lunar-years.tsv (see LunarYearTable.cmake).
#include "calendar/lunar.h"

namespace cw {
namespace {

constexpr LunarYear kLunarYears[] = {
#include "lunar_years.inc"
};
static_assert(sizeof kLunarYears / sizeof kLunarYears[0] == kLunarYearCount,
              "lunar-years.tsv must hold one row per year from 1900 to 2050");

}  // namespace

const LunarYear* LunarYearTable() { return kLunarYears; }

}  // namespace cw
