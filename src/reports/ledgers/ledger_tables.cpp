#include "reports/ledgers/ledger_tables.h"

#include <cmath>
#include <unordered_map>
#include <vector>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/balances.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kZero = 0.0000001;

std::string Amount(double value) { return StrFormat("%.2f", value + 0.0); }

// Increase and decrease sides of a category's accounts (the sign rule).
struct Sides {
  double increase = 0;
  double decrease = 0;
  void Add(int type, bool is_debit, double cash) { (IncreasesBalance(type, is_debit) ? increase : decrease) += cash; }
  void Clear() { increase = decrease = 0; }
};

// ---- detail tables ----------------------------------------------------------------

struct DetailColumns {
  const char* titles[3];
};

DetailColumns AmountTitles(int type) {
  switch (type) {
    case kTypeIncome: return {{"收入", "累计", nullptr}};
    case kTypeExpense: return {{"支出", "累计", nullptr}};
    case kTypeCash: return {{"转入", "转出", "现金余额"}};
    case kTypeBank: return {{"转入", "转出", "存款余额"}};
    case kTypeLent: return {{"借出", "收回", "累计借出"}};
    case kTypeBorrowed: return {{"借入", "返还", "累计借入"}};
    case kTypeCreditCard: return {{"消费/取现", "还信用卡", "累计欠款"}};
    default: return {{"买入本金", "卖出本金", "本金余额"}};
  }
}

bool IsIncomeOrExpense(int type) { return type == kTypeIncome || type == kTypeExpense; }

// Builds the rows of a detail table while the lines are walked.
class DetailBuilder {
 public:
  DetailBuilder(int type, GridModel& grid) : type_(type), grid_(grid) {}

  // One movement of an account of this category before the range; `same_year`
  // when it lies in the start's year.
  void AddBefore(bool is_debit, double cash, bool same_year) {
    total_.Add(type_, is_debit, cash);
    if (same_year) year_.Add(type_, is_debit, cash);
  }

  void OpeningRow() {
    GridRow row = TotalRow("  期 初 余 额");
    row.cells[IsIncomeOrExpense(type_) ? 3 : 4] = Amount(Balance(total_));
    grid_.AddRow(std::move(row));
  }

  // A line of the range, in date order. `month_key` is year * 100 + month.
  void Line(int month_key, int number, double date, const std::string& content, const std::string& item,
            bool is_debit, double cash) {
    if (current_key_ == 0) current_key_ = month_key;
    if (month_key != current_key_) {
      SubtotalRow(StrFormat("  %2d 月 统 计", current_key_ % 100), month_);
      month_.Clear();
      if (month_key / 100 != current_key_ / 100) {
        SubtotalRow(StrFormat("  %d 年 统 计", current_key_ / 100), year_);
        year_.Clear();
      }
      current_key_ = month_key;
    }
    if (CItemCache::Instance().TypeOf(item) != type_) return;
    const bool increase = IncreasesBalance(type_, is_debit);
    month_.Add(type_, is_debit, cash);
    year_.Add(type_, is_debit, cash);
    total_.Add(type_, is_debit, cash);
    GridRow row;
    row.key = number;
    row.cells.assign(ColumnCount(), "");
    row.cells[0] = IsoDate(static_cast<int>(date));
    row.cells[1] = content;
    if (type_ == kTypeIncome) {
      row.cells[2] = (increase ? "" : "-") + Amount(cash);
      row.cells[3] = Amount(Balance(total_));
    } else if (type_ == kTypeExpense) {
      row.cells[2] = (increase ? "-" : "") + Amount(cash);
      row.cells[3] = Amount(Balance(total_));
    } else {
      row.cells[increase ? 2 : 3] = Amount(cash);
      row.cells[4] = Amount(Balance(total_));
    }
    grid_.AddRow(std::move(row));
  }

  void Finish() {
    if (month_.increase > 0 || month_.decrease > 0) {
      SubtotalRow(StrFormat("  %2d 月 统 计", current_key_ % 100), month_);
      SubtotalRow(StrFormat("  %d 年 统 计", current_key_ / 100), year_);
    }
    SubtotalRow("  累         计", total_);
  }

 private:
  int ColumnCount() const { return IsIncomeOrExpense(type_) ? 4 : 5; }
  // Expense tables show spending positive: decrease (debits) less increase.
  double Balance(const Sides& s) const { return type_ == kTypeExpense ? s.decrease - s.increase : s.increase - s.decrease; }

