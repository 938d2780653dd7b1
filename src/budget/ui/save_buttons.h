#pragma once
// The buttons of the budget dialogs: "保存新增(&A)" (save and stay open for
// the next entry), "保存退出(&O)" (save and close) and "取消(&C)". In edit mode
// only the second shows, reading "确定(&O)".
#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace cw {

struct SaveButtons {
  // Made as children of `dialog`: the second button accepts it, the third
  // rejects it, the first runs `save_and_continue`.
  SaveButtons(QDialog* dialog, const std::function<void()>& save_and_continue);
  void SetEditMode();

  QPushButton* save_add;
  QPushButton* save;
  QHBoxLayout* row;  // the three buttons right-aligned
};

}  // namespace cw
