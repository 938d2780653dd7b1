#include "core/demo_household.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>

#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/voucher_lines.h"
#include "store/database.h"

namespace cw {
namespace {

// ---- The household's accounts ----------------------------------------------

constexpr char kDadCash[] = "10101";
constexpr char kMomCash[] = "10102";
constexpr char kKidCash[] = "10103";
constexpr char kIcbc[] = "10201";        // 爸爸's bank: salary, bills, investments
constexpr char kCcb[] = "10202";         // 妈妈's bank: her salary, the mortgage
constexpr char kCmb[] = "10203";         // repays the credit card
constexpr char kTermDeposits[] = "10204";
constexpr char kStocks[] = "10301";
constexpr char kFunds[] = "10302";
constexpr char kLentZhang[] = "10401";
constexpr char kLentLi[] = "10402";
constexpr char kMortgage[] = "20101";
constexpr char kParentsLoan[] = "20102";
constexpr char kCard[] = "20201";
constexpr char kDadSalary[] = "50101";
constexpr char kMomSalary[] = "50102";
constexpr char kBonus[] = "50103";
constexpr char kInterestIncome[] = "50401";
constexpr char kInvestmentGain[] = "50402";
constexpr char kOtherIncome[] = "505";
constexpr char kMortgageInterest[] = "50302";
constexpr char kGroceries[] = "60101";
constexpr char kDining[] = "60102";
constexpr char kSnacks[] = "60103";
constexpr char kPropertyFee[] = "60201";
constexpr char kUtilities[] = "60202";
constexpr char kHousehold[] = "60203";
constexpr char kFurniture[] = "60204";
constexpr char kTransport[] = "60301";
constexpr char kPhone[] = "60302";
constexpr char kInternet[] = "60303";
constexpr char kClothing[] = "604";
constexpr char kMedical[] = "605";
constexpr char kTuition[] = "60601";
constexpr char kBooks[] = "60602";
constexpr char kTravel[] = "60701";
constexpr char kMovies[] = "60702";
constexpr char kGifts[] = "608";
constexpr char kInsurance[] = "609";

constexpr int kDad = 1;
constexpr int kMom = 2;
constexpr int kKid = 3;

constexpr int kSalaryPlan = 1;
constexpr int kMortgagePlan = 2;
constexpr int kInsurancePlan = 3;

std::vector<ChartAccount> HouseholdAccounts() {
  return {
      {kDadCash, "爸爸现金", kTypeCash},
      {kMomCash, "妈妈现金", kTypeCash},
      {kKidCash, "小明零用钱", kTypeCash},
      {kIcbc, "工商银行", kTypeBank},
      {kCcb, "建设银行", kTypeBank},
      {kCmb, "招商银行", kTypeBank},
      {kTermDeposits, "工商银行定期", kTypeBank},
      {kStocks, "股票", kTypeInvestment},
      {kFunds, "基金", kTypeInvestment},
      {kLentZhang, "借给张三", kTypeLent},
      {kLentLi, "借给李四", kTypeLent},
      {kMortgage, "住房贷款", kTypeBorrowed},
      {kParentsLoan, "向父母借款", kTypeBorrowed},
      {kCard, "招商银行信用卡", kTypeCreditCard},
      {kDadSalary, "爸爸工资", kTypeIncome},
      {kMomSalary, "妈妈工资", kTypeIncome},
      {kBonus, "奖金", kTypeIncome},
      {kMortgageInterest, "房贷利息", kTypeExpense},
      {kInterestIncome, "利息收入", kTypeIncome},
      {kInvestmentGain, "投资收益", kTypeIncome},
      {kGroceries, "买菜", kTypeExpense},
      {kDining, "外出就餐", kTypeExpense},
      {kSnacks, "水果零食", kTypeExpense},
      {kPropertyFee, "物业管理费", kTypeExpense},
      {kUtilities, "水电燃气", kTypeExpense},
      {kHousehold, "日用品", kTypeExpense},
      {kFurniture, "家具家电", kTypeExpense},
      {kTransport, "公交出租", kTypeExpense},
      {kPhone, "手机话费", kTypeExpense},
      {kInternet, "宽带网费", kTypeExpense},
      {kTuition, "学费", kTypeExpense},
      {kBooks, "书籍文具", kTypeExpense},
      {kTravel, "旅游", kTypeExpense},
      {kMovies, "电影演出", kTypeExpense},
  };
}

// ---- Users ----------------------------------------------------------------------

std::vector<DemoUser> HouseholdUsers() {
  DemoUser dad;
  dad.person_no = kDad;
  dad.name = "爸爸";
  dad.level = 0;
  dad.color_type = 1;
  dad.welcome_word = "勤俭持家，量入为出。";

  DemoUser mom;
  mom.person_no = kMom;
  mom.name = "妈妈";
  mom.system_set = false;
  mom.color_type = 4;
  mom.font_type = 1;
  mom.welcome_word = "今天也要精打细算哦！";

  DemoUser kid;
  kid.person_no = kKid;
  kid.name = "小明";
  kid.budget = false;
  kid.system_set = false;
  kid.color_type = 3;
  kid.font_type = 2;
  kid.welcome_word = "小明的零花钱账本，每一分钱都要记清楚。";
  return {dad, mom, kid};
}

// ---- Deterministic chance ------------------------------------------------------

// Draws from std::mt19937 directly: its output sequence is fixed by the
// standard, unlike the library's distributions, so every platform generates
// the same household.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  int Between(int low, int high) {
    return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
  }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  // An amount between low and high yuan in steps of 0.1 yuan.
  double Yuan(int low, int high) { return Between(low * 10, high * 10) / 10.0; }
  template <typename T, std::size_t N>
  const T& Pick(const T (&choices)[N]) {
    return choices[Between(0, static_cast<int>(N) - 1)];
  }

