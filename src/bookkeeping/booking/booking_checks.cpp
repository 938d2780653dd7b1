#include "bookkeeping/booking/booking_checks.h"

#include <algorithm>
#include <cmath>

#include "base/gbk_text.h"
#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/picker_items.h"
#include "core/amounts.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_lines.h"

namespace cw {
namespace {

using namespace booking_texts;

constexpr EntryField kAccountFields[kPickerCount] = {EntryField::kAccount1, EntryField::kAccount2,
                                                     EntryField::kAccount3};

int LinesOf(const Booking& b) { return LineCount(b.kind); }

const std::string& AccountOf(const Booking& b, int line) {
  return line == 0 ? b.account1 : line == 1 ? b.account2 : b.account3;
}

int TypeOfLine(const Booking& b, int line) { return line == 0 ? b.type1 : line == 1 ? b.type2 : b.type3; }

// The comparisons are written so that a value that is not a number fails them.
Refusal CheckAmounts(const Booking& b) {
  const bool second_amount = LinesOf(b) == 3;
  if (!(b.amount1 > 0)) return {kNeedAmount, EntryField::kAmount1};
  if (b.kind == kKindSale && !(b.amount2 > 0)) return {kNeedAmount, EntryField::kAmount2};
  if (second_amount && !(b.amount2 >= 0)) return {kNegativeAmount, EntryField::kAmount2};
  if (std::string why = CheckAmountLimits(b.amount1); !why.empty()) return {why, EntryField::kAmount1};
  if (!second_amount) return {};
  if (std::string why = CheckAmountLimits(b.amount2); !why.empty()) return {why, EntryField::kAmount2};
  return {};
}

// Every line's account chosen and in the chart, the first two different. A
// typed code that is not in the chart is named in the message.
Refusal CheckAccountsChosen(const Booking& b, bool typed) {
  CItemCache& chart = CItemCache::Instance();
  for (int line = 0; line < LinesOf(b); ++line) {
    const std::string& code = AccountOf(b, line);
    if (code.empty()) return {kNoAccount, kAccountFields[line]};
    if (chart.Exists(code)) continue;
    std::string message = typed ? StrFormat("科目代码“%s”不存在，请重新输入！", code.c_str()) : kNoAccount;
    return {message, kAccountFields[line]};
  }
  if (b.account1 == b.account2) return {kSameAccounts, EntryField::kAccount2};
  return {};
}

// The caption of an account field without its colon and padding ("信 用 卡：" -> "信用卡").
std::string BareCaption(int kind, int field) {
  std::string caption = FieldCaption(kind, field);
  const std::string colon = "：";
  if (caption.size() >= colon.size() && caption.compare(caption.size() - colon.size(), colon.size(), colon) == 0) {
    caption.resize(caption.size() - colon.size());
  }
  caption.erase(std::remove(caption.begin(), caption.end(), ' '), caption.end());
  return caption;
}

// A typed account must be one the kind's picker would have listed.
std::string CheckListed(const Booking& b, int line) {
  const std::string& code = AccountOf(b, line);
  const int type = TypeOfLine(b, line);
  if (!CItemCache::Instance().IsLeaf(code)) return StrFormat("“%s”是非末级科目，请输入一个末级科目！", code.c_str());
  if (type == 0) return StrFormat("科目“%s”的类型未设置，请先设置科目类型！", code.c_str());
  const std::vector<int>& listed = PickerTypes(b.kind, line);
  if (std::find(listed.begin(), listed.end(), type) == listed.end()) {
    return StrFormat("科目“%s”是%s科目，不能用作“%s”！", code.c_str(), TypeName(type).c_str(),
                     BareCaption(b.kind, kFieldAccount1 + line).c_str());
  }
  return {};
}

// The booking whose lines an imported voucher claims to be (see CheckImportedBooking).
Booking BookingOfLines(const ImportedVoucher& v) {
  auto item = [&](std::size_t i) { return i < v.lines.size() ? v.lines[i].item : std::string(); };
  auto cash = [&](std::size_t i) { return i < v.lines.size() ? v.lines[i].cash : 0.0; };
  Booking b;
  b.date = v.date;
  b.kind = v.kind;
  b.deposit_code = v.deposit_code;
  b.account1 = item(0);
  b.account2 = item(1);
  b.account3 = item(2);
  b.amount1 = cash(0);
  if (KindStored(v.kind) == kKindSale) {
    b.amount2 = cash(1);
  } else if (LineCount(KindStored(v.kind)) == 3) {
    b.amount2 = cash(2);
  }
  return b;
}

}  // namespace

std::string CheckAmountLimits(double amount) {
  if (amount > kMaxAmount) return kAmountTooLarge;
  if (!IsWholeCents(amount)) return kSubCentAmount;
  return {};
}

std::string CheckImportedBooking(const ImportedVoucher& voucher) {
  Booking booking = BookingOfLines(voucher);
  if (!IsBookingKind(booking.kind)) return StrFormat("没有记账类型 %d。", booking.kind);
  const int lines = LineCount(KindStored(booking.kind));
  if (static_cast<int>(voucher.lines.size()) != lines) {
    return StrFormat("%s应有%d条分录，实有%d条。", KindName(booking.kind).c_str(), lines,
                     static_cast<int>(voucher.lines.size()));
  }
  FillAccountTypes(booking);
  if (std::string why = CheckTypedBooking(booking); !why.empty()) return why;
  const std::vector<VoucherLine> expected = ComposeLines(booking);
  for (int i = 0; i < lines; ++i) {
    const VoucherLine& want = expected[i];
    const VoucherLine& got = voucher.lines[i];
    if (std::fabs(want.cash - got.cash) >= 0.005) {
      return StrFormat("第%d条分录（%s）的金额应为%.2f。", i + 1, got.item.c_str(), want.cash);
    }
    // A line of 0 (a sale without gain or loss) has no side to check.
    if (want.debit != got.debit && want.cash >= 0.005) {
      return StrFormat("第%d条分录（%s）应记在%s方：%s的借贷方向由科目类型决定。", i + 1, got.item.c_str(),
                       want.debit ? "借" : "贷", KindName(booking.kind).c_str());
    }
  }
  return {};
}

Refusal CheckEntry(const Booking& booking) {
  if (Refusal r = CheckAmounts(booking)) return r;
  return CheckAccountsChosen(booking, /*typed=*/false);
}

void FillAccountTypes(Booking& booking) {
  CItemCache& chart = CItemCache::Instance();
  booking.type1 = chart.TypeOf(booking.account1);
  booking.type2 = chart.TypeOf(booking.account2);
  booking.type3 = booking.account3.empty() ? 0 : chart.TypeOf(booking.account3);
}

std::string CheckTypedBooking(const Booking& b) {
  if (!IsBookingKind(b.kind)) return StrFormat("没有记账类型 %d。", b.kind);
  const bool three_lines = LinesOf(b) == 3;
  if (!three_lines && (!b.account3.empty() || b.amount2 != 0)) {
    return StrFormat("%s只有两个科目和一个金额。", KindName(b.kind).c_str());
  }
  if (Refusal r = CheckAmounts(b)) return r.message;
  if (Refusal r = CheckAccountsChosen(b, /*typed=*/true)) return r.message;
  if (three_lines && (b.account3 == b.account1 || b.account3 == b.account2)) return kSameAccounts;
  for (int line = 0; line < LinesOf(b); ++line) {
    if (std::string why = CheckListed(b, line); !why.empty()) return why;
  }
  if (b.kind == kKindDeposit) {
    if (DepositIndex(b.deposit_code) < 0) return StrFormat("没有存款类型 %d。", b.deposit_code);
  } else if (b.deposit_code != 0) {
    return "只有存款才有存款类型。";
  }
  return {};
}

}  // namespace cw
