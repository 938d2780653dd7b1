#include "budget/ui/save_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace cw {

SaveButtons::SaveButtons(QDialog* dialog, const std::function<void()>& save_and_continue) {
  save_add = new QPushButton("保存新增(&A)", dialog);
  save_add->setObjectName("saveAdd");
  save = new QPushButton("保存退出(&O)", dialog);
  save->setObjectName("save");
  save->setDefault(true);
  auto* cancel = new QPushButton("取消(&C)", dialog);
  QObject::connect(save_add, &QPushButton::clicked, dialog, save_and_continue);
  QObject::connect(save, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(save_add);
  row->addWidget(save);
  row->addWidget(cancel);
}

void SaveButtons::SetEditMode() {
  save_add->hide();
  save->setText("确定(&O)");
}

}  // namespace cw
