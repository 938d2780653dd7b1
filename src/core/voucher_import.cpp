#include "core/voucher_import.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/amounts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"
#include "store/database.h"
#include "store/month_totals.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kZero = 0.0000001;

int MonthKey(int date) {
  Ymd d = DateOfSerialDay(date);
  return d.year * 100 + d.month;
}

bool MonthIsEmpty(int yyyymm) {
  CDBPack rows;
  int first = yyyymm * 1000 + 1;
  rows.Open(Database::LoadStatement(257), {first, first + kMaxVouchersPerMonth - 1});
  return rows.IsEnd();
}

bool InsertNumbered(int number, const ImportedVoucher& v) {
  bool ok = Database::Execute(Database::LoadStatement(263),
                              {number, IsoDate(v.date), 0, v.person_no > 0 ? v.person_no : LoggedInPerson(),
                               KindStored(v.kind), v.plan, v.deposit_code});
  for (const VoucherLine& line : v.lines) {
    ok = ok && Database::Execute(Database::LoadStatement(264),
                                 {number, line.line, line.content, line.item, line.cash, line.debit ? 1 : 0});
  }
  return ok;
}

// A voucher for a month that already holds vouchers goes through the engine's
// numbering, which moves the later vouchers of the month up.
bool InsertByEngine(const ImportedVoucher& v) {
  int number = NextVoucherNumber(v.date, 0);
  return number && ShiftMonth(number - 1, true) && InsertNumbered(number, v);
}

}  // namespace

std::string CheckImportedVoucher(const ImportedVoucher& v) {
  const int kind = KindStored(v.kind);
  if (KindName(kind).empty()) return StrFormat("未知的记账类型 %d", v.kind);
  if (static_cast<int>(v.lines.size()) != LineCount(kind)) {
    return StrFormat("%s凭证应有%d行，实有%d行", KindName(kind).c_str(), LineCount(kind),
                     static_cast<int>(v.lines.size()));
  }
  CItemCache& chart = CItemCache::Instance();
  double balance = 0;
  for (const VoucherLine& line : v.lines) {
    if (!chart.Exists(line.item)) return StrFormat("科目代码“%s”不存在", line.item.c_str());
    if (!chart.IsLeaf(line.item)) return StrFormat("科目“%s”不是末级科目", line.item.c_str());
    if (!(line.cash >= 0 && line.cash <= kMaxAmount)) return StrFormat("金额 %.2f 无效", line.cash);
    if (!IsWholeCents(line.cash)) return StrFormat("金额 %.10g 有两位以上的小数", line.cash);
    balance += line.debit ? line.cash : -line.cash;
  }
  if (std::fabs(balance) > 0.005) return StrFormat("借方合计与贷方合计相差 %.2f", balance);
  if (v.lines[0].cash <= kZero) return "金额必须大于零";
  return {};
}

ImportedVoucher VoucherOfBooking(const Booking& b) {
  ImportedVoucher v;
  v.date = b.date;
  v.kind = KindStored(b.kind);
  v.person_no = b.person_no;
  v.plan = b.plan;
  v.deposit_code = b.deposit_code;
  v.lines = ComposeLines(b);
  return v;
}

bool ImportVouchers(const std::vector<ImportedVoucher>& vouchers, std::string* error) {
  for (std::size_t i = 0; i < vouchers.size(); ++i) {
    std::string why = CheckImportedVoucher(vouchers[i]);
    if (!why.empty()) {
      *error = StrFormat("第%zu张凭证：%s", i + 1, why.c_str());
      return false;
    }
  }
  // Months in order, each holding its vouchers in date order (stable: one day
  // keeps the given order).
  std::map<int, std::vector<const ImportedVoucher*>> months;
  for (const ImportedVoucher& v : vouchers) months[MonthKey(v.date)].push_back(&v);

  Transaction tx;
  if (!tx.ok()) {
    *error = "数据库写入失败";
    return false;
  }
  // The month totals of the months written are counted once at the end.
  if (!RemoveMonthTotalTriggers()) tx.Fail();
  for (auto& [yyyymm, list] : months) {
    std::stable_sort(list.begin(), list.end(),
                     [](const ImportedVoucher* a, const ImportedVoucher* b) { return a->date < b->date; });
    if (!MonthIsEmpty(yyyymm)) {
      for (const ImportedVoucher* v : list) {
        if (!InsertByEngine(*v)) {
          *error = StrFormat("%d年%d月的凭证无法写入", yyyymm / 100, yyyymm % 100);
          tx.Fail();
          return false;
        }
      }
      continue;
    }
    if (list.size() > static_cast<std::size_t>(kMaxVouchersPerMonth)) {
      *error = StrFormat("%d年%d月有%zu张凭证，一个月最多%d张", yyyymm / 100, yyyymm % 100, list.size(),
                         kMaxVouchersPerMonth);
      tx.Fail();
      return false;
    }
    int number = yyyymm * 1000;
    for (const ImportedVoucher* v : list) {
      if (!InsertNumbered(++number, *v)) {
        *error = "数据库写入失败";
        tx.Fail();
        return false;
      }
    }
  }
  for (const auto& [yyyymm, list] : months) {
    if (!RecountMonthTotals(yyyymm)) tx.Fail();
  }
  if (!AddMonthTotalTriggers()) tx.Fail();
  if (!tx.ok() || !tx.Commit()) {
    *error = "数据库写入失败";
    return false;
  }
  return true;
}

}  // namespace cw
