#include "bookkeeping/booking/booking_form.h"

#include <algorithm>

#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw {

bool ShowsThirdLine(int kind) { return LineCount(kind) == 3; }
bool ShowsDepositType(int kind) { return kind == kKindDeposit; }

Booking ComposeBooking(const BookingForm& form) {
  CItemCache& chart = CItemCache::Instance();
  Booking b;
  b.date = form.date;
  b.kind = form.kind;
  b.account1 = form.accounts[0];
  b.account2 = form.accounts[1];
  b.type1 = chart.TypeOf(b.account1);
  b.type2 = chart.TypeOf(b.account2);
  if (ShowsThirdLine(form.kind)) {
    b.account3 = form.accounts[2];
    b.type3 = chart.TypeOf(b.account3);
    b.amount2 = form.amount2;
  }
  b.amount1 = form.amount1;
  b.description = form.description;
  b.deposit_code = ShowsDepositType(form.kind) ? DepositCodeAt(form.deposit_index) : 0;
  return b;
}

BookingForm FormOfVoucher(const Booking& voucher, int page) {
  BookingForm form;
  form.date = voucher.date;
  form.kind = KindShownOnPage(voucher.kind, page);
  form.accounts[0] = voucher.account1;
  form.accounts[1] = voucher.account2;
  form.accounts[2] = voucher.account3;
  form.amount1 = voucher.amount1;
  form.amount2 = voucher.amount2;
  form.description = voucher.description;
  // A code outside the list (written by hand into the data) shows as the first entry.
  form.deposit_index = ShowsDepositType(form.kind) ? std::max(0, DepositIndex(voucher.deposit_code)) : 0;
  return form;
}

}  // namespace cw
