#include "home/card_bill_table.h"

#include <cmath>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "home/home_texts.h"
#include "plans/card_bills.h"
#include "plans/card_cache.h"

namespace cw {
namespace {
constexpr double kZero = 1e-7;
}  // namespace

BillState BillStateOf(double owed, double repaid, int today, int repayment) {
  if (owed < kZero) return BillState::kNothingDue;
  if (owed + kZero < repaid || std::fabs(owed - repaid) < kZero) return BillState::kRepaid;
  return today <= repayment ? BillState::kUnpaid : BillState::kOverdue;
}

std::string BillStateText(BillState state) {
  switch (state) {
    case BillState::kNothingDue: return "不需还款";
    case BillState::kRepaid: return "已还款";
    case BillState::kUnpaid: return "未还款";
    case BillState::kOverdue: return "欠款";
  }
  return "";
}

HomeTable CardBillTable(int today) {
  HomeTable table;
  table.title = kCardSectionTitle;
  table.columns = {{"信用卡", 140, CellAlign::kLeft},
                   {"账单日期", 90, CellAlign::kCenter},
                   {"还款日期", 90, CellAlign::kCenter},
                   {"账单金额", 100, CellAlign::kRight},
                   {"状态", 80, CellAlign::kCenter}};
  CItemCache& chart = CItemCache::Instance();
  for (const CardSetting& card : CCreditCardCache::Instance().Cards()) {
    const int bill = LastBillDate(card, today);
    const int repayment = RepaymentDateForBill(card, bill);
    const BillAmounts amounts = BillFigures(card.item_no, bill, repayment);
    const BillState state = BillStateOf(amounts.owed, amounts.repaid, today, repayment);

    HomeRow row;
    row.key = card.item_no;
    row.cells = {chart.NameOf(card.item_no), IsoDate(bill), IsoDate(repayment), StrFormat("%.2f", amounts.owed),
                 BillStateText(state)};
    if (state == BillState::kUnpaid || state == BillState::kOverdue) row.link = {kLinkLedger, card.item_no};
    if (state == BillState::kOverdue) row.row_class = RowClass::kAlert;
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace cw
