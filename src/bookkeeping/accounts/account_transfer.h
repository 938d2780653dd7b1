#pragma once
// Moving every booking of one leaf to another ("数据转移"): both accounts must
// be typed leaves of the same type; the user confirms, and chooses whether the
// scheduled bookings follow.
#include <string>

#include "bookkeeping/accounts/account_result.h"

namespace cw {

class Prompter;

// The check of one field of the move dialog (`field` kFrom or kTo): the code is
// in the chart, is a leaf and has a type. A refusal is shown.
AccountResult CheckTransferAccount(const std::string& code, AccountField field, Prompter& prompter);

// Checks both fields, then that they differ and have one type; asks
// "确实要转移记账数据吗？" and "是否对预约记账中科目也做此转移？" and moves the
// voucher lines (and, on Yes to the second question, the scheduled bookings)
// in one transaction; informs "记账数据转移成功。" when done.
AccountResult TransferBookings(const std::string& from, const std::string& to, Prompter& prompter);

}  // namespace cw
