#include "booking_fixture.h"

#include "core/item_cache.h"
#include "core/standard_chart.h"
#include "store/database.h"

namespace cw::testing {

const std::vector<std::string> BookingTest::kIncome = {"501", "502", "50401", "50402", "505"};
const std::vector<std::string> BookingTest::kExpense = {"50301", "50399", "601", "602", "603", "604",
                                                        "605",   "606",   "607", "608", "609", "699"};
const std::vector<std::string> BookingTest::kCash = {"101"};
const std::vector<std::string> BookingTest::kBank = {"10201", "10202"};
const std::vector<std::string> BookingTest::kInvestment = {"103"};
const std::vector<std::string> BookingTest::kLent = {"104"};
const std::vector<std::string> BookingTest::kBorrowed = {"201"};
const std::vector<std::string> BookingTest::kCard = {"20201"};

void BookingTest::SetUp() {
  LedgerTest::SetUp();
  const std::vector<ChartAccount> chart = ExtendChart(StandardChart(), {
                                                                           {"10201", "工商银行", 4},
                                                                           {"10202", "招商银行", 4},
                                                                           {"20201", "工行信用卡", 8},
                                                                           {"20202", "未分类", 0},
                                                                           {"50401", "存款利息", 1},
                                                                           {"50402", "投资收益", 1},
                                                                       });
  Database::Execute("DELETE FROM Item");
  for (const ChartAccount& a : chart) Database::Execute(Database::LoadStatement(349), {a.code, a.name, a.type});
  CItemCache::Instance().MarkDirty();
}

std::vector<std::string> BookingTest::Join(std::initializer_list<std::vector<std::string>> lists) {
  std::vector<std::string> joined;
  for (const auto& list : lists) joined.insert(joined.end(), list.begin(), list.end());
  return joined;
}

}  // namespace cw::testing
