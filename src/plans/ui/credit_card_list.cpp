#include "plans/ui/credit_card_list.h"

#include "base/prompter.h"
#include "controls/list_wnd.h"
#include "core/item_cache.h"
#include "plans/card_cache.h"
#include "plans/card_records.h"
#include "plans/ui/credit_card_input.h"

namespace cw {

CCreditCardList::CCreditCardList(QWidget* parent) : ListDialog("信用卡列表", 600, 450, parent) {
  AddButton("新增", "新增", "add", [this] { NewCard(); });
  AddButton("更改", "更改所选的信用卡", "change", [this] {
    if (const int row = OneTickedRow(); row >= 0) ChangeCard(row);
  });
  AddButton("删除", "删除所选的信用卡", "delete", [this] { DeleteCards(); });
  AddSeparator();
  AddButton("退出", "退出", "close", [this] { reject(); });
  Grid()->SetModel(BuildCardList());
  connect(Grid(), &CListWnd::RowActivated, this, [this](int row) { ChangeCard(row); });
}

void CCreditCardList::NewCard() {
  CCreditCardInput dialog(false, CardInput{}, this);
  std::string code;
  dialog.SetSaver([&](const CardInput& input) { return AddCard(input, CurrentPrompter(), &code).ok(); });
  if (dialog.exec() != QDialog::Accepted) return;
  GridModel& model = Grid()->Model();
  const int row = model.AddRow(CardListRow(code));
  Grid()->Refresh();
  Grid()->SelectRow(row);
}

void CCreditCardList::ChangeCard(int row) {
  const std::string code = Grid()->Model().Key(row).Text();
  const CardSetting card = CCreditCardCache::Instance().Find(code).value_or(CardSetting{code, "", 1, 20, 0, 1});
  CCreditCardInput dialog(true, InputOfCard(CItemCache::Instance().NameOf(code), card), this);
  dialog.SetSaver([&](const CardInput& input) { return cw::ChangeCard(code, input, CurrentPrompter()).ok(); });
  if (dialog.exec() != QDialog::Accepted) return;
  GridRow fresh = CardListRow(code);
  for (int c = 0; c < static_cast<int>(fresh.cells.size()); ++c) Grid()->Model().SetCell(row, c, fresh.cells[c]);
  Grid()->Refresh();
}

void CCreditCardList::DeleteCards() {
  const std::vector<int> rows = TickedRows();
  if (rows.empty()) {
    CurrentPrompter().Inform("请先从表格中勾选一条或多条记录，再进行操作。", "操作错误", PromptStyle::Error);
    return;
  }
  std::vector<std::string> codes;
  for (int row : rows) codes.push_back(Grid()->Model().Key(row).Text());
  const CardDeletion deletion = cw::DeleteCards(codes, CurrentPrompter());
  GridModel& model = Grid()->Model();
  for (const std::string& code : deletion.deleted) model.DeleteRow(model.FindKey(code));
  Grid()->Refresh();
}

}  // namespace cw