  GridRow TotalRow(const std::string& text) const {
    GridRow row;
    row.cells.assign(ColumnCount(), "");
    row.cells[1] = text;
    row.background = kTotalRowBackground;
    return row;
  }

  void SubtotalRow(const std::string& text, const Sides& sums) {
    GridRow row = TotalRow(text);
    if (IsIncomeOrExpense(type_)) {
      row.cells[2] = Amount(Balance(sums));
    } else {
      row.cells[2] = Amount(sums.increase);
      row.cells[3] = Amount(sums.decrease);
    }
    grid_.AddRow(std::move(row));
  }

  const int type_;
  GridModel& grid_;
  Sides month_, year_, total_;
  int current_key_ = 0;
};

// ---- balance tables ---------------------------------------------------------------

struct BalanceTitles {
  const char* opening;
  const char* increase;
  const char* decrease;
  const char* closing;
};

BalanceTitles BalanceColumnTitles(int type) {
  switch (type) {
    case kTypeCash: return {"期初现金余额", "转入", "转出", "期末现金余额"};
    case kTypeBank: return {"期初存款余额", "转入", "转出", "期末存款余额"};
    case kTypeInvestment: return {"期初本金余额", "买入本金", "卖出本金", "期末本金余额"};
    case kTypeLent: return {"期初累计借出", "借出", "收回", "期末累计借出"};
    case kTypeBorrowed: return {"期初累计借入", "借入", "返还", "期末累计借入"};
    default: return {"期初累计欠款", "消费/取现", "还信用卡", "期末累计欠款"};
  }
}

struct AccountSums {
  Sides opening, period;
};

// Per account the debit and credit sums over the months first..last.
void ReadSums(int first_month, int last_month, bool opening, std::unordered_map<std::string, AccountSums>& sums) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(970), {first_month, last_month});
  CItemCache& chart = CItemCache::Instance();
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const std::string item = rows.GetText("Item_No");
    const int type = chart.TypeOf(item);
    Sides& sides = opening ? sums[item].opening : sums[item].period;
    sides.Add(type, true, rows.GetDouble("Debit"));
    sides.Add(type, false, rows.GetDouble("Loan"));
  }
}

std::string AmountUnlessZero(double value) { return std::fabs(value) < kZero ? std::string() : Amount(value); }

}  // namespace

LedgerRange LedgerRange::OfMonths(int first_yyyymm, int last_yyyymm) {
  return {first_yyyymm * 1000, last_yyyymm * 1000 + 999};
}

std::string RangeText(const LedgerRange& range) {
  return StrFormat("%d年%d月 - %d年%d月", range.start / 100000, range.start / 1000 % 100, range.end / 100000,
                   range.end / 1000 % 100);
}

LedgerTable BuildDetailTable(const std::string& account, const LedgerRange& range) {
  const int type = CItemCache::Instance().TypeOf(account);
  LedgerTable table;
  table.title = PageTitle(PageOfType(type, true));
  std::vector<GridColumn> columns = {{"日  期", 100, Align::Centre}, {"说    明", 200, Align::Left}};
  for (const char* title : AmountTitles(type).titles) {
    if (title) columns.push_back({title, 100, Align::Right, true, SortKind::Number});
  }
  table.grid.SetColumns(std::move(columns));

  DetailBuilder builder(type, table.grid);
  CItemCache& chart = CItemCache::Instance();
  {
    // Before the range: the month totals of the account and its sub-accounts.
    CDBPack rows;
    rows.Open(Database::LoadStatement(973), {account, 0, range.FirstMonth() - 1});
    const int start_year = range.start / 100000;
    for (; !rows.IsEnd(); rows.MoveNext()) {
      if (chart.TypeOf(rows.GetText("Item_No")) != type) continue;
      const bool same_year = rows.GetLong("Month") / 100 == start_year;
      builder.AddBefore(true, rows.GetDouble("Debit"), same_year);
      builder.AddBefore(false, rows.GetDouble("Loan"), same_year);
    }
  }
  builder.OpeningRow();
  CDBPack rows;
  rows.Open(Database::LoadStatement(980), {account, range.start, range.end});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const int number = rows.GetLong("Voucher_No");
    builder.Line(number / 1000, number, rows.GetDate("Input_Time"), rows.GetText("Content"), rows.GetText("Item_No"),
                 rows.GetBool("IsDebit"), rows.GetDouble("Cash"));
  }
  builder.Finish();
  return table;
}

