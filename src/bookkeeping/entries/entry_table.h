#pragma once
// EntryTable: what one entry page shows, built from the ledger and kept in
// step with the voucher engine without reading the page again.
//
//   EntryTable page(32900, RangeOfScope(DateScope::kCurrentMonth, today));
//   GridModel table = page.Build();
//   int number = WriteVoucher(booking);
//   if (page.Covers(number)) page.ApplyWrite(table, number);   // else widen the range and Build again
//
// The Apply* calls repeat on the table what the engine did to the numbers:
// writing voucher v moves the vouchers of its month numbered v and above one
// place up, deleting it moves those above it down, replacing it does both, so
// the keys of the affected rows shift the same way before the row itself is
// put in, taken out or read again.
#include <optional>
#include <string>

#include "bookkeeping/booking/search_conditions.h"
#include "bookkeeping/entries/date_scope.h"
#include "bookkeeping/entries/entry_layout.h"
#include "controls/grid_model.h"

namespace cw {

class EntryTable {
 public:
  // Entry page `page` (32900 to 32908) over the months of `range`. The
  // initial-assets page 32907 lists every opening amount whatever the range.
  EntryTable(int page, VoucherRange range);
  // The search result page 32999: the vouchers `conditions` find on their
  // page, in that page's columns without the running column.
  explicit EntryTable(SearchConditions conditions);

  int Page() const { return page_; }
  // The page whose kinds are listed: the page itself, or the searched page.
  int KindPage() const { return layout_.page; }
  bool IsSearch() const { return search_.has_value(); }
  const VoucherRange& Range() const { return range_; }
  const EntryLayout& Layout() const { return layout_; }
  const std::optional<SearchConditions>& Search() const { return search_; }
  // The number of vouchers the search found (as last built).
  int FoundCount() const { return found_; }

  // Reads the ledger and builds the table.
  GridModel Build();

  // Whether a voucher numbered `number` belongs in the table's months (always
  // on the search result page, which spans the whole ledger).
  bool Covers(int number) const;

  // After the engine wrote voucher `number`.
  void ApplyWrite(GridModel& table, int number);
  // After the engine replaced voucher `old_number`, which is now `new_number`.
  void ApplyReplace(GridModel& table, int old_number, int new_number);
  // After the engine deleted voucher `number`.
  void ApplyDelete(GridModel& table, int number);
  // After the engine set (`checker` > 0) or cleared the audit mark of `number`.
  void ApplyAudit(GridModel& table, int number, int checker) const;

 private:
  // Reads voucher `number` and adds its row when the page lists it.
  void InsertVoucher(GridModel& table, int number);
  void Arrange(GridModel& table);
  // Reads the balance brought forward again (pages with an opening row).
  void RefreshOpening();

  int page_ = 0;
  EntryLayout layout_;
  VoucherRange range_;
  std::optional<SearchConditions> search_;
  std::optional<double> opening_;
  int found_ = 0;
};

}  // namespace cw
