#include "store/month_totals.h"

#include <cmath>
#include <tuple>

#include "store/database.h"
#include "store/row_reader.h"
#include "store/schema.h"

namespace cw::embedded {
extern const char kMonthTotalTriggers[];
}

namespace cw {
namespace {

constexpr double kAmountTolerance = 1e-5;

struct KeyedFigures {
  std::string item;
  int month = 0;
  bool opening = false;
  MonthTotalFigures figures;
};

std::vector<KeyedFigures> ReadAll(int statement) {
  std::vector<KeyedFigures> rows;
  CDBPack reader;
  reader.Open(Database::LoadStatement(statement));
  for (; !reader.IsEnd(); reader.MoveNext()) {
    // The class is a stored flag in one list and a computed number in the other.
    const SqlValue opening = reader.GetValue("Opening");
    const auto* flag = std::get_if<std::int64_t>(&opening);
    rows.push_back({reader.GetText("Item_No"), reader.GetLong("Month"), flag && *flag != 0,
                    {reader.GetDouble("Debit"), reader.GetDouble("Loan"), reader.GetLong("Lines")}});
  }
  return rows;
}

bool Same(const MonthTotalFigures& a, const MonthTotalFigures& b) {
  return a.lines == b.lines && std::fabs(a.debit - b.debit) <= kAmountTolerance &&
         std::fabs(a.loan - b.loan) <= kAmountTolerance;
}

auto KeyOf(const KeyedFigures& row) { return std::tie(row.item, row.month, row.opening); }

}  // namespace

bool HoldMonthTotals() { return Database::Execute(Database::LoadStatement(976)) != 0; }

bool ReleaseMonthTotals() { return Database::Execute(Database::LoadStatement(977)) != 0; }

bool RemoveMonthTotalTriggers() {
  // Every trigger and view of month_total_triggers.sql (the view takes its trigger along).
  static constexpr const char* kDrops[] = {
      "DROP TRIGGER IF EXISTS MonthTotal_LineInsert",    "DROP TRIGGER IF EXISTS MonthTotal_LineDelete",
      "DROP TRIGGER IF EXISTS MonthTotal_LineUpdate",    "DROP TRIGGER IF EXISTS MonthTotal_OpeningInsert",
      "DROP TRIGGER IF EXISTS MonthTotal_OpeningDelete", "DROP TRIGGER IF EXISTS MonthTotal_OpeningUpdate",
      "DROP VIEW IF EXISTS MonthTotalClass",
  };
  bool ok = true;
  for (const char* drop : kDrops) ok = Database::Execute(drop) && ok;
  return ok;
}

bool AddMonthTotalTriggers() { return RunScript(embedded::kMonthTotalTriggers); }

bool RecountMonthTotals(int yyyymm) {
  return Database::Execute(Database::LoadStatement(978), {yyyymm}) &&
         Database::Execute(Database::LoadStatement(979), {yyyymm});
}

std::vector<MonthTotalDifference> CompareMonthTotals() {
  std::lock_guard guard(Database::Lock());
  const std::vector<KeyedFigures> stored = ReadAll(974);
  const std::vector<KeyedFigures> computed = ReadAll(975);
  std::vector<MonthTotalDifference> differences;
  auto add = [&](const KeyedFigures& key, const MonthTotalFigures& s, const MonthTotalFigures& c) {
    if (!Same(s, c)) differences.push_back({key.item, key.month, key.opening, s, c});
  };
  // Both lists are in key order: merge them.
  std::size_t i = 0, j = 0;
  while (i < stored.size() || j < computed.size()) {
    if (j == computed.size() || (i < stored.size() && KeyOf(stored[i]) < KeyOf(computed[j]))) {
      add(stored[i], stored[i].figures, {});
      ++i;
    } else if (i == stored.size() || KeyOf(computed[j]) < KeyOf(stored[i])) {
      add(computed[j], {}, computed[j].figures);
      ++j;
    } else {
      add(stored[i], stored[i].figures, computed[j].figures);
      ++i;
      ++j;
    }
  }
  return differences;
}

}  // namespace cw