 private:
  std::mt19937 engine_;
};

double Cents(double amount) { return std::round(amount * 100.0) / 100.0; }
double RoundUp(double amount, double step) { return std::ceil(amount / step) * step; }


// ---- The running books ------------------------------------------------------------

class AccountTypes {
 public:
  explicit AccountTypes(const std::vector<ChartAccount>& chart) {
    for (const ChartAccount& account : chart) types_[account.code] = account.type;
  }
  int Of(const std::string& code) const {
    auto it = types_.find(code);
    return it == types_.end() ? 0 : it->second;
  }
  void Fill(Booking& b) const {
    b.type1 = Of(b.account1);
    b.type2 = Of(b.account2);
    b.type3 = b.account3.empty() ? 0 : Of(b.account3);
  }

 private:
  std::map<std::string, int> types_;
};

// Collects bookings and keeps the balance of every property account, so that
// the generator can top up a purse or a bank account before it pays from it.
class Books {
 public:
  explicit Books(const AccountTypes& types) : types_(types) {}

  int TypeOf(const std::string& code) const { return types_.Of(code); }

  void Add(Booking booking) {
    types_.Fill(booking);
    for (const VoucherLine& line : ComposeLines(booking)) {
      const int type = TypeOf(line.item);
      if (!IsPropertyType(type)) continue;
      const bool liability = type == kTypeBorrowed || type == kTypeCreditCard;
      const double change = line.debit ? line.cash : -line.cash;
      balances_[line.item] += liability ? -change : change;
    }
    bookings_.push_back(std::move(booking));
  }

  // What an asset account holds, or what is owed on a liability account.
  double Balance(const std::string& code) const {
    auto it = balances_.find(code);
    return it == balances_.end() ? 0.0 : it->second;
  }

  std::vector<Booking> Take() { return std::move(bookings_); }

 private:
  const AccountTypes& types_;
  std::map<std::string, double> balances_;
  std::vector<Booking> bookings_;
};

// ---- Dated events of the household's history ------------------------------------

// One-off entries: investments, loans, large purchases, holidays, windfalls.
struct OneOff {
  int year, month, day;
  int person;
  int kind;
  const char* account1;
  const char* account2;
  double amount1;
  const char* description;
  const char* account3 = "";
  double amount2 = 0;  // proceeds of a sale (kind 10)
};

