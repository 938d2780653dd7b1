#include "core/schema_version.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/schema_upgrade.h"
#include "store/data_set_mark.h"
#include "store/database.h"
#include "store/row_reader.h"

#ifndef COINWRIGHT_VERSION_MAJOR
#error "the build passes the program version"
#endif

namespace cw {
namespace {

constexpr double kTolerance = 1e-7;
constexpr int kUntouchedSampleNewest = 200809009;
constexpr int kSampleMonth = 200809;

// The budgets of the sample data move with it: a month budget (key yyyymm) by
// the month distance, a quarter or year budget (key year * 100 + 51..54 or 61)
// by the whole years between the sample's last month and the current month.
bool MoveBudgets(int months, int years) {
  struct Line {
    int category, key;
    std::string item;
    double cash;
  };
  std::vector<Line> lines;
  {
    CDBPack rows;
    if (!rows.Open(Database::LoadStatement(1605))) return false;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      lines.push_back({rows.GetByte("TypeID"), rows.GetLong("Budget_No"), rows.GetText("Item_No"),
                       rows.GetDouble("Cash")});
    }
  }
  if (!Database::Execute(Database::LoadStatement(1606))) return false;
  for (const Line& line : lines) {
    const bool month_budget = line.key % 100 < 20;
    const int key = month_budget ? MonthAdd(line.key / 100, line.key % 100, months) : line.key + years * 100;
    if (!Database::Execute(Database::LoadStatement(1603), {line.category, key, line.item, line.cash})) return false;
  }
  // The items of the property projection keep their place in time as well.
  return Database::Execute(Database::LoadStatement(1616), {"+" + std::to_string(months) + " months"});
}

// The plans' next occurrences move with the vouchers they continue, by the
// month distance; a day the new month lacks becomes its last day.
bool MovePlans(int months) {
  std::vector<std::pair<int, int>> plans;  // PlanID, Last_Chargeup
  {
    CDBPack rows;
    if (!rows.Open(Database::LoadStatement(762))) return false;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      plans.emplace_back(rows.GetLong("PlanID"), static_cast<int>(rows.GetDate("Last_Chargeup")));
    }
  }
  for (const auto& [plan, last] : plans) {
    const Ymd old = DateOfSerialDay(last);
    const int month = MonthAdd(old.year, old.month, months);
    const int day = std::min(old.day, MonthLength(month));
    if (!Database::Execute(Database::LoadStatement(682), {IsoDate(SerialDay(month / 100, month % 100, day)), plan}))
      return false;
  }
  return true;
}

// The version the data set was last written with; nothing without a version row.
std::optional<double> StoredVersion() {
  CDBPack rows;
  rows.Open(Database::LoadStatement(383));
  if (rows.IsEnd()) return std::nullopt;
  return DecodeVersion(rows.GetLong("Ver_DB"));
}

// Files made before data sets carried their mark get it the first time they are
// opened, so that a copy of the demonstration data is never taken for user data.
void MarkUnmarkedDataSet() {
  CDBPack rows;
  rows.Open("PRAGMA application_id", {}, true);
  if (!rows.IsEnd() && rows.GetValue("application_id") == SqlValue(std::int64_t{0})) {
    rows.Close();
    MarkOpenDataSet(Database::CurrentDatabase());
  }
}

}  // namespace

double ProgramVersion() {
  return COINWRIGHT_VERSION_MAJOR + COINWRIGHT_VERSION_MINOR / 10.0 + COINWRIGHT_VERSION_PATCH / 100.0;
}

int EncodeVersion(double version) {
  int major = static_cast<int>(version + kTolerance);
  int hundredths = static_cast<int>(version * 100 + kTolerance) % 100;
  return major * 65536 + hundredths;
}

double DecodeVersion(int ver_db) { return (ver_db >> 16) + (ver_db & 0xFFFF) / 100.0; }

bool VersionUsable(double program_version) {
  const std::optional<double> stored = StoredVersion();
  if (!stored || *stored - kTolerance <= program_version) return true;
  CurrentPrompter().Inform(
      StrFormat("数据库“%s”的版本(%.2f)高于本程序的版本(%.2f)，无法使用。\n\n请升级本程序后再打开该数据库。",
                Database::CurrentDatabaseFile().c_str(), *stored, program_version),
      "提示", PromptStyle::Error);
  return false;
}

int CheckAndUpgrade(double program_version, int today) {
  const UpgradePlan plan = PlanUpgrade(program_version);
  if (!plan.has_version_row) return 1;
  if (!VersionUsable(program_version)) return 0;
  if (plan.HasWork()) {
    UpgradeAnswers answers;
    if (!AskUpgradeQuestions(plan, &answers)) {
      CurrentPrompter().Inform(StrFormat("数据库“%s”需要升级，升级所需的设置没有给出，数据库没有打开。",
                                         Database::CurrentDatabaseFile().c_str()),
                               "提示", PromptStyle::Error);
      return 0;
    }
    if (!RunUpgrade(plan, answers, program_version)) return 0;
  }
  MarkUnmarkedDataSet();
  if (Database::CurrentDatabase() == Database::kDemoData) MoveDemonstrationForward(today);
  return 1;
}

bool MoveDemonstrationForward(int today) {
  struct Moved {
    int number;
    int date;
  };
  std::vector<Moved> vouchers;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(759));
    if (rows.IsEnd() || rows.GetLong("Voucher_No") != kUntouchedSampleNewest) return true;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      vouchers.push_back({rows.GetLong("Voucher_No"), static_cast<int>(rows.GetDate("Input_Time"))});
    }
  }
  Ymd now = DateOfSerialDay(today);
  int yyyymm = now.year * 100 + now.month;
  // Month distance from September 2008: the yyyymm difference less 88 per year.
  int distance = (yyyymm - kSampleMonth) - 88 * (now.year - kSampleMonth / 100);
  if (distance <= 0) return true;

  // Newest first: every voucher moves to a number above all that have not moved yet.
  Transaction tx;
  if (!tx.ok()) return false;
  for (const Moved& v : vouchers) {
    int old_month = v.number / 1000;
    int new_month = MonthAdd(old_month / 100, old_month % 100, distance);
    int day = std::min(DateOfSerialDay(v.date).day, MonthLength(new_month));
    int number = v.number % 1000 + new_month * 1000;
    std::string date = IsoDate(SerialDay(new_month / 100, new_month % 100, day));
    if (!Database::Execute(Database::LoadStatement(760), {number, date, v.number}) ||
        !Database::Execute(Database::LoadStatement(761), {number, v.number})) {
      tx.Fail();
      return false;
    }
  }
  if (!MoveBudgets(distance, now.year - kSampleMonth / 100) || !MovePlans(distance)) {
    tx.Fail();
    return false;
  }
  return tx.ok() && tx.Commit();
}

}  // namespace cw
