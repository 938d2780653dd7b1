#pragma once
// The dialogs the daily entry window opens, as replaceable calls: the program
// uses the real dialogs, tests answer in their place.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bookkeeping/booking/search_conditions.h"
#include "bookkeeping/entries/date_scope.h"
#include "core/booking.h"

class QWidget;

namespace cw {

struct EntryDialogs {
  // Writes one confirmed booking; the voucher number, 0 when nothing was written.
  using Saver = std::function<int(const Booking&)>;

  // The booking dialog for new vouchers of `page`; `save` runs for every
  // voucher the user saves ("保存新增" and "保存退出").
  std::function<void(QWidget* parent, int page, const Saver& save)> book_new;
  // The booking dialog on voucher `number` of `page`; the voucher's new number
  // after the user changed it, 0 when nothing was changed.
  std::function<int(QWidget* parent, int page, int number)> change;
  // The search dialog over the kinds of `page`; nothing when cancelled.
  std::function<std::optional<SearchConditions>(QWidget* parent, int page)> search;
  // "选择月份范围" preset to `range`; nothing when cancelled.
  std::function<std::optional<VoucherRange>(QWidget* parent, const VoucherRange& range)> month_range;
  // "初始收入科目": an income leaf code, empty when cancelled.
  std::function<std::string(QWidget* parent)> initial_income;
  // The plan list of `page`'s kinds, and the card list.
  std::function<void(QWidget* parent, int page)> plans;
  std::function<void(QWidget* parent)> cards;
};

// CChargeUp, CSelectChargeup, CSelectMonthRange, CInitialIncome, CChargeupPlanList and CCreditCardList.
EntryDialogs StandardEntryDialogs();

}  // namespace cw
