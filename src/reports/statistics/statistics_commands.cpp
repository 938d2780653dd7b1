#include "reports/statistics/statistics_commands.h"

namespace cw {

std::optional<DrillTarget> DrillSelected(const GridModel& table, const StatRange& range, Prompter& prompter) {
  const int row = table.SelectedRow();
  if (row < 0) {
    prompter.Inform(kChooseRowFirst, kOperationErrorCaption, PromptStyle::Error);
    return std::nullopt;
  }
  const RowKey& key = table.Key(row);
  std::optional<DrillTarget> target;
  if (key.IsNumber()) target = DrillInto(static_cast<long long>(key.Number()), range);
  if (!target) prompter.Inform(kTotalRowChosen, kOperationErrorCaption, PromptStyle::Error);
  return target;
}

std::optional<int> PieRow(const GridModel& table, Prompter& prompter) {
  const int row = table.SelectedRow();
  if (row < 0) {
    prompter.Inform(kChooseRowFirst, kOperationErrorCaption, PromptStyle::Error);
    return std::nullopt;
  }
  return row;
}

}  // namespace cw
