#include "bookkeeping/entries/entry_layout.h"

#include <algorithm>

namespace cw {
namespace {

// How a column takes part in the table. Main amounts are required columns; the
// sale columns of the investment page also feed its gain and rate.
enum class Role { kPlain, kAmount, kMainAmount, kRunning, kRate, kSoldPrincipal, kProceeds, kGain };

struct ColumnSpec {
  const char* title;
  int width;
  Align align;
  Role role;
};

constexpr Align L = Align::Left;
constexpr Align C = Align::Centre;
constexpr Align R = Align::Right;

struct PageSpec {
  int page;
  const char* opening;  // the opening row's description, or null
  std::vector<ColumnSpec> columns;  // between "说明" and "制单"
  int date_width;
};

const std::vector<PageSpec>& PageSpecs() {
  static const std::vector<PageSpec> specs = {
      {32900, "  期初财产",
       {{"收支类别", 100, L, Role::kPlain}, {"资金类别", 100, L, Role::kPlain}, {"收入", 80, R, Role::kMainAmount},
        {"支出", 80, R, Role::kMainAmount}, {"收支盈余", 80, R, Role::kRunning}},
       80},
      {32901, nullptr,
       {{"现金类别", 100, L, Role::kPlain}, {"银行账户", 100, L, Role::kPlain}, {"存款类型", 80, L, Role::kPlain},
        {"存款", 80, R, Role::kMainAmount}, {"取款", 80, R, Role::kMainAmount}, {"存款利息", 80, R, Role::kAmount}},
       80},
      {32902, nullptr,
       {{"现金转入", 120, L, Role::kPlain}, {"现金来源", 120, L, Role::kPlain}, {"金额", 80, R, Role::kMainAmount}},
       80},
      {32903, nullptr,
       {{"资金转入", 120, L, Role::kPlain}, {"资金来源", 120, L, Role::kPlain}, {"金额", 80, R, Role::kMainAmount}},
       80},
      {32904, "  期初借出资金",
       {{"借出类别", 100, L, Role::kPlain}, {"资金类别", 100, L, Role::kPlain}, {"借出", 80, R, Role::kMainAmount},
        {"收回", 80, R, Role::kMainAmount}, {"累计借出", 80, R, Role::kRunning}},
       80},
      {32905, "  期初借入资金",
       {{"借入类别", 100, L, Role::kPlain}, {"资金类别", 100, L, Role::kPlain}, {"借入", 80, R, Role::kMainAmount},
        {"返还", 80, R, Role::kMainAmount}, {"累计借入", 80, R, Role::kRunning}},
       80},
      {32906, "  期初本金",
       {{"投资类别", 100, L, Role::kPlain}, {"资金类别", 100, L, Role::kPlain}, {"买入本金", 70, R, Role::kMainAmount},
        {"卖出本金", 70, R, Role::kSoldPrincipal}, {"卖出总额", 70, R, Role::kProceeds}, {"收益", 70, R, Role::kGain},
        {"收益率", 60, R, Role::kRate}, {"本金余额", 80, R, Role::kRunning}},
       70},
      {32907, nullptr,
       {{"类别", 200, L, Role::kPlain}, {"财产", 80, R, Role::kMainAmount}, {"负债", 80, R, Role::kMainAmount},
        {"累计", 80, R, Role::kRunning}},
       80},
      {32908, "  期初欠款",
       {{"信用卡", 100, L, Role::kPlain}, {"消费/资金", 100, L, Role::kPlain}, {"借款", 80, R, Role::kMainAmount},
        {"还款", 80, R, Role::kMainAmount}, {"利息", 80, R, Role::kAmount}, {"累计欠款", 80, R, Role::kRunning}},
       80},
  };
  return specs;
}

GridColumn MakeColumn(const char* title, int width, Align align, bool required, bool number) {
  GridColumn column;
  column.title = title;
  column.width = width;
  column.align = align;
  column.required = required;
  column.sort = number ? SortKind::Number : SortKind::Text;
  return column;
}

}  // namespace

EntryLayout LayoutOfPage(int page, bool with_running) {
  EntryLayout layout;
  const auto& specs = PageSpecs();
  auto spec = std::find_if(specs.begin(), specs.end(), [page](const PageSpec& s) { return s.page == page; });
  if (spec == specs.end()) return layout;
  layout.page = page;
  if (spec->opening) layout.opening_text = spec->opening;
  layout.columns.push_back(MakeColumn("日期", spec->date_width, C, true, false));
  layout.columns.push_back(MakeColumn("说明", 120, L, false, false));
  int full_index = 2;
  for (const ColumnSpec& c : spec->columns) {
    const int here = static_cast<int>(layout.columns.size());
    const int full = full_index++;
    switch (c.role) {
      case Role::kRunning:
        if (!with_running) {
          layout.dropped = full;
          continue;
        }
        layout.running = here;
        break;
      case Role::kSoldPrincipal: layout.sold_principal = here; break;
      case Role::kProceeds: layout.proceeds = here; break;
      case Role::kGain: layout.gain = here; break;
      case Role::kRate: layout.rate = here; break;
      case Role::kMainAmount:
      case Role::kAmount:
      case Role::kPlain: break;
    }
    const bool summed = c.role != Role::kPlain && c.role != Role::kRunning && c.role != Role::kRate;
    if (summed) layout.sums.push_back(here);
    const bool required = c.role == Role::kMainAmount || c.role == Role::kSoldPrincipal || c.role == Role::kProceeds;
    layout.columns.push_back(MakeColumn(c.title, c.width, c.align, required, c.align == R));
  }
  layout.person = static_cast<int>(layout.columns.size());
  layout.columns.push_back(MakeColumn("制单", 50, L, false, false));
  layout.checker = static_cast<int>(layout.columns.size());
  layout.columns.push_back(MakeColumn("审核", 50, L, false, false));
  return layout;
}

std::vector<std::string> FitCells(const EntryLayout& layout, std::vector<std::string> full_cells) {
  if (layout.dropped >= 0 && layout.dropped < static_cast<int>(full_cells.size()))
    full_cells.erase(full_cells.begin() + layout.dropped);
  full_cells.resize(layout.columns.size());
  return full_cells;
}

}  // namespace cw
