#include "controls/column_layout.h"

#include <algorithm>

#include "base/gbk_text.h"
#include "core/ledger_model.h"
#include "core/settings.h"

namespace cw {
namespace {

constexpr int kMaskedColumns = 32;

std::string WidthName(int column) { return "Col" + std::to_string(column); }

}  // namespace

void LoadColumnLayout(GridModel& model, int table, int person_no) {
  LoadColumnLayout(model, settings::TableKey(person_no, table));
}

void SaveColumnLayout(const GridModel& model, int table, int person_no) {
  SaveColumnLayout(model, settings::TableKey(person_no, table));
}

std::string SearchLayoutKey(int searched_page, int person_no) {
  return StrFormat("%s_%03d", settings::TableKey(person_no, kPageSearchResult).c_str(), searched_page % 1000);
}

void LoadColumnLayout(GridModel& model, const std::string& key, StoredSort sort) {
  for (int column = 0; column < model.ColumnCount(); ++column) {
    const int width = settings::GetNumber(key, WidthName(column));
    if (width > 0) model.SetColumnWidth(column, std::clamp(width, kMinStoredWidth, kMaxStoredWidth));
  }
  // Only what was stored replaces the table's defaults: a table never saved
  // keeps the sort and the columns its module chose.
  if ((model.SortEnabled() || sort == StoredSort::kAlways) && settings::HasNumber(key, "SortCol")) {
    const bool ascending = settings::HasNumber(key, "Ascending") ? settings::GetNumber(key, "Ascending") != 0
                                                                 : model.Ascending();
    model.EnableSort(settings::GetNumber(key, "SortCol"), ascending);
  }
  if (settings::HasNumber(key, "HideColumn")) {
    const auto mask = static_cast<unsigned>(settings::GetNumber(key, "HideColumn"));
    for (int column = 0; column < std::min(model.ColumnCount(), kMaskedColumns); ++column) {
      model.SetColumnVisible(column, (mask & (1u << column)) == 0);
    }
  }
}

void SaveColumnLayout(const GridModel& model, const std::string& key) {
  unsigned mask = 0;
  for (int column = 0; column < model.ColumnCount(); ++column) {
    settings::SetNumber(key, WidthName(column), model.Column(column).width);
    if (column < kMaskedColumns && !model.Column(column).visible) mask |= 1u << column;
  }
  if (model.SortEnabled()) {
    settings::SetNumber(key, "SortCol", model.SortColumn());
    settings::SetNumber(key, "Ascending", model.Ascending() ? 1 : 0);
  }
  settings::SetNumber(key, "HideColumn", static_cast<int>(mask));
}

}  // namespace cw
