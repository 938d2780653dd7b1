#include "store/layout_steps.h"

#include "store/database.h"
#include "store/month_totals.h"
#include "store/row_reader.h"
#include "store/schema.h"

namespace cw::embedded {
extern const char kMonthTotals[];
}

namespace cw {
namespace {

// Level 1: per-account month totals kept by triggers (month_totals.sql and
// month_total_triggers.sql), filled from the lines already there.
bool AddMonthTotals() { return RunScript(embedded::kMonthTotals) && AddMonthTotalTriggers(); }

bool SetLevel(int level) {
  // A pragma takes no bound value; the level is a number of this program's own.
  return Database::Execute("PRAGMA user_version = " + std::to_string(level)) != 0;
}

}  // namespace

const std::vector<LayoutStep>& LayoutSteps() {
  static const std::vector<LayoutStep> steps = {
      {1, "科目月合计", AddMonthTotals},
  };
  return steps;
}

int CurrentLayoutLevel() { return LayoutSteps().back().level; }

int LayoutLevel() {
  CDBPack rows;
  rows.Open("PRAGMA user_version");
  const SqlValue value = rows.GetValue("user_version");
  const auto* level = std::get_if<std::int64_t>(&value);
  return level ? static_cast<int>(*level) : 0;
}

bool ApplyLayoutSteps(int from) {
  for (const LayoutStep& step : LayoutSteps()) {
    if (step.level > from && !step.apply()) return false;
  }
  return from >= CurrentLayoutLevel() || SetLevel(CurrentLayoutLevel());
}

}  // namespace cw
