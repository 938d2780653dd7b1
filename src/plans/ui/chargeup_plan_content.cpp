#include "plans/ui/chargeup_plan_content.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/prompter.h"

namespace cw {
namespace {

struct MatchString {
  const char* text;
  const char* explanation;
};
constexpr MatchString kStrings[] = {
    {"<Y>", "年份，输入格式为<Y>，被替换为当前年份，例如“2006年”"},
    {"<M>", "月份，输入格式为<M>，被替换为当前月份，例如“1月”"},
    {"<D>", "日期，输入格式为<D>，被替换为当前日期，例如“1日”"},
    {"<W>", "星期，输入格式为<W>，被替换为当前星期，例如“星期一”"},
};

}  // namespace

CChargeupPlanContent::CChargeupPlanContent(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle("插入匹配字符串");
  auto* layout = new QVBoxLayout(this);
  options_ = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(kStrings[i].explanation, this);
    option->setObjectName(QString("match%1").arg(i));
    options_->addButton(option, i);
    layout->addWidget(option);
  }
  options_->button(0)->setChecked(true);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setObjectName("ok");
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole)->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &CChargeupPlanContent::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CChargeupPlanContent::reject);
  layout->addWidget(buttons);
}

QString CChargeupPlanContent::Chosen() const { return kStrings[std::max(0, options_->checkedId())].text; }

void CChargeupPlanContent::InsertInto(QLineEdit* edit, QWidget* parent) {
  CChargeupPlanContent dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return;
  if (edit->maxLength() - edit->text().size() <= 2) {
    CurrentPrompter().Inform("已经输入的太多的字符，无法添加新的字符。", "操作错误", PromptStyle::Error);
    return;
  }
  edit->insert(dialog.Chosen());
  edit->setFocus();
}

}  // namespace cw