const OneOff kOneOffs[] = {
    {2005, 2, 8, kDad, 3, kGifts, kDadCash, 2000, "春节给长辈红包"},
    {2005, 4, 16, kDad, 6, kDadCash, kLentLi, 3000, "李四还款"},
    {2005, 5, 12, kDad, 9, kFunds, kIcbc, 10000, "申购华夏成长基金"},
    {2005, 6, 18, kDad, 5, kLentZhang, kIcbc, 10000, "借给张三做生意周转"},
    {2005, 9, 12, kDad, 2, kOtherIncome, kDadCash, 600, "杂志稿费"},
    {2005, 10, 2, kDad, 3, kTravel, kCard, 4280, "国庆全家杭州旅游"},
    {2005, 10, 3, kDad, 12, kCard, kDadCash, 1500, "旅游途中信用卡取现"},
    {2005, 12, 25, kDad, 6, kIcbc, kLentZhang, 4000, "张三归还部分借款"},
    {2006, 1, 28, kDad, 3, kGifts, kDadCash, 2400, "春节给长辈红包"},
    {2006, 3, 15, kDad, 9, kFunds, kIcbc, 10000, "申购嘉实增长基金"},
    {2006, 4, 2, kDad, 7, kIcbc, kParentsLoan, 30000, "向父母借款装修"},
    {2006, 4, 10, kDad, 3, kFurniture, kIcbc, 12000, "新房装修工程款"},
    {2006, 4, 25, kMom, 3, kFurniture, kIcbc, 8500, "装修材料"},
    {2006, 5, 6, kMom, 3, kFurniture, kCard, 6800, "买空调和冰箱"},
    {2006, 6, 20, kDad, 2, kInvestmentGain, kIcbc, 420, "基金分红"},
    {2006, 7, 8, kDad, 6, kIcbc, kLentZhang, 6000, "张三还清借款"},
    {2006, 10, 2, kDad, 3, kTravel, kCard, 5160, "国庆全家桂林旅游"},
    {2006, 11, 20, kDad, 10, kFunds, kIcbc, 10000, "赎回华夏成长基金", kInvestmentGain, 13860},
    {2006, 12, 3, kMom, 2, kOtherIncome, kMomCash, 150, "旧自行车卖出"},
    {2007, 1, 10, kDad, 9, kStocks, kIcbc, 20000, "追加股票投资"},
    {2007, 2, 10, kDad, 8, kParentsLoan, kIcbc, 10000, "归还父母借款"},
    {2007, 2, 17, kDad, 3, kGifts, kDadCash, 3000, "春节给长辈红包"},
    {2007, 2, 19, kDad, 12, kCard, kDadCash, 1000, "春节走亲戚信用卡取现"},
    {2007, 5, 28, kDad, 10, kStocks, kIcbc, 20000, "卖出部分股票", kInvestmentGain, 38600},
    {2007, 6, 15, kDad, 2, kInvestmentGain, kIcbc, 680, "基金分红"},
    {2007, 6, 30, kDad, 2, kOtherIncome, kDadCash, 800, "杂志稿费"},
    {2007, 8, 12, kDad, 8, kParentsLoan, kIcbc, 10000, "归还父母借款"},
    {2007, 9, 9, kDad, 5, kLentLi, kDadCash, 2000, "借给李四"},
    {2007, 10, 2, kDad, 3, kTravel, kCard, 6350, "国庆全家云南旅游"},
    {2007, 10, 4, kDad, 12, kCard, kDadCash, 2000, "旅游途中信用卡取现"},
    {2007, 10, 16, kDad, 9, kFunds, kIcbc, 15000, "申购股票型基金"},
    {2008, 1, 20, kDad, 6, kDadCash, kLentLi, 2000, "李四还款"},
    {2008, 2, 6, kDad, 3, kGifts, kDadCash, 3000, "春节给长辈红包"},
    {2008, 2, 14, kDad, 8, kParentsLoan, kIcbc, 10000, "还清父母借款"},
    {2008, 4, 22, kDad, 10, kStocks, kIcbc, 15000, "股市下跌止损卖出", kInvestmentGain, 9300},
    {2008, 5, 18, kDad, 2, kOtherIncome, kIcbc, 1500, "兼职翻译收入"},
    {2008, 6, 18, kDad, 10, kFunds, kIcbc, 10000, "赎回嘉实增长基金", kInvestmentGain, 7650},
    {2008, 7, 20, kMom, 3, kTravel, kCard, 3880, "暑假带小明去北京旅游"},
};

// Fixed-term deposits: put in from 爸爸's cash (drawn from his bank the same
// day) and, when due before the end of the data, taken out with interest.
struct TermDeposit {
  int year, month, day;
  int code;    // DepositCode
  int months;  // time until it is taken out
  double amount;
  double rate;  // yearly interest rate
  const char* description;
};

const TermDeposit kTermDepositHistory[] = {
    {2005, 2, 1, 12, 12, 20000, 0.0225, "年终奖存一年定期"},
    {2005, 8, 10, 6, 6, 10000, 0.0207, "存半年定期"},
    {2006, 2, 1, 36, 36, 20000, 0.0324, "存三年定期"},
    {2007, 2, 1, 24, 24, 20000, 0.0279, "年终奖存二年定期"},
    {2007, 7, 1, 1000, 6, 5000, 0.0153, "存定活两便"},
    {2008, 3, 1, 3, 3, 10000, 0.0333, "存三个月定期"},
};

// ---- The generator ------------------------------------------------------------

constexpr int kFirstYear = 2005;
constexpr int kLastYear = 2008;
constexpr int kLastMonth = 9;  // the data ends on 9 September 2008

class HouseholdHistory {
 public:
  explicit HouseholdHistory(Books& books) : books_(books) {}

  void Run() {
    const int first = SerialDay(kFirstYear, 1, 1);
    const int last = SerialDay(kLastYear, kLastMonth, 0);  // the last day before the final month
    OpeningBalances(first);
    for (int day = first; day <= last; ++day) Day(day);
    PrepareFinalMonth(last);
    FinalNineDays();
  }

 private:
  // ---- entries ----

  void Entry(int day, int person, int kind, const std::string& account1, const std::string& account2,
             double amount1, const std::string& description, const std::string& account3 = "",
             double amount2 = 0, int deposit_code = 0, int plan = 0) {
    Booking b;
    b.date = day;
    b.person_no = person;
    b.kind = kind;
    b.account1 = account1;
    b.account2 = account2;
    b.account3 = account3;
    b.amount1 = Cents(amount1);
    b.amount2 = Cents(amount2);
    b.description = description;
    b.deposit_code = deposit_code;
    b.plan = plan;
    books_.Add(std::move(b));
    if (kind == 12) card_advances_.push_back({day, Cents(amount1)});
  }

