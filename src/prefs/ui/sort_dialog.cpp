#include "prefs/ui/sort_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cw {

CSortDialog::CSortDialog(const std::vector<GridColumn>& columns, int column, bool ascending, QWidget* parent)
    : COwnDialog(parent) {
  setWindowTitle("排序");
  columns_ = new QComboBox(this);
  columns_->setObjectName("sortColumn");
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (!columns[i].visible) continue;
    columns_->addItem(QString::fromStdString(columns[i].title), static_cast<int>(i));
    if (static_cast<int>(i) == column) columns_->setCurrentIndex(columns_->count() - 1);
  }
  ascending_ = new QRadioButton("升序", this);
  ascending_->setObjectName("ascending");
  descending_ = new QRadioButton("降序", this);
  descending_->setObjectName("descending");
  (ascending ? ascending_ : descending_)->setChecked(true);
  auto* direction = new QHBoxLayout;
  direction->addWidget(ascending_);
  direction->addWidget(descending_);
  direction->addStretch();

  auto* form = new QFormLayout;
  form->addRow("排序列：", columns_);
  form->addRow("顺序：", direction);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole);
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CSortDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CSortDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CSortDialog::Column() const { return columns_->count() ? columns_->currentData().toInt() : 0; }

bool CSortDialog::Ascending() const { return ascending_->isChecked(); }

}  // namespace cw
