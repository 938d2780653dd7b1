#include "budget/ui/budget_home_input.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "budget/budget_texts.h"
#include "budget/ui/save_buttons.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

constexpr std::size_t kContentBytes = 50;
constexpr int kFrequencies[] = {kFrequencyMonthly, kFrequencyQuarterly, kFrequencyYearly};

const char* AmountLabel(bool percent) { return percent ? "百 分 比：" : "金    额："; }

QComboBox* FrequencyList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (int code : kFrequencies) list->addItem(QString::fromStdString(FrequencyName(code)), code);
  return list;
}

void Choose(QComboBox* list, int data) {
  const int index = list->findData(data);
  if (index >= 0) list->setCurrentIndex(index);
}

QDateEdit* MonthPicker(QWidget* parent) {
  auto* edit = new QDateEdit(parent);
  edit->setDisplayFormat("yyyy年MM月");
  edit->setCalendarPopup(true);
  return edit;
}

QDate FirstOfMonth(int yyyymm) { return QDate(yyyymm / 100, yyyymm % 100, 1); }
QDate MonthOfSerial(int serial) {
  const Ymd day = DateOfSerialDay(serial);
  return QDate(day.year, day.month, 1);
}
int SerialOf(const QDate& date) { return SerialDay(date.year(), date.month(), 1); }

QLineEdit* NumberEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  auto* validator = new QDoubleValidator(0, 1e12, 2, edit);
  validator->setNotation(QDoubleValidator::StandardNotation);
  edit->setValidator(validator);
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

}  // namespace

CBudgetHomeInput::CBudgetHomeInput(int id, int today, QWidget* parent) : COwnDialog(parent), id_(id) {
  setWindowTitle("预算设置");
  Build();
  const Ymd now = DateOfSerialDay(today);
  const int next = MonthAdd(now.year, now.month, 1);
  start_->setDate(FirstOfMonth(next));
  end_->setDate(FirstOfMonth(MonthAdd(next / 100, next % 100, 11)));
  TypeChanged();
  if (id_ != 0) {
    if (std::optional<PropertyItem> item = ReadPropertyItem(id_)) Load(*item);
    buttons_->SetEditMode();
  }
}

