#pragma once
// Opens a voucher from a ledger or day-records row in the booking dialog of
// its kind's page: for changing when the logged-in user entered it and it is
// not audited, else for viewing. Vouchers of kind 0 are not opened.
class QWidget;

namespace cw {

// True when the voucher was changed (the caller builds its table again).
bool OpenVoucherFromRow(QWidget* parent, int number);

}  // namespace cw
