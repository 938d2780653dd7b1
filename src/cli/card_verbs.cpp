// cards: the credit cards from the command line.
//   cards                    the list with the current bill of each card
//   cards add NAME ...       a new card below the top credit-card account
//   cards change CODE ...    its name and settings
//   cards delete CODE        with the card list's refusals
#include "calendar/calendar.h"
#include "base/gbk_text.h"
#include "cli/answer_prompter.h"
#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "core/item_cache.h"
#include "plans/card_bills.h"
#include "plans/card_cache.h"
#include "plans/card_records.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kCardOptions[] = {{"bill-day", true}, {"pay-day", true}, {"after-bill-days", true},
                                       {"pay-from", true}, {"manual", false}, {"auto", false}, {"name", true},
                                       {"yes", false},     {"no", false}};
constexpr OptionSpec kAnswerOptions[] = {{"yes", false}, {"no", false}};

// The card the options describe; `base` holds what is kept when an option is
// left out (a change names only what changes).
CardInput ReadCardOptions(const VerbOptions& options, CardInput base, bool adding) {
  if (options.Has("pay-day") && options.Has("after-bill-days")) {
    throw BadInput("give --pay-day or --after-bill-days, not both");
  }
  if (adding && !options.Has("pay-day") && !options.Has("after-bill-days")) {
    throw BadInput("give --pay-day N or --after-bill-days N");
  }
  if (adding) base.bill_date = 0;
  if (auto text = adding ? std::optional(options.Required("bill-day")) : options.Value("bill-day")) {
    base.bill_date = ParseInteger(*text, "--bill-day");
  }
  if (base.bill_date < 1 || base.bill_date > 31) throw BadInput("--bill-day: 1 to 31");
  if (auto text = options.Value("pay-day")) {
    base.pay_on_day = true;
    base.pay_number = ParseInteger(*text, "--pay-day");
  }
  if (auto text = options.Value("after-bill-days")) {
    base.pay_on_day = false;
    base.pay_number = ParseInteger(*text, "--after-bill-days");
  }
  if (adding) base.pay_item_no = options.Required("pay-from");
  if (auto text = options.Value("pay-from")) base.pay_item_no = *text;
  if (options.Has("manual") && options.Has("auto")) throw BadInput("give --manual or --auto, not both");
  if (adding || options.Has("manual") || options.Has("auto")) base.pay_mode = options.Has("manual") ? 0 : 1;
  if (auto text = options.Value("name")) base.name = *text;
  CItemCache::Instance().MarkDirty();
  if (CardRefusal refusal = CheckCardInput(base)) throw BadInput(refusal.message);
  return base;
}

std::string CodeOf(const VerbOptions& options) {
  const std::string code = options.positionals()[0];
  if (!IsCreditCard(code)) throw BadInput("no credit card has the account " + code);
  return code;
}

Document CardDocument(const std::string& code) {
  return {{"card", Record{{{"code", "代码"}, code}, {{"name", "名称"}, CItemCache::Instance().NameOf(code)}}}};
}

// cards add and cards change: the card the options describe, saved as the card
// dialog saves it, its questions answered by --yes or --no.
Document SaveCardVerb(Invocation& invocation, bool adding) {
  VerbOptions options = invocation.Options(kCardOptions, 1);
  if (adding && options.Has("name")) throw BadInput("cards add: the name is the plain word NAME");
  AnswerPrompter answers(options);
  OpenLedger(invocation);
  std::string code;
  CardInput base;
  if (adding) {
    base.name = options.positionals()[0];
  } else {
    code = CodeOf(options);
    base = InputOfCard(CItemCache::Instance().NameOf(code), *CCreditCardCache::Instance().Find(code));
  }
  const CardInput input = ReadCardOptions(options, base, adding);
  const AccountResult result = adding ? AddCard(input, answers, &code) : ChangeCard(code, input, answers);
  if (!result.ok()) answers.Fail(adding ? "cards add" : "cards change", result);
  return CardDocument(code);
}

Document AddCardVerb(Invocation& invocation) { return SaveCardVerb(invocation, true); }
Document ChangeCardVerb(Invocation& invocation) { return SaveCardVerb(invocation, false); }

Document DeleteCardVerb(Invocation& invocation) {
  VerbOptions options = invocation.Options(kAnswerOptions, 1);
  AnswerPrompter answers(options);
  OpenLedger(invocation);
  const std::string code = CodeOf(options);
  const CardDeletion deletion = DeleteCards({code}, answers);
  if (deletion.deleted.empty()) answers.Fail("cards delete", deletion.result);
  return {{"deleted", Record{{{"code", "已删除信用卡"}, code}}}};
}

Document ListCards(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  const int today = Today();
  Table table{{{"code", "代码"}, {"name", "信用卡"}, {"bill_day", "账单日期"}, {"repayment_rule", "还款日期"},
               {"mode", "记账方式"}, {"pay_from", "扣款科目"}, {"last_bill", "上期账单日"},
               {"repayment", "还款日"}, {"owed", "账单金额", Format::kAmount}, {"repaid", "已还款", Format::kAmount}},
              {}};
  CItemCache& chart = CItemCache::Instance();
  for (const CardSetting& card : CCreditCardCache::Instance().Cards()) {
    const int bill = LastBillDate(card, today);
    const int repayment = RepaymentDateForBill(card, bill);
    const BillAmounts figures = BillFigures(card.item_no, bill, repayment);
    table.rows.push_back({card.item_no, chart.NameOf(card.item_no), StrFormat("每月%d日", card.bill_date),
                          RepaymentRuleText(card), card.pay_mode == 1 ? "自动记账" : "不自动记账", card.pay_item_no,
                          IsoDate(bill), IsoDate(repayment), figures.owed, figures.repaid});
  }
  return {{"cards", table}};
}

}  // namespace

Document RunCards(Invocation& invocation) {
  static constexpr VerbForm kForms[] = {
      {"add", "cards add NAME --bill-day N (--pay-day N | --after-bill-days N) --pay-from CODE [--manual] [--yes|--no]",
       AddCardVerb},
      {"change",
       "cards change CODE [--name NAME] [--bill-day N] [--pay-day N | --after-bill-days N] [--pay-from CODE] [--manual|--auto]",
       ChangeCardVerb},
      {"delete", "cards delete CODE", DeleteCardVerb},
  };
  if (auto document = RunVerbForm(invocation, kForms)) return *document;
  return ListCards(invocation);
}

}  // namespace cw::cli
