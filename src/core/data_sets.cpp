#include "core/data_sets.h"

#include <sys/stat.h>

#include <string>

#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/demo_household.h"
#include "core/ledger_model.h"
#include "core/schema_version.h"
#include "core/standard_chart.h"
#include "core/voucher_import.h"
#include "store/data_set_mark.h"
#include "store/database.h"
#include "store/schema.h"

namespace cw {
namespace {

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool HasChildren(const std::vector<ChartAccount>& chart, const std::string& code) {
  for (const ChartAccount& a : chart) {
    if (a.code.size() > code.size() && a.code.compare(0, code.size(), code) == 0) return true;
  }
  return false;
}

// Accounts are stored with their type on leaves only.
bool WriteChart(const std::vector<ChartAccount>& chart) {
  bool ok = true;
  for (const ChartAccount& a : chart) {
    ok = ok && Database::Execute(Database::LoadStatement(349),
                                 {a.code, a.name, HasChildren(chart, a.code) ? 0 : a.type});
  }
  return ok;
}

bool WriteCommonContents() {
  return CreateSchema() && WriteChart(StandardChart()) &&
         Database::Execute(Database::LoadStatement(323), {std::string("管理员"), std::string(), std::string(), 0, 0}) &&
         Database::Execute(Database::LoadStatement(549), {1, 1, 1, 1, 1, 1}) &&
         Database::Execute(Database::LoadStatement(399), {EncodeVersion(ProgramVersion())});
}

bool FillUserData() {
  Transaction tx;
  return tx.ok() && WriteCommonContents() && MarkOpenDataSet(Database::kUserData) && tx.Commit();
}

bool FillDemoData() {
  Transaction tx;
  if (!tx.ok() || !CreateSchema()) return false;
  DemoHousehold household = BuildDemoHousehold();
  if (!WriteDemoTables(household) || !MarkOpenDataSet(Database::kDemoData) ||
      !Database::Execute(Database::LoadStatement(399), {EncodeVersion(ProgramVersion())})) {
    return false;
  }
  std::vector<ImportedVoucher> vouchers;
  vouchers.reserve(household.bookings.size());
  for (const Booking& b : household.bookings) vouchers.push_back(VoucherOfBooking(b));
  std::string error;
  if (!ImportVouchers(vouchers, &error)) {
    CurrentPrompter().Inform("演示数据生成失败：" + error, "提示", PromptStyle::Error);
    return false;
  }
  return tx.ok() && tx.Commit();
}

}  // namespace

bool CreateDataSet(int which) {
  if (FileExists(Database::FilePath(which))) return true;
  return Database::CreateDataFile(which, which == Database::kDemoData ? FillDemoData : FillUserData);
}

bool EnsureDataSets() {
  bool user = CreateDataSet(Database::kUserData);
  bool demo = CreateDataSet(Database::kDemoData);
  return user && demo;
}

int OpenDataSetUnchanged(int which) {
  if (!CreateDataSet(which)) return 0;
  if (!Database::OpenDatabase(which)) return 0;
  if (!VersionUsable(ProgramVersion())) {
    Database::CloseDatabase();
    return 0;
  }
  return 1;
}

int OpenDataSet(int which) {
  if (!OpenDataSetUnchanged(which)) return 0;
  if (!CheckAndUpgrade(ProgramVersion(), Today())) {
    Database::CloseDatabase();
    return 0;
  }
  return 1;
}

}  // namespace cw
