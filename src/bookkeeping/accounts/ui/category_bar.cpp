#include "bookkeeping/accounts/ui/category_bar.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "bookkeeping/accounts/ui/account_icons.h"

namespace cw {

CategoryBar::CategoryBar(QWidget* parent) : QWidget(parent) {
  auto* caption = new QLabel("科目类别", this);
  caption->setObjectName("categoryCaption");
  caption->setAlignment(Qt::AlignCenter);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  list_ = new QListWidget(this);
  list_->setObjectName("categoryList");
  list_->setIconSize(QSize(24, 24));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(caption);
  layout->addWidget(list_);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit CategoryChosen();
  });
}

void CategoryBar::SetCategories(std::vector<AccountCategory> categories, std::size_t current) {
  QSignalBlocker quiet(list_);
  categories_ = std::move(categories);
  list_->clear();
  for (const AccountCategory& category : categories_)
    list_->addItem(new QListWidgetItem(CategoryIcon(category.image), QString::fromStdString(category.name)));
  if (current < categories_.size()) list_->setCurrentRow(static_cast<int>(current));
}

const AccountCategory* CategoryBar::Current() const {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(categories_.size()) ? &categories_[row] : nullptr;
}

void CategoryBar::Choose(int index) { list_->setCurrentRow(index); }

}  // namespace cw