void CBudgetHomeInput::Build() {
  content_ = new QLineEdit(this);
  content_->setObjectName("content");
  // At most 50 bytes as the GBK code page counts them.
  connect(content_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const std::string utf8 = text.toStdString();
    if (GbkLength(utf8) > kContentBytes) content_->setText(QString::fromStdString(GbkCut(utf8, kContentBytes)));
  });
  type_ = new QComboBox(this);
  type_->setObjectName("type");
  for (int type : kEnterableItemTypes) type_->addItem(QString::fromStdString(ItemTypeName(type)), type);

  has_start_ = new QCheckBox("开始日期：", this);
  has_start_->setObjectName("hasStart");
  start_ = MonthPicker(this);
  start_->setObjectName("start");
  has_end_ = new QCheckBox("结束日期：", this);
  has_end_->setObjectName("hasEnd");
  end_ = MonthPicker(this);
  end_->setObjectName("end");
  start_->setEnabled(false);
  end_->setEnabled(false);
  connect(has_start_, &QCheckBox::toggled, start_, &QWidget::setEnabled);
  connect(has_end_, &QCheckBox::toggled, end_, &QWidget::setEnabled);

  frequency_ = FrequencyList(this);
  frequency_->setObjectName("frequency");
  cash_kind_ = new QComboBox(this);
  cash_kind_->setObjectName("cashKind");
  cash_label_ = new QLabel(this);
  cash_ = NumberEdit(this);
  cash_->setObjectName("cash");

  auto* form = new QFormLayout;
  form->addRow("说    明：", content_);
  form->addRow("类    别：", type_);
  form->addRow(has_start_, start_);
  form->addRow(has_end_, end_);
  form->addRow("预算频率：", frequency_);
  form->addRow("金额类型：", cash_kind_);
  form->addRow(cash_label_, cash_);

  adjustment_ = new QGroupBox("调整", this);
  adjustment_->setObjectName("adjustment");
  increase_frequency_ = FrequencyList(adjustment_);
  increase_frequency_->setObjectName("increaseFrequency");
  increase_kind_ = new QComboBox(adjustment_);
  increase_kind_->setObjectName("increaseKind");
  for (int kind : {kIncreaseFixed, kIncreasePercent})
    increase_kind_->addItem(QString::fromStdString(IncreaseKindName(kind)), kind);
  increase_label_ = new QLabel(adjustment_);
  increase_ = NumberEdit(adjustment_);
  increase_->setObjectName("increase");
  auto* adjustment_form = new QFormLayout(adjustment_);
  adjustment_form->addRow("调整频率：", increase_frequency_);
  adjustment_form->addRow("调整方式：", increase_kind_);
  adjustment_form->addRow(increase_label_, increase_);

  connect(type_, &QComboBox::currentIndexChanged, this, &CBudgetHomeInput::TypeChanged);
  connect(cash_kind_, &QComboBox::currentIndexChanged, this, &CBudgetHomeInput::KindChanged);
  connect(increase_kind_, &QComboBox::currentIndexChanged, this, &CBudgetHomeInput::KindChanged);

  buttons_ = std::make_unique<SaveButtons>(this, [this] { SaveAndContinue(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(adjustment_);
  layout->addLayout(buttons_->row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CBudgetHomeInput::TypeChanged() {
  const ItemTypeDefaults defaults = DefaultsOfItemType(type_->currentData().toInt());
  Choose(frequency_, defaults.cash_frequency);
  cash_kind_->clear();
  for (int kind : defaults.cash_kinds) cash_kind_->addItem(QString::fromStdString(CashKindName(kind)), kind);
  Choose(increase_frequency_, kFrequencyYearly);
  Choose(increase_kind_, kIncreasePercent);
  adjustment_->setVisible(defaults.adjustable);
  KindChanged();
}

void CBudgetHomeInput::KindChanged() {
  cash_label_->setText(AmountLabel(cash_kind_->currentData().toInt() != kCashFixed));
  increase_label_->setText(AmountLabel(increase_kind_->currentData().toInt() == kIncreasePercent));
}

void CBudgetHomeInput::Load(const PropertyItem& item) {
  content_->setText(QString::fromStdString(item.content));
  Choose(type_, item.type);
  Choose(frequency_, item.cash_frequency);
  Choose(cash_kind_, item.cash_type);
  has_start_->setChecked(item.start_date != 0);
  if (item.start_date != 0) start_->setDate(MonthOfSerial(item.start_date));
  has_end_->setChecked(item.end_date != 0);
  if (item.end_date != 0) end_->setDate(MonthOfSerial(item.end_date));
  const bool percent = item.cash_type != kCashFixed;
  cash_->setText(QString::number(percent ? item.cash * 100 : item.cash, 'f', percent ? 1 : 2));
  if (item.increase != 0) {
    Choose(increase_frequency_, item.increase_frequency);
    Choose(increase_kind_, item.increase_type);
    const bool raise_percent = item.increase_type == kIncreasePercent;
    increase_->setText(QString::number(raise_percent ? item.increase * 100 : item.increase, 'f', raise_percent ? 1 : 2));
  }
  KindChanged();
}

PropertyItem CBudgetHomeInput::Item() const {
  PropertyItem item;
  item.id = id_;
  item.content = content_->text().trimmed().toStdString();
  item.type = type_->currentData().toInt();
  item.cash_frequency = frequency_->currentData().toInt();
  item.start_date = has_start_->isChecked() ? SerialOf(start_->date()) : 0;
  item.end_date = has_end_->isChecked() ? SerialOf(end_->date()) : 0;
  item.cash_type = cash_kind_->currentData().toInt();
  item.cash = cash_->text().toDouble() / (item.cash_type == kCashFixed ? 1 : 100);
  if (adjustment_->isVisibleTo(this)) {
    item.increase_type = increase_kind_->currentData().toInt();
    item.increase = increase_->text().toDouble() / (item.increase_type == kIncreasePercent ? 100 : 1);
    if (item.increase != 0) {
      item.increase_frequency = increase_frequency_->currentData().toInt();
    } else {
      item.increase_type = kIncreaseFixed;
    }
  }
  return item;
}

QWidget* CBudgetHomeInput::FieldWidget(ItemField field) const {
  switch (field) {
    case ItemField::kContent: return content_;
    case ItemField::kStartDate: return start_;
    case ItemField::kCash: return cash_;
  }
  return nullptr;
}

bool CBudgetHomeInput::Save() {
  const PropertyItem item = Item();
  if (std::optional<ItemRefusal> refusal = CheckPropertyItem(item)) {
    CurrentPrompter().Inform(refusal->message, budget_text::kInputError, PromptStyle::Information);
    if (QWidget* field = FieldWidget(refusal->field)) field->setFocus();
    return false;
  }
  const int id = id_ == 0 ? AddPropertyItem(item) : (ChangePropertyItem(item) ? id_ : 0);
  if (id == 0) return false;
  emit ItemSaved(id);
  return true;
}

void CBudgetHomeInput::SaveAndContinue() {
  if (!Save()) return;
  cash_->clear();
  content_->setFocus();
  CurrentPrompter().Inform(budget_text::kSavedContinue);
}

void CBudgetHomeInput::accept() {
  if (Save()) COwnDialog::accept();
}

}  // namespace cw
