#include "plans/card_repayment.h"

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/voucher_engine.h"
#include "plans/card_bills.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kTolerance = 1e-7;

bool AccountExists(const std::string& code) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(690), {code});
  return rows.GetLong("NUM") > 0;
}

Booking RepaymentOf(const CardSetting& card, int date, double amount) {
  Booking b;
  b.date = date;
  b.kind = kKindRepayment;
  b.account1 = card.item_no;
  b.account2 = card.pay_item_no;
  b.account3 = kCardInterestAccount;
  CItemCache& chart = CItemCache::Instance();
  b.type1 = chart.TypeOf(b.account1);
  b.type2 = chart.TypeOf(b.account2);
  b.type3 = chart.TypeOf(b.account3);
  b.amount1 = amount;
  b.description = "信用卡还款";
  // The card is debited: the repayment lowers what is owed on it.
  b.has_line_flags = true;
  b.line_flags[0] = true;
  return b;
}

}  // namespace

std::vector<CardRepayment> RunAutomaticRepayments(int today, Prompter& prompter) {
  std::vector<CardRepayment> booked;
  std::string problems;
  for (const CardSetting& card : CCreditCardCache::Instance().Cards()) {
    if (card.pay_mode != 1) continue;
    const int repayment = LastRepaymentDate(card, today);
    const int bill = BillDateForRepayment(card, repayment);
    Transaction tx;
    const BillAmounts figures = BillFigures(card.item_no, bill, repayment);
    if (figures.owed - kTolerance <= figures.repaid) continue;
    if (!AccountExists(card.pay_item_no)) {
      problems += StrFormat("信用卡“%s”的扣款科目“%s”已不存在，%s的还款没有记账。\n",
                            CItemCache::Instance().NameOf(card.item_no).c_str(), card.pay_item_no.c_str(),
                            IsoDate(repayment).c_str());
      continue;
    }
    const int number = WriteVoucher(RepaymentOf(card, repayment, figures.owed));
    if (number == 0 || !tx.ok() || !tx.Commit()) continue;  // the engine has said why
    booked.push_back({card.item_no, repayment, figures.owed, number});
  }
  if (!problems.empty()) prompter.Inform(problems, "信用卡", PromptStyle::Error);
  return booked;
}

}  // namespace cw
