#include "bookkeeping/entries/entry_statistics.h"

#include <algorithm>
#include <cmath>

#include "base/gbk_text.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_rows.h"
#include "bookkeeping/entries/entry_texts.h"

namespace cw {
namespace {

constexpr double kZero = 0.0000001;

// Builds the arranged rows: voucher rows with their running values and the
// statistics rows between them.
class Arranger {
 public:
  Arranger(const EntryLayout& layout, std::optional<double> opening)
      : layout_(layout), running_(opening.value_or(0)), month_(layout.sums.size()), year_(month_), total_(month_) {
    if (opening && !layout.opening_text.empty()) {
      GridRow row = StatisticsRow("0", layout.opening_text);
      SetRunning(row);
      rows_.push_back(std::move(row));
    }
  }

  void Add(GridRow row) {
    const int number = ParseEntryKey(row.key).voucher;
    if (current_ != 0 && number / 1000 != current_ / 1000) CloseMonth();
    if (current_ != 0 && number / 100000 != current_ / 100000) CloseYear();
    current_ = number;
    for (std::size_t i = 0; i < layout_.sums.size(); ++i) {
      const double value = AmountOf(row.cells[layout_.sums[i]]);
      month_[i] += value;
      year_[i] += value;
      total_[i] += value;
    }
    running_ += Sum(row, 0) - Sum(row, 1);
    SetRunning(row);
    rows_.push_back(std::move(row));
  }

  std::vector<GridRow> Finish() {
    if (current_ != 0) {
      CloseMonth();
      CloseYear();
    }
    AddTotalRow("99", entry_texts::kGrandTotal, total_);
    return std::move(rows_);
  }

 private:
  double Sum(const GridRow& row, std::size_t i) const {
    return i < layout_.sums.size() ? AmountOf(row.cells[layout_.sums[i]]) : 0;
  }

  void SetRunning(GridRow& row) const {
    if (layout_.running >= 0) row.cells[layout_.running] = AmountText(running_);
  }

  GridRow StatisticsRow(std::string key, std::string label) const {
    GridRow row;
    row.key = RowKey(std::move(key));
    row.cells.resize(layout_.columns.size());
    row.cells[EntryLayout::kDescription] = std::move(label);
    row.background = kTotalRowBackground;
    row.checkable = true;
    return row;
  }

  void AddTotalRow(const std::string& key, const std::string& label, std::vector<double>& sums) {
    const bool empty = std::all_of(sums.begin(), sums.begin() + std::min<std::size_t>(2, sums.size()),
                                   [](double s) { return std::fabs(s) < kZero; });
    if (!empty) {
      GridRow row = StatisticsRow(key, label);
      for (std::size_t i = 0; i < sums.size(); ++i) row.cells[layout_.sums[i]] = AmountText(sums[i]);
      if (layout_.gain >= 0) {
        const double principal = AmountOf(row.cells[layout_.sold_principal]);
        const double gain = AmountOf(row.cells[layout_.proceeds]) - principal;
        row.cells[layout_.gain] = AmountText(gain);
        row.cells[layout_.rate] = RateText(gain, principal);
      }
      SetRunning(row);
      rows_.push_back(std::move(row));
    }
    std::fill(sums.begin(), sums.end(), 0.0);
  }

  void CloseMonth() {
    const int year = current_ / 100000, month = current_ / 1000 % 100;
    AddTotalRow(std::to_string(year * 100 + month), StrFormat(entry_texts::kMonthTotal, month), month_);
  }

  void CloseYear() {
    const int year = current_ / 100000;
    AddTotalRow(std::to_string(year) + "99", StrFormat(entry_texts::kYearTotal, year), year_);
  }

  const EntryLayout& layout_;
  double running_;
  int current_ = 0;  // the voucher number of the last row added
  std::vector<double> month_, year_, total_;
  std::vector<GridRow> rows_;
};

}  // namespace

void ArrangeEntryTable(GridModel& table, const EntryLayout& layout, std::optional<double> opening) {
  const std::optional<RowKey> selected = table.SelectedKey();
  std::vector<GridRow> vouchers;
  for (const GridRow& row : table.Rows()) {
    if (!ParseEntryKey(row.key).IsStatistics()) vouchers.push_back(row);
  }
  std::stable_sort(vouchers.begin(), vouchers.end(), [](const GridRow& a, const GridRow& b) {
    return ParseEntryKey(a.key).voucher < ParseEntryKey(b.key).voucher;
  });
  Arranger arranger(layout, opening);
  for (GridRow& row : vouchers) arranger.Add(std::move(row));
  table.DeleteAllRows();
  for (GridRow& row : arranger.Finish()) table.AddRow(std::move(row));
  table.SelectRow(selected ? table.FindKey(*selected) : -1);
}

}  // namespace cw
