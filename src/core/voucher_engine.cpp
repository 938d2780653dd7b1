#include "core/voucher_engine.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_lines.h"
#include "store/database.h"
#include "store/month_totals.h"
#include "store/row_reader.h"

namespace cw {
namespace {

// Parking offset of a shifted block: far below every real voucher number.
constexpr int kParkOffset = 100000000;

bool RunShift(char op, int offset, int lower, int upper) {
  SqlParams params{std::string(1, op), offset, lower, upper};
  return Database::Execute(Database::LoadStatement(412), params) &&
         Database::Execute(Database::LoadStatement(411), params);
}

// The classic move of the block above `after`: park it far below every real
// number, then bring it back one place higher or lower. Two passes over the
// block, but no two vouchers share a number at any moment.
bool ParkAndReturn(int after, int next, bool up) {
  const int park = up ? kParkOffset : kParkOffset + 1;
  const int back = up ? kParkOffset + 1 : kParkOffset;
  const int parked_after = after - park;
  return RunShift('-', park, after, next) &&
         RunShift('+', back, parked_after, parked_after / 1000 * 1000 + 1000);
}

// True when a voucher record or line is numbered `number`.
bool NumberInUse(int number) {
  CDBPack record;
  record.Open(Database::LoadStatement(250), {number});
  if (!record.IsEnd()) return true;
  CDBPack lines;
  lines.Open(Database::LoadStatement(253), {number});
  return !lines.IsEnd();
}

// Row keys of the voucher tables: a number, or a number and a line.
using LineKey = std::pair<int, int>;  // Voucher_No, Line_No
int Shifted(int number, int by) { return number + by; }
LineKey Shifted(const LineKey& key, int by) { return {key.first + by, key.second}; }

// The one-pass move of the block lower < number < upper by `step` (+1 or -1).
// Statement `copy` writes every row of the block at its new number, over the
// row that stood there (it reads the whole block before it writes); then each
// old key that no copy landed on is removed: the lowest voucher of a block
// moving up, the highest of one moving down, and a line 2 next to a voucher of
// two lines. `keys` are the block's row keys in ascending order.
template <typename Key, typename Remove>
bool MoveBlock(const std::vector<Key>& keys, int copy, int step, int lower, int upper, Remove remove) {
  if (keys.empty()) return true;
  if (!Database::Execute(Database::LoadStatement(copy), {step, lower, upper})) return false;
  for (const Key& key : keys) {
    if (!std::binary_search(keys.begin(), keys.end(), Shifted(key, -step)) && !remove(key)) return false;
  }
  return true;
}

bool MoveRecords(int lower, int upper, int step) {
  std::vector<int> numbers;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(905), {lower, upper});
    for (; !rows.IsEnd(); rows.MoveNext()) numbers.push_back(rows.GetLong("Voucher_No"));
  }
  return MoveBlock(numbers, 906, step, lower, upper,
                   [](int number) { return Database::Execute(Database::LoadStatement(254), {number}) != 0; });
}

bool MoveLines(int lower, int upper, int step) {
  std::vector<LineKey> keys;
  {
    CDBPack rows;
    rows.Open(Database::LoadStatement(907), {lower, upper});
    for (; !rows.IsEnd(); rows.MoveNext()) keys.emplace_back(rows.GetLong("Voucher_No"), rows.GetShort("Line_No"));
  }
  return MoveBlock(keys, 908, step, lower, upper, [](const LineKey& key) {
    return Database::Execute(Database::LoadStatement(909), {key.first, key.second}) != 0;
  });
}

bool MonthIsFull(int number) {
  CDBPack rows;
  int first = number / 1000 * 1000 + 1;
  rows.Open(Database::LoadStatement(258), {first, first + kMaxVouchersPerMonth - 1});
  return !rows.IsEnd() && VoucherSequence(rows.GetLong("Voucher_No")) >= kMaxVouchersPerMonth;
}

bool InsertVoucher(int number, const Booking& b) {
  const int kind = KindStored(b.kind);
  bool ok = Database::Execute(Database::LoadStatement(263),
                              {number, IsoDate(b.date), 0, LoggedInPerson(), kind, b.plan, b.deposit_code});
  for (const VoucherLine& line : ComposeLines(b)) {
    ok = ok && Database::Execute(Database::LoadStatement(264),
                                 {number, line.line, line.content, line.item, line.cash, line.debit ? 1 : 0});
  }
  return ok;
}

// Removes the record and lines of `number` without closing the gap.
bool RemoveVoucher(int number) {
  return Database::Execute(Database::LoadStatement(254), {number}) &&
         Database::Changes() == 1 &&
         Database::Execute(Database::LoadStatement(256), {number});
}

int Finish(Transaction& tx, int number) { return tx.ok() && tx.Commit() ? number : 0; }

}  // namespace

