#include "controls/column_chooser.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw {

CColumnChooser::CColumnChooser(const std::vector<GridColumn>& columns, QWidget* parent)
    : COwnDialog(parent), choice_(columns) {
  setWindowTitle("显示设置");
  hidden_ = new QListWidget(this);
  shown_ = new QListWidget(this);
  hidden_->setObjectName("hiddenColumns");
  shown_->setObjectName("shownColumns");
  for (QListWidget* list : {hidden_, shown_}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(140, 200);
  }

  auto button = [this](const char* text, const char* name, auto action) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, action] {
      action();
      Fill();
    });
    return b;
  };
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  moves->addWidget(button("添加 >", "showButton", [this] { choice_.Show(Chosen(hidden_)); }));
  moves->addWidget(button("全部添加 >>", "showAllButton", [this] { choice_.ShowAll(); }));
  moves->addSpacing(12);
  moves->addWidget(button("< 删除", "hideButton", [this] { choice_.Hide(Chosen(shown_)); }));
  moves->addWidget(button("<< 全部删除", "hideAllButton", [this] { choice_.HideAll(); }));
  moves->addStretch();

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("隐藏的列：", this), 0, 0);
  grid->addWidget(new QLabel("显示的列：", this), 0, 2);
  grid->addWidget(hidden_, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(shown_, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(new QLabel("带 * 的列是必须显示的列。", this));
  layout->addWidget(buttons);
  Fill();
}

void CColumnChooser::Fill() {
  auto fill = [this](QListWidget* list, const std::vector<int>& columns) {
    list->clear();
    for (int column : columns) {
      auto* item = new QListWidgetItem(QString::fromStdString(choice_.Label(column)), list);
      item->setData(Qt::UserRole, column);
    }
  };
  fill(hidden_, choice_.Hidden());
  fill(shown_, choice_.Shown());
}

std::vector<int> CColumnChooser::Chosen(const QListWidget* list) {
  std::vector<int> columns;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) columns.push_back(list->item(i)->data(Qt::UserRole).toInt());
  }
  return columns;
}

}  // namespace cw
