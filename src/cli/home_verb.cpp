// home: the figures of the home page for a day (today unless --date).
#include "calendar/calendar.h"
#include "cli/value_parsing.h"
#include "cli/verbs.h"
#include "home/home_figures.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kOptions[] = {{"date", true}};

Table TableOfHome(const HomeTable& home) {
  Table table;
  for (std::size_t c = 0; c < home.columns.size(); ++c) {
    Format format = home.columns[c].align == CellAlign::kRight ? Format::kNumber : Format::kText;
    table.columns.push_back({home.columns[c].title, home.columns[c].title, format});
  }
  for (const HomeRow& row : home.rows) table.rows.push_back(std::vector<Value>(row.cells.begin(), row.cells.end()));
  return table;
}

}  // namespace

Document RunHome(Invocation& invocation) {
  VerbOptions options = invocation.Options(kOptions);
  const int day = options.Has("date") ? ParseDate(*options.Value("date"), "--date") : Today();
  OpenLedger(invocation);
  HomeFigures figures = MakeHomeFigures(day, "");
  Document document{{"today", Record{{{"date_line", "日期"}, figures.date_line.Text()},
                                     {{"notice", "提示"}, figures.untyped_notice}}}};
  const std::pair<const char*, const HomeTable*> tables[] = {{"card_bills", &figures.card_bills},
                                                             {"summary", &figures.summary},
                                                             {"month_income", &figures.month_income},
                                                             {"month_expense", &figures.month_expense}};
  for (const auto& [key, table] : tables) {
    if (!table->columns.empty()) document.push_back({key, TableOfHome(*table)});
  }
  return document;
}

}  // namespace cw::cli