int NextVoucherNumber(int date, int hint) {
  const Ymd day = DateOfSerialDay(date);
  const int month_base = day.year * 100000 + day.month * 1000;
  CDBPack rows;
  rows.Open(Database::LoadStatement(413), {IsoDate(SerialDay(day.year, day.month, 1)), month_base + 999});
  if (rows.IsEnd()) return month_base + 1;

  // Walk to the first voucher dated on or after the day (or to the last one).
  int s = 0;
  double ts = 0;
  while (!rows.IsEnd()) {
    s = rows.GetLong("Voucher_No");
    ts = rows.GetDate("Input_Time");
    if (ts >= date) break;
    rows.MoveNext();
  }
  // e: the last voucher of the month dated on or before the day.
  int e;
  if (ts != date) {
    e = ts > date ? s - 1 : s;
  } else {
    e = s;
    while (rows.MoveNext() == 0) {
      int n = rows.GetLong("Voucher_No");
      if (rows.GetDate("Input_Time") > date) {
        e = n - 1;
        break;
      }
      e = n;
    }
  }
  if (s <= hint && hint <= e) return hint;
  // Moving later within its own month: removing it first moves e down by one.
  if (hint > 0 && hint < s && hint / 1000 == s / 1000) return e;
  // A voucher new to this month needs a free place in it; 999 is the most a month holds.
  if (hint / 1000 != month_base / 1000 && MonthIsFull(s)) {
    CurrentPrompter().Inform(StrFormat("%d年%d月已有%d张凭证，不能再记入该月。", day.year, day.month,
                                       kMaxVouchersPerMonth),
                             "操作错误", PromptStyle::Error);
    return 0;
  }
  return e + 1;
}

bool ShiftMonth(int after, bool up) {
  Transaction tx;
  if (!tx.ok()) return false;
  const int next = after / 1000 * 1000 + 1000;
  // Each voucher moves once. Every new number lies within the block except at
  // most one at its edge: `next` when it moves up (sequence 0 of the next month,
  // never a voucher's) or `after` when it moves down (the voucher just removed).
  // Should that number be taken after all, the two-pass move runs instead and
  // meets the clash just as it always did.
  const int step = up ? 1 : -1;
  // The month totals stand still while the block moves: no total changes.
  bool ok = HoldMonthTotals() &&
            (NumberInUse(up ? next : after) ? ParkAndReturn(after, next, up)
                                            : MoveRecords(after, next, step) && MoveLines(after, next, step)) &&
            ReleaseMonthTotals();
  return ok && tx.ok() && tx.Commit();
}

int WriteVoucher(const Booking& booking) {
  Transaction tx;
  if (!tx.ok()) return 0;
  int number = NextVoucherNumber(booking.date, 0);
  if (number == 0) tx.Fail();
  bool ok = number && ShiftMonth(number - 1, true) && InsertVoucher(number, booking);
  if (!ok) tx.Fail();
  return Finish(tx, number);
}

int ReplaceVoucher(int old_number, const Booking& booking) {
  Transaction tx;
  if (!tx.ok()) return 0;
  // The new place is found while the old voucher still stands.
  int number = NextVoucherNumber(booking.date, old_number);
  bool ok = number && DeleteVoucher(old_number) && ShiftMonth(number - 1, true) && InsertVoucher(number, booking);
  if (!ok) tx.Fail();
  return Finish(tx, number);
}

bool DeleteVoucher(int number) {
  Transaction tx;
  if (!tx.ok()) return false;
  bool ok = RemoveVoucher(number) && ShiftMonth(number, false);
  if (!ok) tx.Fail();
  return Finish(tx, 1) == 1;
}

bool SetAudit(int number, bool on) {
  Transaction tx;
  if (!tx.ok()) return false;
  bool ok = on ? Database::Execute(Database::LoadStatement(347), {LoggedInPerson(), number})
               : Database::Execute(Database::LoadStatement(346), {number});
  ok = ok && Database::Changes() == 1;
  if (!ok) tx.Fail();
  return Finish(tx, 1) == 1;
}

std::optional<Booking> ReadVoucher(int number) {
  std::lock_guard guard(Database::Lock());
  CDBPack record;
  record.Open(Database::LoadStatement(250), {number});
  if (record.IsEnd()) return std::nullopt;  // absent, or unreadable (reported)
  Booking b;
  b.date = static_cast<int>(record.GetDate("Input_Time"));
  b.kind = record.GetByte("Input_Type");
  b.person_no = record.GetLong("Person_No");
  b.checker_no = record.GetLong("Checker_No");
  b.deposit_code = record.GetLong("DepositCode");
  b.plan = record.GetLong("PlanID");
  record.Close();

  CItemCache& chart = CItemCache::Instance();
  CDBPack lines;
  lines.Open(Database::LoadStatement(253), {number});
  for (int i = 0; !lines.IsEnd(); ++i, lines.MoveNext()) {
    std::string item = lines.GetText("Item_No");
    double cash = lines.GetDouble("Cash");
    b.line_flags[i < 3 ? i : 2] = lines.GetBool("IsDebit");
    if (i == 0) {
      b.description = lines.GetText("Content");
      b.amount1 = cash;
      b.account1 = item;
      b.type1 = chart.TypeOf(item);
    } else if (i == 1) {
      b.account2 = item;
      b.type2 = chart.TypeOf(item);
      if (LineCount(b.kind) == 3) b.amount2 = b.kind == 10 ? cash : cash - b.amount1;
    } else if (i == 2) {
      b.account3 = item;
      b.type3 = chart.TypeOf(item);
    }
  }
  if (lines.Failed()) return std::nullopt;  // a voucher without its lines is no voucher
  return b;
}

bool CanEdit(const Booking& booking) {
  return booking.person_no == LoggedInPerson() && booking.checker_no <= 0;
}

}  // namespace cw
