#include "bookkeeping/entries/entry_table.h"

#include <algorithm>

#include "bookkeeping/booking/voucher_search.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_rows.h"
#include "bookkeeping/entries/entry_statistics.h"
#include "bookkeeping/entries/entry_vouchers.h"
#include "bookkeeping/entries/initial_assets.h"
#include "bookkeeping/entries/opening_balance.h"
#include "bookkeeping/entries/person_names.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "store/read_watch.h"

namespace cw {
namespace {

// Whether the page's voucher list takes vouchers of `kind` (its KindFilter).
bool ListsKind(int page, int kind) {
  const std::string filter = KindFilter(page, false, false);
  const std::string term = "Input_Type=" + std::to_string(kind);
  for (std::size_t at = filter.find(term); at != std::string::npos; at = filter.find(term, at + 1)) {
    const std::size_t end = at + term.size();
    if (end == filter.size() || filter[end] == ' ') return true;
  }
  return false;
}

GridModel EmptyTable(const EntryLayout& layout) {
  GridModel table;
  table.SetColumns(layout.columns);
  table.ShowCheckColumn(true);
  return table;
}

}  // namespace

EntryTable::EntryTable(int page, VoucherRange range) : page_(page), layout_(LayoutOfPage(page)), range_(range) {}

EntryTable::EntryTable(SearchConditions conditions)
    : page_(kPageSearchResult),
      layout_(LayoutOfPage(conditions.page, /*with_running=*/false)),
      range_{kAllVouchersFirst, kAllVouchersLast},
      search_(std::move(conditions)) {}

GridModel EntryTable::Build() {
  if (page_ == kPageInitial) return BuildInitialTable(Today());
  ReadWatch reads;
  GridModel table = EmptyTable(layout_);
  const PersonNames names;
  std::vector<EntryVoucher> vouchers;
  if (search_) {
    for (int number : FindVouchers(*search_)) {
      if (std::optional<EntryVoucher> v = ReadEntryVoucher(number)) vouchers.push_back(std::move(*v));
    }
    found_ = static_cast<int>(vouchers.size());
  } else {
    vouchers = ReadEntryVouchers(range_.first, range_.last, KindFilter(page_, false, false));
    if (!layout_.opening_text.empty()) opening_ = OpeningBalance(page_, range_.first);
  }
  for (const EntryVoucher& v : vouchers) {
    if (std::optional<GridRow> row = VoucherRow(layout_, v, names)) table.AddRow(std::move(*row));
  }
  // Rows read up to a failure would show wrong totals: none are shown.
  if (reads.ReportIfFailed()) {
    found_ = 0;
    opening_.reset();
    return EmptyTable(layout_);
  }
  Arrange(table);
  return table;
}

bool EntryTable::Covers(int number) const { return search_ || range_.Contains(number); }

void EntryTable::InsertVoucher(GridModel& table, int number) {
  if (!Covers(number)) return;
  std::optional<EntryVoucher> voucher = ReadEntryVoucher(number);
  if (!voucher || !ListsKind(layout_.page, voucher->kind)) return;
  if (std::optional<GridRow> row = VoucherRow(layout_, *voucher, PersonNames())) table.AddRow(std::move(*row));
}

void EntryTable::Arrange(GridModel& table) { ArrangeEntryTable(table, layout_, opening_); }

void EntryTable::ApplyWrite(GridModel& table, int number) {
  ShiftKeys(table, number - 1, /*up=*/true);
  InsertVoucher(table, number);
  Arrange(table);
}

void EntryTable::ApplyReplace(GridModel& table, int old_number, int new_number) {
  const std::vector<int> rows = RowsOfVoucher(table, old_number);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) table.DeleteRow(*row);
  ShiftKeys(table, old_number, /*up=*/false);
  ShiftKeys(table, new_number - 1, /*up=*/true);
  InsertVoucher(table, new_number);
  // A voucher that left for, or came from, a month before the range changes
  // what is brought forward into it.
  if (old_number < range_.first || new_number < range_.first) RefreshOpening();
  Arrange(table);
}

void EntryTable::RefreshOpening() {
  if (opening_) opening_ = OpeningBalance(page_, range_.first);
}

void EntryTable::ApplyDelete(GridModel& table, int number) {
  const std::vector<int> rows = RowsOfVoucher(table, number);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) table.DeleteRow(*row);
  ShiftKeys(table, number, /*up=*/false);
  // The initial-assets page keeps its account order and has no statistics rows.
  if (page_ != kPageInitial) Arrange(table);
}

void EntryTable::ApplyAudit(GridModel& table, int number, int checker) const {
  const std::string name = checker > 0 ? PersonNames().NameOf(checker) : std::string();
  for (int row : RowsOfVoucher(table, number)) table.SetCell(row, layout_.checker, name);
}

}  // namespace cw
