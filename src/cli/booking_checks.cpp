#include "cli/booking_checks.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "base/gbk_text.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

constexpr double kMaxAmount = 1e12;
constexpr char kNeedAmount[] = "请输入一个大于0的金额！";
constexpr char kTooLarge[] = "金额太大， 请根据您的费用输入金额。";
constexpr char kSameAccounts[] = "选择了两个相同的科目，请重新选择！";

// The account types each picker of the booking dialog lists, per kind.
struct PickerTypes {
  int kind;
  std::vector<int> picker[3];
};

const std::vector<PickerTypes>& Pickers() {
  static const std::vector<PickerTypes> table = {
      {1, {{3, 4, 8, 5, 6, 7}, {1}, {}}},
      {2, {{1}, {3, 4}, {}}},
      {3, {{2}, {3, 4, 8}, {}}},
      {11, {{2}, {8}, {}}},
      {5, {{6}, {3, 4, 8}, {}}},
      {6, {{3, 4}, {6}, {}}},
      {7, {{3, 4}, {7}, {}}},
      {8, {{7}, {3, 4, 8}, {}}},
      {9, {{5}, {3, 4, 8}, {}}},
      {10, {{5}, {3, 4}, {1}}},
      {12, {{8}, {3}, {}}},
      {13, {{8}, {3, 4}, {2}}},
      {40, {{3}, {4}, {}}},
      {41, {{4}, {3}, {1}}},
      {42, {{3}, {3}, {}}},
      {43, {{4}, {4}, {}}},
  };
  return table;
}

const PickerTypes* PickersOf(int kind) {
  for (const PickerTypes& p : Pickers())
    if (p.kind == kind) return &p;
  return nullptr;
}

// The caption of an account field without its colon and padding ("信 用 卡：" → "信用卡").
std::string CaptionOf(int kind, int field) {
  std::string caption = FieldCaption(kind, field);
  const std::string colon = "：";
  if (caption.size() >= colon.size() && caption.compare(caption.size() - colon.size(), colon.size(), colon) == 0) {
    caption.resize(caption.size() - colon.size());
  }
  caption.erase(std::remove(caption.begin(), caption.end(), ' '), caption.end());
  return caption;
}

std::string CheckExists(const std::string& code) {
  if (code.empty()) return "您没有设置科目，请先设置。";
  if (!CItemCache::Instance().Exists(code)) return StrFormat("科目代码“%s”不存在，请重新输入！", code.c_str());
  return {};
}

// A picker of the dialog lists only typed leaves of the kind's types.
std::string CheckOffered(int kind, int field, const std::string& code, int type, const std::vector<int>& offered) {
  if (!CItemCache::Instance().IsLeaf(code)) return StrFormat("“%s”是非末级科目，请输入一个末级科目！", code.c_str());
  if (type == 0) return StrFormat("科目“%s”的类型未设置，请先设置科目类型！", code.c_str());
  if (std::find(offered.begin(), offered.end(), type) == offered.end()) {
    return StrFormat("科目“%s”是%s科目，不能用作“%s”！", code.c_str(), TypeName(type).c_str(),
                     CaptionOf(kind, field).c_str());
  }
  return {};
}

}  // namespace

void FillAccountTypes(Booking& booking) {
  CItemCache& chart = CItemCache::Instance();
  booking.type1 = chart.TypeOf(booking.account1);
  booking.type2 = chart.TypeOf(booking.account2);
  booking.type3 = booking.account3.empty() ? 0 : chart.TypeOf(booking.account3);
}

std::string CheckBooking(const Booking& b) {
  const PickerTypes* pickers = PickersOf(b.kind);
  if (!pickers) return StrFormat("没有记账类型 %d。", b.kind);
  const bool three_lines = LineCount(b.kind) == 3;
  if (!three_lines && (!b.account3.empty() || b.amount2 != 0)) {
    return StrFormat("%s只有两个科目和一个金额。", KindName(b.kind).c_str());
  }

  // The dialog's order: amounts first, then the accounts.
  if (!(b.amount1 > 0)) return kNeedAmount;
  if (b.kind == 10 && !(b.amount2 > 0)) return kNeedAmount;
  if (three_lines && b.amount2 < 0) return "金额不能小于0！";
  if (b.amount1 > kMaxAmount || b.amount2 > kMaxAmount) return kTooLarge;

  const std::string* codes[3] = {&b.account1, &b.account2, &b.account3};
  const int types[3] = {b.type1, b.type2, b.type3};
  const int fields[3] = {kFieldAccount1, kFieldAccount2, kFieldAccount3};
  const int shown = three_lines ? 3 : 2;
  for (int i = 0; i < shown; ++i) {
    if (std::string why = CheckExists(*codes[i]); !why.empty()) return why;
  }
  if (b.account1 == b.account2) return kSameAccounts;
  if (three_lines && (b.account3 == b.account1 || b.account3 == b.account2)) return kSameAccounts;
  for (int i = 0; i < shown; ++i) {
    std::string why = CheckOffered(b.kind, fields[i], *codes[i], types[i], pickers->picker[i]);
    if (!why.empty()) return why;
  }

  if (b.kind == 40) {
    if (DepositIndex(b.deposit_code) < 0) return StrFormat("没有存款类型 %d。", b.deposit_code);
  } else if (b.deposit_code != 0) {
    return "只有存款才有存款类型。";
  }
  return {};
}

}  // namespace cw::cli