  void Expense(int day, int person, const std::string& expense, const std::string& from, double amount,
               const std::string& description, int plan = 0) {
    EnsureFunds(day, from, amount);
    Entry(day, person, 3, expense, from, amount, description, "", 0, 0, plan);
  }

  // Tops an account up before `amount` is paid from it: a purse from the
  // owner's bank (or the child's from 爸爸), a bank account from the other
  // main bank account. Credit cards need nothing.
  void EnsureFunds(int day, const std::string& account, double amount) {
    const double missing = amount - books_.Balance(account);
    if (books_.TypeOf(account) == kTypeCreditCard || missing <= 0) return;
    if (account == kDadCash) {
      Withdraw(day, kDad, kIcbc, kDadCash, RoundUp(missing + 800, 500), "ATM取款");
    } else if (account == kMomCash) {
      Withdraw(day, kMom, kCcb, kMomCash, RoundUp(missing + 1000, 500), "取生活费");
    } else if (account == kKidCash) {
      const double pocket = RoundUp(missing + 20, 10);
      EnsureFunds(day, kDadCash, pocket);
      Entry(day, kDad, 42, kKidCash, kDadCash, pocket, "给小明零用钱");
    } else {
      const char* source = account == kIcbc ? kCcb : kIcbc;
      const double transfer = RoundUp(missing + 1000, 1000);
      const char* text = account == kCmb ? "转账备还信用卡" : "银行转账";
      if (books_.Balance(source) >= transfer) Entry(day, kDad, 43, account, source, transfer, text);
    }
  }

  void Withdraw(int day, int person, const char* bank, const char* purse, double amount,
                const std::string& description) {
    EnsureFunds(day, bank, amount);
    Entry(day, person, 41, bank, purse, amount, description, kInterestIncome, 0);
  }

  // ---- the days ----

  void OpeningBalances(int day) {
    const std::pair<const char*, double> openings[] = {
        {kDadCash, 1200},  {kMomCash, 800},    {kKidCash, 50},       {kIcbc, 35000},
        {kCcb, 20000},     {kCmb, 5000},       {kStocks, 30000},     {kLentLi, 3000},
        {kMortgage, 280000}, {kCard, 1280.50},
    };
    for (const auto& [account, amount] : openings)
      Entry(day, kDad, 1, account, kInitialIncomeAccount, amount, "期初余额");
  }

  void Day(int day) {
    const Ymd date = DateOfSerialDay(day);
    const int weekday = Weekday(date.year, date.month, date.day);  // 0 = Sunday
    if (date.day == 1) clothing_day_ = dice_.Between(10, 28);

    TermDeposits(day);
    OneOffs(day, date);
    MonthlyIncome(day, date);
    MonthlyBills(day, date);
    YearlyBills(day, date);
    Shopping(day, date, weekday);
    Family(day, date, weekday);
    CreditCard(day, date);
    DepositSpareCash(day);
  }

  void TermDeposits(int day) {
    for (const TermDeposit& deposit : kTermDepositHistory) {
      const int opened = SerialDay(deposit.year, deposit.month, deposit.day);
      const int due = SerialDay(deposit.year, deposit.month + deposit.months, deposit.day);
      if (day == due) {
        const double interest = Cents(deposit.amount * deposit.rate * deposit.months / 12);
        Entry(day, kDad, 41, kTermDeposits, kDadCash, deposit.amount, "定期存款到期支取", kInterestIncome,
              interest);
        Entry(day, kDad, 40, kDadCash, kIcbc, deposit.amount + interest, "到期本息存入活期");
      }
      if (day == opened) {
        Withdraw(day, kDad, kIcbc, kDadCash, deposit.amount, "取款转存定期");
        Entry(day, kDad, 40, kDadCash, kTermDeposits, deposit.amount, deposit.description, "", 0,
              deposit.code);
      }
    }
  }

  void OneOffs(int day, const Ymd& date) {
    for (const OneOff& e : kOneOffs) {
      if (e.year != date.year || e.month != date.month || e.day != date.day) continue;
      // Kinds 3, 5, 8 and 9 pay from account 2.
      if (e.kind == 3 || e.kind == 5 || e.kind == 8 || e.kind == 9) EnsureFunds(day, e.account2, e.amount1);
      Entry(day, e.person, e.kind, e.account1, e.account2, e.amount1, e.description, e.account3, e.amount2);
    }
  }

