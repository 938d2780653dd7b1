#include "plans/ui/convert_credit_card.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/prompter.h"

namespace cw {
namespace {

void Fill(QListWidget* list, const std::vector<AccountRef>& accounts) {
  for (const AccountRef& account : accounts) {
    auto* item = new QListWidgetItem(QString::fromStdString(account.code + " " + account.name), list);
    item->setData(Qt::UserRole, QString::fromStdString(account.code));
    item->setData(Qt::UserRole + 1, QString::fromStdString(account.name));
  }
}

std::vector<AccountRef> Read(const QListWidget* list) {
  std::vector<AccountRef> accounts;
  for (int i = 0; i < list->count(); ++i) {
    accounts.push_back({list->item(i)->data(Qt::UserRole).toString().toStdString(),
                        list->item(i)->data(Qt::UserRole + 1).toString().toStdString()});
  }
  return accounts;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CConvertCreditCard::CConvertCreditCard(const CardChoice& choice, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("信用卡科目设置");
  auto* explanation = new QLabel(
      "    这次升级增加了信用卡科目类型。程序已经按名称从借入科目中挑出了可能是信用卡的科目，列在右边。"
      "请检查并确认：是信用卡的科目放在右边，其他借入科目留在左边，然后点击确定。",
      this);
  explanation->setWordWrap(true);

  borrowing_ = new QListWidget(this);
  borrowing_->setObjectName("borrowing");
  cards_ = new QListWidget(this);
  cards_->setObjectName("cards");
  for (QListWidget* list : {borrowing_, cards_}) list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Fill(borrowing_, choice.borrowing);
  Fill(cards_, choice.cards);

  QPushButton* add = Button("添加 >", "add", this);
  QPushButton* add_all = Button("全部添加 >>", "addAll", this);
  QPushButton* remove = Button("< 删除", "remove", this);
  QPushButton* remove_all = Button("<< 全部删除", "removeAll", this);
  connect(add, &QPushButton::clicked, this, [this] { Move(borrowing_, cards_, false); });
  connect(add_all, &QPushButton::clicked, this, [this] { Move(borrowing_, cards_, true); });
  connect(remove, &QPushButton::clicked, this, [this] { Move(cards_, borrowing_, false); });
  connect(remove_all, &QPushButton::clicked, this, [this] { Move(cards_, borrowing_, true); });
  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (QPushButton* button : {add, add_all, remove, remove_all}) middle->addWidget(button);
  middle->addStretch();

  auto* ok = new QPushButton("确定", this);
  ok->setObjectName("ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CConvertCreditCard::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(explanation, 0, 0, 1, 3);
  grid->addWidget(new QLabel("借入科目", this), 1, 0);
  grid->addWidget(new QLabel("信用卡科目", this), 1, 2);
  grid->addWidget(borrowing_, 2, 0);
  grid->addLayout(middle, 2, 1);
  grid->addWidget(cards_, 2, 2);
  grid->addWidget(ok, 3, 2, Qt::AlignRight);
  resize(560, 360);
}

CardChoice CConvertCreditCard::Choice() const { return {Read(borrowing_), Read(cards_)}; }

void CConvertCreditCard::Move(QListWidget* from, QListWidget* to, bool all) {
  QList<QListWidgetItem*> items;
  for (int i = 0; i < from->count(); ++i) {
    if (all || from->item(i)->isSelected()) items.push_back(from->item(i));
  }
  if (items.isEmpty() && !all) {
    CurrentPrompter().Inform("请先从表格中选择一条记录，再进行操作。", "操作错误", PromptStyle::Error);
    return;
  }
  for (QListWidgetItem* item : items) to->addItem(from->takeItem(from->row(item)));
}

}  // namespace cw
