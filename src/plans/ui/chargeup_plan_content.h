#pragma once
// CChargeupPlanContent ("插入匹配字符串"): one of the four match strings, put
// into a plan's description where the caret stands.
#include "ui/own_dialog.h"

class QButtonGroup;
class QLineEdit;

namespace cw {

class CChargeupPlanContent : public COwnDialog {
  Q_OBJECT
 public:
  explicit CChargeupPlanContent(QWidget* parent = nullptr);
  // "<Y>", "<M>", "<D>" or "<W>".
  QString Chosen() const;

  // Opens the dialog and inserts the chosen string into `edit` at its caret,
  // when the field has room for it (else message 143).
  static void InsertInto(QLineEdit* edit, QWidget* parent);

 private:
  QButtonGroup* options_ = nullptr;
};

}  // namespace cw