  void MonthlyIncome(int day, const Ymd& date) {
    const int years = date.year - kFirstYear;
    if (date.day == 5) {
      // Booked by the salary plan; the amount follows the yearly raises.
      const double salary = 9000 + 1000 * years;
      Entry(day, kDad, 2, kDadSalary, kIcbc, salary, "工资", "", 0, 0, kSalaryPlan);
    }
    if (date.day == 10) {
      const double salary = 5200 + 400 * years + 100 * dice_.Between(0, 6);
      Entry(day, kMom, 2, kMomSalary, kCcb, salary, "妈妈工资");
    }
    if (date.month == 1 && date.day == 20)
      Entry(day, kDad, 2, kBonus, kIcbc, 1000 * dice_.Between(15, 30), "年终奖");
    if (date.month == 7 && date.day == 15)
      Entry(day, kMom, 2, kBonus, kCcb, 500 * dice_.Between(8, 16), "半年奖金");
    if (date.month % 3 == 0 && date.day == 21) {
      for (const char* bank : {kIcbc, kCcb}) {
        const double interest = Cents(books_.Balance(bank) * 0.0072 / 4);
        if (interest >= 0.01) Entry(day, kDad, 2, kInterestIncome, bank, interest, "活期存款利息");
      }
    }
  }

  void MonthlyBills(int day, const Ymd& date) {
    if (date.day == 20) {
      // The principal is booked by the mortgage plan, the interest by hand.
      EnsureFunds(day, kCcb, 1200);
      Entry(day, kMom, 8, kMortgage, kCcb, 1200, "房贷还款", "", 0, 0, kMortgagePlan);
      Expense(day, kMom, kMortgageInterest, kCcb, books_.Balance(kMortgage) * 0.0594 / 12, "房贷利息");
    }
    if (date.month % 3 == 1 && date.day == 8)
      Expense(day, kDad, kPropertyFee, kIcbc, 480, "第" + std::to_string(date.month / 3 + 1) + "季度物业费");
    if (date.day == 12) {
      const bool heavy = date.month <= 2 || date.month == 7 || date.month == 8 || date.month == 12;
      const double amount = 150 + (heavy ? 120 : 0) + dice_.Yuan(0, 90);
      const int billed_month = date.month == 1 ? 12 : date.month - 1;
      Expense(day, kMom, kUtilities, kMomCash, amount, std::to_string(billed_month) + "月水电燃气费");
    }
    if (date.day == 15) Expense(day, kDad, kPhone, kIcbc, dice_.Yuan(160, 290), "全家手机话费");
    if (date.day == 1) Expense(day, kDad, kTransport, kDadCash, 100, "公交卡充值");
    if (date.day == 18) Expense(day, kMom, kBooks, kMomCash, dice_.Yuan(20, 120), "买书");
  }

  void YearlyBills(int day, const Ymd& date) {
    const int years = date.year - kFirstYear;
    if (date.month == 3 && date.day == 3) Expense(day, kDad, kInternet, kIcbc, 1200, "宽带包年费");
    if (date.month == 3 && date.day == 15)
      Expense(day, kDad, kInsurance, kIcbc, 3600, "家庭财产保险费", kInsurancePlan);
    if ((date.month == 2 && date.day == 25) || (date.month == 9 && date.day == 1))
      Expense(day, kMom, kTuition, kCcb, 2200 + 200 * years, "小明学费");
  }

  void Shopping(int day, const Ymd& date, int weekday) {
    static const char* const kMarket[] = {"菜市场买菜", "买肉和蔬菜", "买鱼", "买米面油", "买鸡蛋和豆腐"};
    if (weekday == 2 || weekday == 4) Expense(day, kMom, kGroceries, kMomCash, dice_.Yuan(35, 140), dice_.Pick(kMarket));
    if (weekday == 6) {
      Expense(day, kMom, kGroceries, kMomCash, dice_.Yuan(120, 320), "超市采购");
      if (dice_.Chance(50)) Expense(day, kMom, kHousehold, kCard, dice_.Yuan(60, 280), "超市日用品");
      if (dice_.Chance(25)) Expense(day, kMom, kMovies, kMomCash, dice_.Yuan(60, 200), "全家看电影");
    }
    if (weekday == 3) Expense(day, kMom, kSnacks, kMomCash, dice_.Yuan(20, 60), "买水果");
    if (weekday == 0 && dice_.Chance(50)) {
      static const char* const kMeals[] = {"全家外出吃饭", "周末下馆子", "请朋友吃饭", "吃火锅"};
      const bool by_card = dice_.Chance(50);
      Expense(day, kDad, kDining, by_card ? kCard : kDadCash, dice_.Yuan(120, 450), dice_.Pick(kMeals));
    }
    if (date.day == clothing_day_) {
      static const char* const kClothes[] = {"买衣服", "小明买运动鞋", "妈妈买大衣", "爸爸买衬衫", "换季衣服"};
      const bool winter = date.month >= 11 || date.month <= 1;
      Expense(day, kMom, kClothing, kCard, dice_.Yuan(150, winter ? 1600 : 900), dice_.Pick(kClothes));
    }
  }

