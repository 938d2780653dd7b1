#include "bookkeeping/accounts/ui/item_transfer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "bookkeeping/accounts/account_transfer.h"
#include "core/item_cache.h"

namespace cw {

CItemTransfer::CItemTransfer(bool editable, QWidget* parent) : COwnDialog(parent), editable_(editable) {
  setWindowTitle("记账数据转移");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  auto* grid = new QGridLayout;
  const char* captions[] = {"从：", "到："};
  const char* names[] = {"from", "to"};
  for (Field field : {kFrom, kTo}) {
    edits_[field] = new QLineEdit(this);
    edits_[field]->setObjectName(names[field]);
    edits_[field]->setReadOnly(!editable);
    edits_[field]->setMinimumWidth(300);
    search_[field] = new QToolButton(this);
    search_[field]->setObjectName(QString(names[field]) + "Search");
    search_[field]->setIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView));
    search_[field]->setToolTip("查找");
    connect(search_[field], &QToolButton::clicked, this, [this, field] { StartPick(field); });
    grid->addWidget(new QLabel(captions[field], this), field, 0);
    grid->addWidget(edits_[field], field, 1);
    grid->addWidget(search_[field], field, 2);
  }
  auto* note = new QLabel(
      "将一个科目中的记账数据全部转移到另一个科目。点击查找图标后窗口会隐藏，选择一个末级科目（或按取消键）窗口会重新显示。",
      this);
  note->setWordWrap(true);

  QDialogButtonBox* buttons = OkCancelButtons(this, "确定", "取消");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addWidget(buttons);
}

void CItemTransfer::StartPick(Field field) {
  picking_ = field;
  hide();
  emit PickRequested();
}

void CItemTransfer::Picked(const std::string& code) {
  picked_[picking_] = code;
  shown_[picking_] = QString::fromStdString(CItemCache::Instance().FullPath(code));
  QLineEdit* edit = edits_[picking_];
  edit->setText(shown_[picking_]);
  edit->setCursorPosition(static_cast<int>(edit->text().size()));
  Unpicked();
  edit->setFocus();
}

void CItemTransfer::Unpicked() {
  show();
  raise();
  activateWindow();
}

std::string CItemTransfer::Code(Field field) const {
  // An editable field that was typed into after its pick holds a code.
  if (editable_ && edits_[field]->text() != shown_[field]) return edits_[field]->text().trimmed().toStdString();
  return picked_[field];
}

void CItemTransfer::accept() {
  AccountResult result = TransferBookings(Code(kFrom), Code(kTo), CurrentPrompter());
  if (result.ok()) {
    COwnDialog::accept();  // closes, and so deletes, the dialog
    return;
  }
  if (result.field == AccountField::kFrom || result.field == AccountField::kTo) {
    edits_[result.field == AccountField::kFrom ? kFrom : kTo]->setFocus();
  }
}

}  // namespace cw
