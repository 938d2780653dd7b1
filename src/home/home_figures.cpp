#include "home/home_figures.h"

#include "core/item_cache.h"
#include "home/card_bill_table.h"
#include "home/home_texts.h"
#include "home/income_expense_tables.h"
#include "home/welcome.h"
#include "store/read_watch.h"

namespace cw {

HomeFigures MakeHomeFigures(int today, const std::string& welcome_word) {
  HomeFigures figures;
  figures.date_line = MakeDateLine(today);
  figures.greeting = GreetingText(welcome_word);
  if (!CItemCache::Instance().AllLeavesTyped()) {
    figures.untyped_notice = kUntypedLeafNotice;
    return figures;
  }
  ReadWatch reads;
  figures.card_bills = CardBillTable(today);
  IncomeExpenseTables statistics = MakeIncomeExpenseTables(today);
  // Figures read up to a failure would be wrong: the page shows none.
  if (reads.ReportIfFailed()) return HomeFigures{figures.date_line, figures.greeting};
  figures.summary = std::move(statistics.summary);
  figures.month_income = std::move(statistics.month_income);
  figures.month_expense = std::move(statistics.month_expense);
  return figures;
}

}  // namespace cw
