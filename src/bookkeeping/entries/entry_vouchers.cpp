#include "bookkeeping/entries/entry_vouchers.h"

#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr int kVouchersWithLines = 960;
constexpr int kInitialVouchers = 961;

// Folds the rows of a record-and-line join (in number and line order) into
// vouchers.
std::vector<EntryVoucher> Collect(CDBPack& rows) {
  std::vector<EntryVoucher> vouchers;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    const int number = rows.GetLong("Voucher_No");
    if (vouchers.empty() || vouchers.back().number != number) {
      EntryVoucher& v = vouchers.emplace_back();
      v.number = number;
      v.date = static_cast<int>(rows.GetDate("Input_Time"));
      v.kind = rows.GetByte("Input_Type");
      v.person = rows.GetLong("Person_No");
      v.checker = rows.GetLong("Checker_No");
      v.deposit = rows.GetLong("DepositCode");
    }
    vouchers.back().lines.push_back({rows.GetText("Content"), rows.GetText("Item_No"), rows.GetDouble("Cash")});
  }
  return vouchers;
}

const std::string kNoText;

}  // namespace

double EntryVoucher::Amount1() const { return Cash(0); }

double EntryVoucher::Amount2() const {
  if (LineCount(kind) != 3) return 0;
  return kind == 10 ? Cash(1) : Cash(1) - Cash(0);
}

const std::string& EntryVoucher::Description() const { return lines.empty() ? kNoText : lines[0].content; }

const std::string& EntryVoucher::Account(int line) const {
  return line >= 0 && line < static_cast<int>(lines.size()) ? lines[line].item : kNoText;
}

double EntryVoucher::Cash(int line) const {
  return line >= 0 && line < static_cast<int>(lines.size()) ? lines[line].cash : 0;
}

std::vector<EntryVoucher> ReadEntryVouchers(int first, int last, const std::string& kind_condition) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(kVouchersWithLines, kind_condition), {first, last});
  return Collect(rows);
}

std::optional<EntryVoucher> ReadEntryVoucher(int number) {
  std::vector<EntryVoucher> found = ReadEntryVouchers(number, number, "1=1");
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

std::vector<EntryVoucher> ReadInitialVouchers() {
  CDBPack rows;
  rows.Open(Database::LoadStatement(kInitialVouchers));
  return Collect(rows);
}

}  // namespace cw
