#include "core/voucher_lines.h"

#include "base/gbk_text.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

constexpr std::size_t kThirdLineTextBytes = 44;

std::string ThirdLineText(const std::string& description, const char* mark) {
  return GbkCut(description, kThirdLineTextBytes) + mark;
}

}  // namespace

std::vector<VoucherLine> ComposeLines(const Booking& b) {
  const int kind = KindStored(b.kind);
  const bool d0 = b.has_line_flags ? b.line_flags[0] : IsDebitFor(kind, b.type1, 0);
  std::vector<VoucherLine> lines;
  lines.push_back({0, b.description, b.account1, b.amount1, d0});
  if (LineCount(kind) == 2) {
    lines.push_back({1, b.description, b.account2, b.amount1, !d0});
    return lines;
  }
  if (kind == 10) {
    // Proceeds against principal: the difference is a gain (credit) or a loss (debit).
    lines.push_back({1, b.description, b.account2, b.amount2, !d0});
    const bool gain = b.amount2 > b.amount1;
    lines.push_back({2, ThirdLineText(b.description, "(收益)"), b.account3,
                     gain ? b.amount2 - b.amount1 : b.amount1 - b.amount2, !gain});
  } else {
    // Kinds 13 and 41: the middle line carries principal plus interest.
    lines.push_back({1, b.description, b.account2, b.amount1 + b.amount2, !d0});
    lines.push_back({2, ThirdLineText(b.description, "(利息)"), b.account3, b.amount2,
                     IsDebitFor(kind, b.type3, 0)});
  }
  return lines;
}

}  // namespace cw