  void Family(int day, const Ymd& date, int weekday) {
    if (weekday == 1 || weekday == 5) {
      static const char* const kRides[] = {"打车", "打车回家", "地铁", "加班打车"};
      Expense(day, kDad, kTransport, kDadCash, dice_.Yuan(10, 60), dice_.Pick(kRides));
    }
    if (weekday == 1 && dice_.Chance(8)) {
      static const char* const kDoctor[] = {"看病买药", "小明感冒看病", "买药", "看牙"};
      Expense(day, kDad, kMedical, kDadCash, dice_.Yuan(30, 400), dice_.Pick(kDoctor));
    }
    if (weekday == 6 && dice_.Chance(10)) {
      static const char* const kGiftTexts[] = {"同事结婚随礼", "朋友孩子满月", "看望生病的同事"};
      Expense(day, kDad, kGifts, kDadCash, 100 * dice_.Between(2, 6), dice_.Pick(kGiftTexts));
    }
    if (weekday == 0) {
      const double pocket = date.year >= 2007 ? 50 : 30;
      EnsureFunds(day, kDadCash, pocket);
      Entry(day, kDad, 42, kKidCash, kDadCash, pocket, "给小明零用钱");
    }
    // 小明 spends only what his purse holds.
    if ((weekday == 3 || weekday == 6) && dice_.Chance(60)) {
      static const char* const kTreats[] = {"买零食", "买饮料", "买冰淇淋"};
      static const char* const kStationery[] = {"买文具", "买课外书", "买漫画书"};
      const bool books = dice_.Chance(40);
      const double amount = books ? dice_.Yuan(8, 40) : dice_.Yuan(3, 20);
      if (books_.Balance(kKidCash) >= amount) {
        Entry(day, kKid, 3, books ? kBooks : kSnacks, kKidCash, amount,
              books ? dice_.Pick(kStationery) : dice_.Pick(kTreats));
      }
    }
  }

  // Bill on the 5th; on the 23rd the bill is repaid from 招商银行, with
  // interest on the cash drawn on the card during the billed period.
  void CreditCard(int day, const Ymd& date) {
    if (date.day == 23 && billed_ > 0.005) {
      double interest = 0;
      for (const auto& [drawn_on, amount] : billed_advances_) interest += amount * 0.0005 * (day - drawn_on);
      interest = Cents(interest);
      EnsureFunds(day, kCmb, billed_ + interest);
      Entry(day, kDad, 13, kCard, kCmb, billed_, "信用卡还款", kCardInterestAccount, interest);
      billed_ = 0;
      billed_advances_.clear();
    }
    if (date.day == 5) {
      billed_ = Cents(books_.Balance(kCard));
      billed_advances_ = std::move(card_advances_);
      card_advances_.clear();
    }
  }

  void DepositSpareCash(int day) {
    if (books_.Balance(kDadCash) > 5000) {
      const double spare = std::floor((books_.Balance(kDadCash) - 1500) / 1000) * 1000;
      Entry(day, kDad, 40, kDadCash, kIcbc, spare, "多余现金存入活期");
    }
  }

  // Makes sure that the nine entries of September 2008, which pay without
  // topping up, find their money.
  void PrepareFinalMonth(int day) {
    EnsureFunds(day, kMomCash, 400);
    EnsureFunds(day, kKidCash, 60);
    EnsureFunds(day, kDadCash, 100);
    EnsureFunds(day, kCcb, 3000);
  }

  // Exactly one entry on each of 1 to 9 September 2008.
  void FinalNineDays() {
    const auto on = [](int d) { return SerialDay(kLastYear, kLastMonth, d); };
    Entry(on(1), kMom, 3, kTuition, kCcb, 2800, "小明新学期学费");
    Entry(on(2), kMom, 3, kGroceries, kMomCash, 86.5, "菜市场买菜");
    Entry(on(3), kDad, 41, kIcbc, kDadCash, 2000, "ATM取款", kInterestIncome, 0);
    Entry(on(4), kDad, 3, kDining, kCard, 268, "全家吃火锅");
    Entry(on(5), kDad, 2, kDadSalary, kIcbc, 12000, "工资", "", 0, 0, kSalaryPlan);
    Entry(on(6), kKid, 3, kBooks, kKidCash, 35, "买课外书");
    Entry(on(7), kDad, 42, kKidCash, kDadCash, 50, "给小明零用钱");
    Entry(on(8), kMom, 3, kUtilities, kMomCash, 236.8, "水电燃气费");
    Entry(on(9), kDad, 3, kTransport, kDadCash, 45, "打车");
  }

  Books& books_;
  Dice dice_{20080909};
  int clothing_day_ = 0;
  std::vector<std::pair<int, double>> card_advances_;    // cash drawn since the last bill
  std::vector<std::pair<int, double>> billed_advances_;  // cash drawn in the billed period
  double billed_ = 0;                                    // owed at the last bill, not yet repaid
};

// ---- Plans, card, budgets ---------------------------------------------------------

