#include "bookkeeping/entries/entry_rows.h"

#include <cmath>
#include <cstdlib>

#include "base/gbk_text.h"
#include "bookkeeping/booking/voucher_search.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_texts.h"
#include "bookkeeping/entries/initial_assets.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

// Cells in the page's full layout: column 2 on are the page's own.
using Cells = std::vector<std::string>;

std::string Name(const EntryVoucher& v, int line) { return CItemCache::Instance().NameOf(v.Account(line)); }

void Put(Cells& cells, int column, std::string text) {
  if (column >= 0 && column < static_cast<int>(cells.size())) cells[column] = std::move(text);
}

// The two account columns: which line goes first differs per kind.
void PutAccounts(Cells& cells, const EntryVoucher& v, int first_line, int second_line) {
  Put(cells, 2, Name(v, first_line));
  Put(cells, 3, Name(v, second_line));
}

// The lending and borrowing pages: the page's first kind fills the first
// amount column, its second kind the second. The category account stands
// first; it is line 0 of one kind and line 1 of the other (`swap_for_first`:
// line 1 for the first kind).
void PutPair(Cells& cells, const EntryVoucher& v, int first_kind, bool swap_for_first) {
  const bool first = v.kind == first_kind;
  const bool line0_first = first != swap_for_first;
  PutAccounts(cells, v, line0_first ? 0 : 1, line0_first ? 1 : 0);
  Put(cells, first ? 4 : 5, AmountText(v.Amount1()));
}

void FillIncomeExpense(Cells& cells, const EntryVoucher& v) {
  PutAccounts(cells, v, 0, 1);
  Put(cells, v.kind == kKindExpense ? 5 : 4, AmountText(v.Amount1()));
}

void FillDeposit(Cells& cells, const EntryVoucher& v) {
  if (v.kind == kKindDeposit) {
    PutAccounts(cells, v, 0, 1);
    Put(cells, 4, DepositName(DepositIndex(v.deposit)));
    Put(cells, 5, AmountText(v.Amount1()));
    return;
  }
  PutAccounts(cells, v, 1, 0);
  Put(cells, 6, AmountText(v.Amount1()));
  if (std::fabs(v.Amount2()) >= 0.0000001) Put(cells, 7, AmountText(v.Amount2()));
}

void FillInvestment(Cells& cells, const EntryVoucher& v) {
  PutAccounts(cells, v, 0, 1);
  if (v.kind != kKindSale) {
    Put(cells, 4, AmountText(v.Amount1()));
    return;
  }
  const double gain = v.Amount2() - v.Amount1();
  Put(cells, 5, AmountText(v.Amount1()));
  Put(cells, 6, AmountText(v.Amount2()));
  Put(cells, 7, AmountText(gain));
  Put(cells, 8, RateText(gain, v.Amount1()));
}

void FillCreditCard(Cells& cells, const EntryVoucher& v) {
  if (v.kind == kKindExpense) {
    // A purchase: the card paid (line 1) for the expense (line 0).
    PutAccounts(cells, v, 1, 0);
    Put(cells, 4, AmountText(v.Amount1()));
    return;
  }
  PutAccounts(cells, v, 0, 1);
  if (v.kind != kKindRepayment) {
    Put(cells, 4, AmountText(v.Amount1()));
    return;
  }
  Put(cells, 5, AmountText(v.Amount1()));
  if (std::fabs(v.Amount2()) >= 0.0000001) Put(cells, 6, AmountText(v.Amount2()));
}

// An opening amount: the account's path, and the amount as property or as debt.
void FillInitial(Cells& cells, const EntryVoucher& v) {
  Put(cells, kInitialCategory, AccountPath(v.Account(0)));
  Put(cells, InitialAmountColumn(v.Account(0)), AmountText(v.Amount1()));
}

void FillPageCells(int page, Cells& cells, const EntryVoucher& v) {
  switch (page) {
    case 32900: FillIncomeExpense(cells, v); break;
    case 32901: FillDeposit(cells, v); break;
    case 32902:
    case 32903:
      PutAccounts(cells, v, 0, 1);
      Put(cells, 4, AmountText(v.Amount1()));
      break;
    case 32904: PutPair(cells, v, 5, false); break;  // 借出: lent-funds account first
    case 32905: PutPair(cells, v, 7, true); break;   // 借入: the lender's account is line 1
    case 32906: FillInvestment(cells, v); break;
    case kPageInitial: FillInitial(cells, v); break;
    case 32908: FillCreditCard(cells, v); break;
    default: break;
  }
}

// The generated row of a sale's gain or loss, a withdrawal's interest or a
// card repayment's interest: its income or expense account (line 2), the
// money account (line 1), and the amount as income or as expense.
void FillGenerated(Cells& cells, const EntryVoucher& v, std::string& description) {
  double income = 0, expense = 0;
  const char* mark = "";
  switch (v.kind) {
    case kKindSale: {
      mark = entry_texts::kGainMark;
      const double gain = v.Amount2() - v.Amount1();
      (gain > 0 ? income : expense) = std::fabs(gain);
      break;
    }
    case kKindWithdrawal:
      mark = entry_texts::kDepositInterestMark;
      income = v.Amount2();
      break;
    case kKindRepayment:
      mark = entry_texts::kCardInterestMark;
      expense = v.Amount2();
      break;
    default: break;
  }
  description = mark + description;
  PutAccounts(cells, v, 2, 1);
  Put(cells, income > 0 ? 4 : 5, AmountText(income > 0 ? income : expense));
}

std::vector<SearchLine> LinesForListing(const EntryVoucher& v) {
  std::vector<SearchLine> lines;
  for (const EntryLine& line : v.lines) lines.push_back({line.item, line.cash});
  return lines;
}

}  // namespace

std::string AccountPath(const std::string& account) {
  std::string path = CItemCache::Instance().FullPath(account);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string AmountText(double amount) { return StrFormat("%.2f", std::fabs(amount) < 0.005 ? 0.0 : amount); }

double AmountOf(const std::string& cell) { return std::strtod(cell.c_str(), nullptr); }

std::string RateText(double gain, double principal) {
  return principal <= 0.000001 ? "0.0%" : StrFormat("%.1f%%", gain * 100 / principal);
}

std::optional<GridRow> VoucherRow(const EntryLayout& layout, const EntryVoucher& voucher, const PersonNames& names) {
  if (!ListedOnPage(layout.page, voucher.kind, LinesForListing(voucher))) return std::nullopt;
  const EntryLayout full = LayoutOfPage(layout.page);
  Cells cells(full.columns.size());
  std::string description = voucher.Description();
  const bool generated = layout.page == kPageIncomeExpense && LineCount(voucher.kind) == 3;
  if (generated) {
    FillGenerated(cells, voucher, description);
  } else {
    FillPageCells(layout.page, cells, voucher);
  }
  cells[EntryLayout::kDate] = IsoDate(voucher.date);
  cells[EntryLayout::kDescription] = description;
  cells[full.person] = names.NameOf(voucher.person);
  cells[full.checker] = names.NameOf(voucher.checker);

  GridRow row;
  row.key = generated ? GeneratedRowKey(voucher.number) : VoucherRowKey(voucher.number);
  row.cells = FitCells(layout, std::move(cells));
  row.checkable = true;
  if (generated) row.background = kGeneratedRowBackground;
  return row;
}

}  // namespace cw
