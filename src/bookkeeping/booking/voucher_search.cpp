#include "bookkeeping/booking/voucher_search.h"

#include <algorithm>
#include <cmath>

#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr int kSearchStatement = 950;
constexpr double kZero = 0.0000001;

struct FoundVoucher {
  int number = 0;
  int kind = 0;
  std::vector<SearchLine> lines;
};

// The vouchers of the page's kinds that meet the text and date conditions.
std::vector<FoundVoucher> ReadCandidates(const SearchConditions& c) {
  const std::string kinds = KindFilter(c.page, /*with_initial=*/false, /*plans_only=*/false);
  if (kinds.empty()) return {};
  const SqlValue pattern = c.text_on ? SqlValue(ContainsPattern(c.text)) : SqlValue(nullptr);
  // Dates are compared as text from the first day up to the day after the last,
  // so a date stored with a time of day still counts for its day.
  const SqlValue from = c.dates_on ? SqlValue(IsoDate(c.first_day)) : SqlValue(nullptr);
  const SqlValue until = c.dates_on ? SqlValue(IsoDate(c.last_day + 1)) : SqlValue(nullptr);

  std::vector<FoundVoucher> found;
  CDBPack rows;
  rows.Open(Database::LoadStatement(kSearchStatement, kinds),
            {kAllVouchersFirst, kAllVouchersLast, pattern, from, until});
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const int number = rows.GetLong("Voucher_No");
    if (found.empty() || found.back().number != number) found.push_back({number, rows.GetByte("Input_Type"), {}});
    found.back().lines.push_back({rows.GetText("Item_No"), rows.GetDouble("Cash")});
  }
  return found;
}

}  // namespace

bool ListedOnPage(int page, int kind, const std::vector<SearchLine>& lines) {
  if (page == kPageCreditCard && kind == kKindExpense) {
    return lines.size() > 1 && CItemCache::Instance().TypeOf(lines[1].account) == kTypeCreditCard;
  }
  if (page == kPageIncomeExpense && LineCount(kind) == 3) {
    return lines.size() > 2 && std::fabs(lines[2].cash) >= kZero;
  }
  return !lines.empty();
}

std::vector<double> ShownAmounts(int page, int kind, const std::vector<SearchLine>& lines) {
  if (lines.empty()) return {};
  if (page == kPageIncomeExpense && LineCount(kind) == 3 && lines.size() > 2) return {lines[2].cash};
  if (page == PageOfKind(kKindSale).page && kind == kKindSale && lines.size() > 1) {
    return {lines[0].cash, lines[1].cash};
  }
  return {lines[0].cash};
}

std::vector<int> FindVouchers(const SearchConditions& c) {
  std::vector<int> numbers;
  for (const FoundVoucher& v : ReadCandidates(c)) {
    if (!ListedOnPage(c.page, v.kind, v.lines)) continue;
    if (c.amount_on) {
      const std::vector<double> amounts = ShownAmounts(c.page, v.kind, v.lines);
      if (std::none_of(amounts.begin(), amounts.end(), [&c](double a) { return AmountPasses(c, a); })) continue;
    }
    numbers.push_back(v.number);
  }
  return numbers;
}

}  // namespace cw