Booking PlanEntry(int kind, const char* account1, const char* account2, double amount,
                  const char* description) {
  Booking b;
  b.kind = kind;
  b.account1 = account1;
  b.account2 = account2;
  b.amount1 = amount;
  b.description = description;
  return b;
}

// The plans as they stand after the last run on 9 September 2008: each
// Last_Chargeup is the next occurrence that run found, the day after which
// nothing has been booked yet.
std::vector<DemoPlan> HouseholdPlans() {
  DemoPlan salary;
  salary.plan_id = kSalaryPlan;
  salary.chargeup_type = 1;
  salary.day = 5;
  salary.person_no = kDad;
  salary.last_chargeup = SerialDay(2008, 10, 5);
  salary.entry = PlanEntry(2, kDadSalary, kIcbc, 12000, "<YM>工资");

  DemoPlan mortgage;
  mortgage.plan_id = kMortgagePlan;
  mortgage.chargeup_type = 0;
  mortgage.day = 20;
  mortgage.person_no = kMom;
  mortgage.last_chargeup = SerialDay(2008, 9, 20);
  mortgage.entry = PlanEntry(8, kMortgage, kCcb, 1200, "<YM>房贷还款");

  DemoPlan insurance;
  insurance.plan_id = kInsurancePlan;
  insurance.chargeup_type = 2;
  insurance.month = 3;
  insurance.day = 15;
  insurance.person_no = kDad;
  insurance.last_chargeup = SerialDay(2009, 3, 15);
  insurance.entry = PlanEntry(3, kInsurance, kIcbc, 3600, "<Y>家庭财产保险费");
  return {salary, mortgage, insurance};
}

std::vector<DemoBudgetLine> HouseholdBudgets() {
  constexpr int kIncome = 1;
  constexpr int kExpense = 2;
  const std::pair<const char*, double> monthly_spending[] = {
      {kGroceries, 1300}, {kDining, 600}, {kSnacks, 200}, {kUtilities, 300}, {kHousehold, 300},
      {kTransport, 350},  {kPhone, 250},  {kClothing, 500}, {kMovies, 150},
  };
  std::vector<DemoBudgetLine> lines;
  for (int month : {200807, 200808, 200809}) {
    for (const auto& [item, cash] : monthly_spending) lines.push_back({month, kExpense, item, cash});
  }
  for (const auto& [item, cash] : monthly_spending) lines.push_back({200853, kExpense, item, cash * 3});
  lines.push_back({200853, kExpense, kTuition, 2800});
  const std::pair<const char*, double> yearly_spending[] = {
      {kGroceries, 15600}, {kDining, 7200},   {kUtilities, 3600}, {kPropertyFee, 1920},
      {kTuition, 5600},    {kInsurance, 3600}, {kTravel, 6000},   {kGifts, 5000},
  };
  for (const auto& [item, cash] : yearly_spending) lines.push_back({200861, kExpense, item, cash});
  lines.push_back({200809, kIncome, kDadSalary, 12000});
  lines.push_back({200809, kIncome, kMomSalary, 6500});
  const std::pair<const char*, double> yearly_income[] = {
      {kDadSalary, 144000}, {kMomSalary, 78000}, {kBonus, 30000}, {kInterestIncome, 800}, {kInvestmentGain, 3000},
  };
  for (const auto& [item, cash] : yearly_income) lines.push_back({200861, kIncome, item, cash});
  return lines;
}

std::vector<DemoPropertyItem> HouseholdPropertyBudget() {
  DemoPropertyItem dad{1, "爸爸工资", 1, 4, 0, 0, 12000, 0, 0.05, 6, 1};
  DemoPropertyItem mom{2, "妈妈工资", 1, 4, 0, 0, 6500, 0, 0.04, 6, 1};
  DemoPropertyItem living{3, "日常生活开支", 2, 4, 0, 0, 0.45, 2, 0, 0, 0};
  DemoPropertyItem inflation{4, "通货膨胀率", 100, 6, 0, 0, 0.03, 1, 0, 0, 0};
  return {dad, mom, living, inflation};
}

// ---- Writing ------------------------------------------------------------------------

SqlValue Int(int value) { return static_cast<std::int64_t>(value); }
// A date as stored, or NULL for "no date".
SqlValue DateOrNull(int serial) { return serial == 0 ? SqlValue(nullptr) : SqlValue(IsoDate(serial)); }

bool WriteChart(const std::vector<ChartAccount>& chart) {
  for (const ChartAccount& a : chart) {
    if (!Database::Execute("INSERT OR REPLACE INTO Item (Item_No, Item_Name, ItemType) VALUES (?1, ?2, ?3)",
                           {a.code, a.name, Int(a.type)}))
      return false;
  }
  return true;
}

