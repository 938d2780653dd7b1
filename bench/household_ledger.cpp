#include "bench/household_ledger.h"

#include <cmath>

#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::bench {
namespace {

const std::vector<std::string> kCash = {"10101", "10102"};
const std::vector<std::string> kBank = {"10201", "10202"};
const std::vector<std::string> kInvestment = {"10301", "10302"};
const std::string kLent = "10401";
const std::string kMortgage = "20101";
const std::string kCard = "20201";
const std::string kSalary = "50101";
const std::string kBonus = "50102";
const std::string kInterest = "50401";
const std::string kGain = "50402";
const std::string kCardInterest = "50399";
const std::vector<std::string> kDaily = {"60101", "60102", "60103", "60104", "60105", "60203", "60301"};
const std::vector<std::string> kOccasional = {"60201", "60202", "60302", "60303", "604",   "605",
                                              "606",   "607",   "608",   "609",   "699",   "50301"};

}  // namespace

std::vector<cli::NewAccount> HouseholdAccounts() {
  return {
      {"10101", "爸爸现金", kTypeCash},      {"10102", "妈妈现金", kTypeCash},
      {"10201", "工商银行", kTypeBank},      {"10202", "招商银行", kTypeBank},
      {"10301", "股票", kTypeInvestment},    {"10302", "基金", kTypeInvestment},
      {"10401", "借给朋友", kTypeLent},      {"20101", "住房贷款", kTypeBorrowed},
      {"20201", "招行信用卡", kTypeCreditCard}, {"50101", "工资", kTypeIncome},
      {"50102", "奖金", kTypeIncome},        {"50401", "利息", kTypeIncome},
      {"50402", "投资收益", kTypeIncome},    {"60101", "早餐", kTypeExpense},
      {"60102", "午餐", kTypeExpense},       {"60103", "晚餐", kTypeExpense},
      {"60104", "买菜", kTypeExpense},       {"60105", "水果", kTypeExpense},
      {"60201", "水电燃气", kTypeExpense},   {"60202", "物业费", kTypeExpense},
      {"60203", "日用品", kTypeExpense},     {"60301", "公交地铁", kTypeExpense},
      {"60302", "手机话费", kTypeExpense},   {"60303", "汽车加油", kTypeExpense},
  };
}

HouseholdLedger::HouseholdLedger(unsigned seed) : random_(seed) {}

int HouseholdLedger::RandomInt(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

double HouseholdLedger::Amount(double low, double high) {
  return std::round(std::uniform_real_distribution<double>(low, high)(random_) * 100) / 100;
}

const std::string& HouseholdLedger::Pick(const std::vector<std::string>& codes) {
  return codes[RandomInt(0, static_cast<int>(codes.size()) - 1)];
}

Booking HouseholdLedger::NextBooking(int year, int month) {
  Booking b;
  b.date = SerialDay(year, month, RandomInt(1, DaysInMonth(year, month)));
  const int roll = RandomInt(0, 999);
  auto set = [&](int kind, const std::string& a1, const std::string& a2, double amount, const char* text) {
    b.kind = kind;
    b.account1 = a1;
    b.account2 = a2;
    b.amount1 = amount;
    b.description = text;
  };
  // Per mille: 600 daily spending, 150 occasional spending, 50 income, 40
  // deposits, 40 withdrawals, 40 transfers, 30 card repayments, 20 cash
  // drawn, 20 investments bought, 10 sold: about 8 % three-line vouchers.
  if (roll < 600) {
    const std::string& payer = RandomInt(0, 2) == 0 ? kCard : Pick(kCash);
    set(kKindExpense, Pick(kDaily), payer, Amount(3, 80), "日常开销");
  } else if (roll < 750) {
    set(kKindExpense, Pick(kOccasional), RandomInt(0, 1) ? kCard : Pick(kBank), Amount(50, 2000), "生活支出");
  } else if (roll < 800) {
    set(2, RandomInt(0, 4) ? kSalary : kBonus, Pick(kBank), Amount(3000, 12000), "工资奖金");
  } else if (roll < 840) {
    set(40, Pick(kCash), Pick(kBank), Amount(100, 5000), "存款");
  } else if (roll < 880) {
    set(41, Pick(kBank), Pick(kCash), Amount(100, 3000), "取款");
    b.account3 = kInterest;
    b.amount2 = Amount(0, 20);
  } else if (roll < 920) {
    set(43, kBank[0], kBank[1], Amount(500, 20000), "转账");
    if (RandomInt(0, 1)) std::swap(b.account1, b.account2);
  } else if (roll < 950) {
    set(13, kCard, Pick(kBank), Amount(500, 8000), "信用卡还款");
    b.account3 = kCardInterest;
    b.amount2 = RandomInt(0, 9) ? 0 : Amount(5, 80);
  } else if (roll < 970) {
    set(12, kCard, Pick(kCash), Amount(100, 2000), "信用卡取现");
  } else if (roll < 990) {
    set(9, Pick(kInvestment), Pick(kBank), Amount(1000, 30000), "买入基金股票");
  } else if (roll < 995) {
    set(10, Pick(kInvestment), Pick(kBank), Amount(1000, 30000), "卖出");
    b.account3 = kGain;
    b.amount2 = std::round(b.amount1 * std::uniform_real_distribution<double>(0.8, 1.3)(random_) * 100) / 100;
  } else if (roll < 998) {
    set(8, kMortgage, Pick(kBank), Amount(2000, 4000), "房贷月供");
  } else {
    set(5, kLent, Pick(kCash), Amount(500, 5000), "借给朋友");
  }
  CItemCache& chart = CItemCache::Instance();
  b.type1 = chart.TypeOf(b.account1);
  b.type2 = chart.TypeOf(b.account2);
  b.type3 = b.account3.empty() ? 0 : chart.TypeOf(b.account3);
  return b;
}

std::vector<ImportedVoucher> HouseholdLedger::Month(int year, int month, int count) {
  std::vector<ImportedVoucher> vouchers;
  vouchers.reserve(count);
  for (int i = 0; i < count; ++i) vouchers.push_back(VoucherOfBooking(NextBooking(year, month)));
  return vouchers;
}

}  // namespace cw::bench
