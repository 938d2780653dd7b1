#include "reports/ledgers/row_choice.h"

#include "base/prompter.h"

namespace cw {
namespace {

constexpr char kNoRow[] = "请先从表格中选择一条记录，再进行操作。";
constexpr char kTotalRow[] = "您选择了统计行（背景色为绿色），请选择账单数据行。";
constexpr char kCaption[] = "操作错误";

}  // namespace

std::optional<int> ChosenVoucher(const GridModel& grid, Prompter& prompter) {
  const std::optional<RowKey> key = grid.SelectedKey();
  if (!key) {
    prompter.Inform(kNoRow, kCaption, PromptStyle::Error);
    return std::nullopt;
  }
  const double number = key->Number();
  if (number <= 0) {
    prompter.Inform(kTotalRow, kCaption, PromptStyle::Error);
    return std::nullopt;
  }
  return static_cast<int>(number);
}

std::optional<std::string> ChosenAccount(const GridModel& grid, Prompter& prompter) {
  const std::optional<RowKey> key = grid.SelectedKey();
  if (!key || key->Text().empty()) {
    prompter.Inform(kNoRow, kCaption, PromptStyle::Error);
    return std::nullopt;
  }
  return key->Text();
}

}  // namespace cw