bool WriteUsers(const std::vector<DemoUser>& users) {
  for (const DemoUser& u : users) {
    if (!Database::Execute("INSERT OR REPLACE INTO Person (Person_No, Person_Name, Person_Password, Person_Level, "
                           "State, Color_Type, FontType, Welcome_Word) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
                           {Int(u.person_no), u.name, u.password_digest, Int(u.level), Int(u.state),
                            Int(u.color_type), Int(u.font_type), u.welcome_word}) ||
        !Database::Execute("INSERT OR REPLACE INTO PersonRight (Person_No, Voucher, VoucherQuery, VoucherGraph, "
                           "Budget, SystemSet) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                           {Int(u.person_no), Int(u.voucher), Int(u.voucher_query), Int(u.voucher_graph),
                            Int(u.budget), Int(u.system_set)}))
      return false;
  }
  return true;
}

bool WritePlans(const std::vector<DemoPlan>& plans, const AccountTypes& types) {
  for (const DemoPlan& p : plans) {
    Booking entry = p.entry;
    types.Fill(entry);
    if (!Database::Execute("INSERT OR REPLACE INTO AccountInputPlan (PlanID, Input_Type, Chargeup_Type, YYear, "
                           "MMonth, DDay, Week, State, DepositCode, Person_No, Checker_No, Last_Chargeup) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, 0, ?11)",
                           {Int(p.plan_id), Int(KindStored(entry.kind)), Int(p.chargeup_type), Int(p.year),
                            Int(p.month), Int(p.day), Int(p.week), Int(p.state), Int(entry.deposit_code),
                            Int(p.person_no), DateOrNull(p.last_chargeup)}) ||
        !Database::Execute("DELETE FROM Detail_Plan WHERE PlanID = ?1", {Int(p.plan_id)}))
      return false;
    // A plan's lines all carry the description as entered, match strings included.
    for (const VoucherLine& line : ComposeLines(entry)) {
      if (!Database::Execute("INSERT INTO Detail_Plan (PlanID, Line_No, Content, Item_No, Cash, IsDebit) "
                             "VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                             {Int(p.plan_id), Int(line.line), entry.description, line.item, line.cash,
                              Int(line.debit)}))
        return false;
    }
  }
  return true;
}

bool WriteCards(const std::vector<DemoCardSetting>& cards) {
  for (const DemoCardSetting& c : cards) {
    if (!Database::Execute("INSERT OR REPLACE INTO CreditCard (Item_No, PayItem_No, BillDate, PayDate, "
                           "AfterBillDays, PayMode) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                           {c.item_no, c.pay_item_no, Int(c.bill_date), Int(c.pay_date), Int(c.after_bill_days),
                            Int(c.pay_mode)}))
      return false;
  }
  return true;
}

bool WriteBudgets(const std::vector<DemoBudgetLine>& lines, const std::vector<DemoPropertyItem>& items) {
  for (const DemoBudgetLine& l : lines) {
    if (!Database::Execute("INSERT OR REPLACE INTO Budget (TypeID, Budget_No, Item_No, Cash) VALUES (?1, ?2, ?3, ?4)",
                           {Int(l.category), Int(l.budget_no), l.item_no, l.cash}))
      return false;
  }
  for (const DemoPropertyItem& i : items) {
    if (!Database::Execute("INSERT OR REPLACE INTO PropertyBudget (BudgetID, Content, TypeID, CashFrequency, "
                           "StartDate, EndDate, Cash, CashType, Increase, IncreaseFrequency, IncreaseType) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)",
                           {Int(i.budget_id), i.content, Int(i.type_id), Int(i.cash_frequency), DateOrNull(i.start_date),
                            DateOrNull(i.end_date), i.cash, Int(i.cash_type), i.increase, Int(i.increase_frequency),
                            Int(i.increase_type)}))
      return false;
  }
  return true;
}

}  // namespace

DemoHousehold BuildDemoHousehold() {
  DemoHousehold household;
  household.accounts = HouseholdAccounts();
  household.users = HouseholdUsers();
  household.plans = HouseholdPlans();
  household.card_settings = {{kCard, kCmb, 5, 23, 0, 1}};
  household.budgets = HouseholdBudgets();
  household.property_budget = HouseholdPropertyBudget();

  const AccountTypes types(DemoChart(household));
  Books books(types);
  HouseholdHistory(books).Run();
  household.bookings = books.Take();
  for (DemoPlan& plan : household.plans) types.Fill(plan.entry);
  return household;
}

std::vector<ChartAccount> DemoChart(const DemoHousehold& household) {
  return ExtendChart(StandardChart(), household.accounts);
}

bool WriteDemoTables(const DemoHousehold& household) {
  Transaction transaction;
  if (!transaction.ok()) return false;
  const std::vector<ChartAccount> chart = DemoChart(household);
  const bool written = WriteChart(chart) && WriteUsers(household.users) &&
                       WritePlans(household.plans, AccountTypes(chart)) &&
                       WriteCards(household.card_settings) &&
                       WriteBudgets(household.budgets, household.property_budget);
  if (!written) {
    transaction.Fail();
    return false;
  }
  return transaction.Commit();
}

}  // namespace cw
