#pragma once
// One money movement in booking form: what the booking dialog collects and what
// the voucher engine turns into a numbered voucher with two or three lines.
#include <string>

namespace cw {

struct Booking {
  int date = 0;            // booking date as a day number (days since 1899-12-30); only the day matters
  int kind = 0;            // Input_Type; 11 is accepted and written as 3
  std::string account1;    // Item_No of line 0
  std::string account2;    // Item_No of line 1
  std::string account3;    // Item_No of line 2 (three-line kinds only)
  int type1 = 0;           // ItemType of the three accounts
  int type2 = 0;
  int type3 = 0;
  double amount1 = 0;      // amount of line 0
  double amount2 = 0;      // proceeds (kind 10) or interest (kinds 13 and 41)
  std::string description; // Content
  int deposit_code = 0;    // DepositCode of a deposit (kind 40)
  int plan = 0;            // PlanID; 0 for a booking made by hand
  // IsDebit of the lines when the caller supplies them (scheduled bookings);
  // when has_line_flags is false the debit rule decides.
  bool has_line_flags = false;
  bool line_flags[3] = {false, false, false};
  // Filled by ReadVoucher only.
  int person_no = 0;
  int checker_no = 0;
};

}  // namespace cw
