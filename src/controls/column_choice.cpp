#include "controls/column_choice.h"

#include "base/gbk_text.h"
#include "base/prompter.h"

namespace cw {
namespace {

const char kCaption[] = "操作错误";
const char kChooseFirst[] = "请先从表格中选择一条记录，再进行操作。";  // string 565
const char kRequiredColumn[] = "%s是必须显示的列，不能删除。";          // string 183

}  // namespace

ColumnChoice::ColumnChoice(const std::vector<GridColumn>& columns) : columns_(columns) {
  for (GridColumn& column : columns_) column.visible = column.visible || column.required;
}

std::vector<int> ColumnChoice::Hidden() const {
  std::vector<int> hidden;
  for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
    if (!columns_[column].visible) hidden.push_back(column);
  }
  return hidden;
}

std::vector<int> ColumnChoice::Shown() const {
  std::vector<int> shown;
  for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
    if (columns_[column].visible) shown.push_back(column);
  }
  return shown;
}

std::string ColumnChoice::Label(int column) const {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return {};
  return (columns_[column].required ? "* " : "") + columns_[column].title;
}

bool ColumnChoice::Hide(const std::vector<int>& columns) {
  if (columns.empty()) {
    CurrentPrompter().Inform(kChooseFirst, kCaption, PromptStyle::Error);
    return false;
  }
  bool moved = false;
  const GridColumn* refused = nullptr;
  for (int column : columns) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) continue;
    if (columns_[column].required) {
      if (!refused) refused = &columns_[column];
      continue;
    }
    moved = moved || columns_[column].visible;
    columns_[column].visible = false;
  }
  if (refused) CurrentPrompter().Inform(StrFormat(kRequiredColumn, refused->title.c_str()), kCaption, PromptStyle::Error);
  return moved;
}

bool ColumnChoice::Show(const std::vector<int>& columns) {
  if (columns.empty()) {
    CurrentPrompter().Inform(kChooseFirst, kCaption, PromptStyle::Error);
    return false;
  }
  bool moved = false;
  for (int column : columns) {
    if (column < 0 || column >= static_cast<int>(columns_.size())) continue;
    moved = moved || !columns_[column].visible;
    columns_[column].visible = true;
  }
  return moved;
}

void ColumnChoice::HideAll() {
  for (GridColumn& column : columns_) column.visible = column.required;
}

void ColumnChoice::ShowAll() {
  for (GridColumn& column : columns_) column.visible = true;
}

void ColumnChoice::ApplyTo(GridModel& model) const {
  for (int column = 0; column < static_cast<int>(columns_.size()); ++column) {
    model.SetColumnVisible(column, columns_[column].visible);
  }
}

}  // namespace cw
