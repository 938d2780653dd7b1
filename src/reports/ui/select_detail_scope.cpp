#include "reports/ui/select_detail_scope.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "bookkeeping/booking/ui/select_item_wnd.h"
#include "core/item_cache.h"

namespace cw {
namespace {

QDateEdit* MonthEdit(int yyyymm, QWidget* parent) {
  auto* edit = new QDateEdit(QDate(yyyymm / 100, yyyymm % 100, 1), parent);
  edit->setDisplayFormat(QStringLiteral("yyyy年M月"));
  return edit;
}

int MonthOf(const QDateEdit* edit) { return edit->date().year() * 100 + edit->date().month(); }

}  // namespace

CSelectDetailScope::CSelectDetailScope(bool picker, const std::string& account, std::optional<LedgerRange> range,
                                       QWidget* parent)
    : COwnDialog(parent) {
  setWindowTitle(QStringLiteral("选择明细表查询范围"));
  const QDate today = QDate::currentDate();
  const int now = today.year() * 100 + today.month();
  start_ = MonthEdit(range ? range->FirstMonth() : now, this);
  end_ = MonthEdit(range ? range->LastMonth() : now, this);
  auto* form = new QFormLayout;
  if (picker) {
    picker_ = new CSelectItemWnd(this);
    CItemCache& chart = CItemCache::Instance();
    for (const CItemCache::Entry& e : chart.Entries()) {
      if (e.type == 0) continue;
      std::string path = chart.FullPath(e.code);
      path.pop_back();
      picker_->AddItem(QString::fromStdString(e.code), QString::fromStdString(path), QString(), QColor());
    }
    picker_->SelectCode(QString::fromStdString(account));
    form->addRow(QStringLiteral("科    目："), picker_);
  } else {
    code_ = new QLineEdit(QString::fromStdString(account), this);
    form->addRow(QStringLiteral("科目代码："), code_);
  }
  form->addRow(QStringLiteral("起始月份："), start_);
  form->addRow(QStringLiteral("终止月份："), end_);
  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

std::string CSelectDetailScope::Account() const {
  return picker_ ? picker_->Code().toStdString() : code_->text().trimmed().toStdString();
}

CSelectDetailScope::Choice CSelectDetailScope::Chosen() const {
  return {Account(), LedgerRange::OfMonths(MonthOf(start_), MonthOf(end_))};
}

void CSelectDetailScope::accept() {
  if (!CItemCache::Instance().Exists(Account())) {
    CurrentPrompter().Inform(
        "科目代码错误，请输入有效的科目代码！\n\n有效的科目代码长度为至少为3位，下级科目代码等于\n上级科目代码加上2位的数字编号。",
        "操作错误", PromptStyle::Error);
    if (code_) code_->setFocus();
    return;
  }
  if (MonthOf(start_) > MonthOf(end_)) {
    CurrentPrompter().Inform("起始月份不能晚于终止月份，请重新输入！", "操作错误", PromptStyle::Error);
    start_->setFocus();
    return;
  }
  COwnDialog::accept();
}

std::optional<CSelectDetailScope::Choice> CSelectDetailScope::Ask(QWidget* parent, const std::string& account,
                                                                  const LedgerRange& range) {
  CSelectDetailScope dialog(true, account, range, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}

}  // namespace cw
