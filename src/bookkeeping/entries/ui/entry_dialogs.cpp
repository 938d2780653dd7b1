#include "bookkeeping/entries/ui/entry_dialogs.h"

#include "bookkeeping/booking/ui/charge_up.h"
#include "bookkeeping/booking/ui/select_chargeup.h"
#include "bookkeeping/entries/ui/initial_income_dialog.h"
#include "bookkeeping/entries/ui/select_month_range.h"
#include "plans/ui/chargeup_plan_list.h"
#include "plans/ui/credit_card_list.h"

namespace cw {

EntryDialogs StandardEntryDialogs() {
  EntryDialogs dialogs;
  dialogs.book_new = [](QWidget* parent, int page, const EntryDialogs::Saver& save) {
    CChargeUp::BookNew(parent, page, save);
  };
  dialogs.change = [](QWidget* parent, int page, int number) { return CChargeUp::EditVoucher(parent, page, number); };
  dialogs.search = [](QWidget* parent, int page) { return CSelectChargeup::AskSearch(parent, page); };
  dialogs.month_range = [](QWidget* parent, const VoucherRange& range) {
    return CSelectMonthRange::AskRange(parent, range);
  };
  dialogs.initial_income = [](QWidget* parent) { return CInitialIncome::AskAccount(parent); };
  dialogs.plans = [](QWidget* parent, int page) { CChargeupPlanList(page, parent).exec(); };
  dialogs.cards = [](QWidget* parent) { CCreditCardList(parent).exec(); };
  return dialogs;
}

}  // namespace cw
