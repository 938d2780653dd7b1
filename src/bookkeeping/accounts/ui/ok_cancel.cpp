#include "bookkeeping/accounts/ui/ok_cancel.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/own_dialog.h"

namespace cw {

QDialogButtonBox* OkCancelButtons(COwnDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消", QDialogButtonBox::RejectRole)->setObjectName("cancel");
  // accept() and reject() are virtual: each dialog's own checks run.
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog] { dialog->accept(); });
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, [dialog] { dialog->reject(); });
  return buttons;
}

}  // namespace cw
