#include "reports/ui/voucher_opening.h"

#include "bookkeeping/booking/ui/charge_up.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"

namespace cw {

bool OpenVoucherFromRow(QWidget* parent, int number) {
  const std::optional<Booking> voucher = ReadVoucher(number);
  if (!voucher || voucher->kind == 0) return false;
  const int page = PageOfKind(voucher->kind).page;
  if (CanEdit(*voucher)) return CChargeUp::EditVoucher(parent, page, number) != 0;
  CChargeUp::ViewVoucher(parent, page, number);
  return false;
}

}  // namespace cw
