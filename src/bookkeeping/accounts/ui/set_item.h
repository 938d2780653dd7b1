#pragma once
// CSetItem: the account selection dialog ("科目设置"), a dialog around a
// private account page. Its mode is fixed when it is made:
//   SelectMode::kManage      "记账科目管理", the page's own toolbar (新增下级科目,
//                            新增同级科目, 更改, 删除, 退出) and no OK/Cancel; the
//                            caller learns from Changed() whether to refill
//                            its pickers;
//   SelectMode::kChoose      "选择科目" with OK/Cancel; after OK the selected
//                            code and its full path name;
//   SelectMode::kChooseLeaf  the same, but OK on a non-leaf is refused and
//                            the dialog stays open.
//
//   CSetItem dialog(SelectMode::kManage, type, this);
//   dialog.exec();
//   if (dialog.Changed()) RefillPickers();
#include <string>

#include "bookkeeping/accounts/account_selection.h"
#include "core/ledger_model.h"
#include "ui/own_dialog.h"

namespace cw {

class CItemPage;

class CSetItem : public COwnDialog {
  Q_OBJECT
 public:
  // `requested_type`: the account type whose category the page shows first.
  explicit CSetItem(SelectMode mode, int requested_type = kTypeCash, QWidget* parent = nullptr);

  SelectMode Mode() const { return mode_; }
  // True once an account was added, changed or deleted in the dialog.
  bool Changed() const;
  // The choice after OK (modes kChoose and kChooseLeaf); empty before.
  const std::string& SelectedCode() const { return code_; }
  // The names from the top level down, each followed by "\".
  const std::string& SelectedPath() const { return path_; }

  CItemPage* Page() const { return page_; }

 public slots:
  void accept() override;

 private:
  SelectMode mode_;
  CItemPage* page_ = nullptr;
  std::string code_;
  std::string path_;
};

}  // namespace cw