LedgerTable BuildBalanceTable(int type, const LedgerRange& range) {
  LedgerTable table;
  table.title = PageTitle(PageOfType(type, false));
  const bool income_or_expense = IsIncomeOrExpense(type);
  if (type == kTypeIncome) {
    table.grid.SetColumns({{"科目名称", 120}, {"期初收入余额", 120, Align::Right, true, SortKind::Number},
                           {"本期收入", 120, Align::Right, true, SortKind::Number},
                           {"期末收入余额", 120, Align::Right, true, SortKind::Number}});
  } else if (type == kTypeExpense) {
    table.grid.SetColumns({{"科目名称", 120}, {"期初支出累计", 120, Align::Right, true, SortKind::Number},
                           {"本期支出", 120, Align::Right, true, SortKind::Number},
                           {"期末支出累计", 120, Align::Right, true, SortKind::Number}});
  } else {
    const BalanceTitles t = BalanceColumnTitles(type);
    table.grid.SetColumns({{"科目名称", 120}, {t.opening, 120, Align::Right, true, SortKind::Number},
                           {t.increase, 120, Align::Right, true, SortKind::Number},
                           {t.decrease, 120, Align::Right, true, SortKind::Number},
                           {t.closing, 120, Align::Right, true, SortKind::Number}});
    table.span = HeaderSpan{"本期发生额", 2, 3};
  }

  std::unordered_map<std::string, AccountSums> by_code;
  ReadSums(0, range.FirstMonth() - 1, true, by_code);
  ReadSums(range.FirstMonth(), range.LastMonth(), false, by_code);
  const std::vector<CItemCache::Entry> accounts = CItemCache::Instance().Entries();
  std::vector<AccountSums> sums(accounts.size());
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    auto it = by_code.find(accounts[i].code);
    if (it == by_code.end()) continue;
    sums[i] = it->second;
    // The opening pair is netted: only the larger side keeps the difference.
    Sides& o = sums[i].opening;
    if (o.decrease <= o.increase) {
      o.increase -= o.decrease;
      o.decrease = 0;
    } else {
      o.decrease -= o.increase;
      o.increase = 0;
    }
  }
  // A summary account holds its own sums plus those of its descendants of this category.
  std::vector<AccountSums> rolled = sums;
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    if (accounts[i].leaf) continue;
    const std::string& code = accounts[i].code;
    for (std::size_t j = i + 1; j < accounts.size() && accounts[j].code.size() > code.size() &&
                                accounts[j].code.compare(0, code.size(), code) == 0;
         ++j) {
      if (accounts[j].type != type) continue;
      rolled[i].opening.increase += sums[j].opening.increase;
      rolled[i].opening.decrease += sums[j].opening.decrease;
      rolled[i].period.increase += sums[j].period.increase;
      rolled[i].period.decrease += sums[j].period.decrease;
    }
  }
  const double sign = type == kTypeExpense ? -1 : 1;
  std::vector<std::string> parents;  // codes of the rows above, the nearest last
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    const CItemCache::Entry& account = accounts[i];
    if (account.type != type) continue;
    while (!parents.empty() && parents.back().size() >= account.code.size()) parents.pop_back();
    const AccountSums& s = rolled[i];
    GridRow row;
    row.key = account.code;
    row.level = static_cast<int>(parents.size());
    if (!account.leaf) row.background = kTotalRowBackground;
    row.cells.assign(table.grid.ColumnCount(), "");
    row.cells[0] = account.name;
    row.cells[1] = AmountUnlessZero(sign * (s.opening.increase - s.opening.decrease));
    const double closing =
        sign * (s.opening.increase + s.period.increase - s.opening.decrease - s.period.decrease);
    if (income_or_expense) {
      row.cells[2] = AmountUnlessZero(sign * (s.period.increase - s.period.decrease));
      row.cells[3] = Amount(closing);
    } else {
      row.cells[2] = AmountUnlessZero(s.period.increase);
      row.cells[3] = AmountUnlessZero(s.period.decrease);
      row.cells[4] = Amount(closing);
    }
    table.grid.AddRow(std::move(row));
    parents.push_back(account.code);
  }
  return table;
}

}  // namespace cw
