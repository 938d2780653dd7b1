#pragma once
// Vouchers as the entry pages read them: the record with its lines.
#include <optional>
#include <string>
#include <vector>

namespace cw {

struct EntryLine {
  std::string content;  // Content
  std::string item;     // Item_No
  double cash = 0;      // Cash
};

struct EntryVoucher {
  int number = 0;                // Voucher_No
  int date = 0;                  // Input_Time as a serial day
  int kind = 0;                  // Input_Type
  int person = 0;                // Person_No
  int checker = 0;               // Checker_No
  int deposit = 0;               // DepositCode
  std::vector<EntryLine> lines;  // in line order

  // The amount field of the form: line 0.
  double Amount1() const;
  // The second amount of the three-line kinds: the proceeds (kind 10, line 1)
  // or the interest (kinds 13 and 41, line 1 minus line 0); 0 for other kinds.
  double Amount2() const;
  const std::string& Description() const;
  // The account of line `line`, empty when the voucher has no such line.
  const std::string& Account(int line) const;
  double Cash(int line) const;
};

// The vouchers numbered first..last whose kind passes `kind_condition` (a
// KindFilter text), in number order, each with its lines.
std::vector<EntryVoucher> ReadEntryVouchers(int first, int last, const std::string& kind_condition);
// One voucher with its lines; nothing when it does not exist.
std::optional<EntryVoucher> ReadEntryVoucher(int number);

// The opening vouchers (kind 1) in number order, each with its line 0 only.
std::vector<EntryVoucher> ReadInitialVouchers();

}  // namespace cw
