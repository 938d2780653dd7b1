#include "bookkeeping/booking/ui/charge_up.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/prompter.h"
#include "bookkeeping/booking/booking_texts.h"
#include "bookkeeping/booking/picker_items.h"
#include "bookkeeping/booking/remembered_kind.h"
#include "bookkeeping/booking/ui/account_management.h"
#include "bookkeeping/booking/ui/form_inputs.h"
#include "bookkeeping/booking/ui/select_item_wnd.h"
#include "calendar/calendar.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "core/voucher_engine.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QColor QColorOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void AddPickerItem(CSelectItemWnd* picker, const PickerItem& item) {
  picker->AddItem(Q(item.code), Q(item.name), Q(item.bracket), QColorOf(item.colour));
}

// The page whose kinds the dialog offers for a voucher of `kind` shown on `page`.
int OptionsPage(int page, int kind) {
  const std::vector<int> kinds = PageKinds(page);
  if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) return page;
  return PageOfKind(kind).page;
}

}  // namespace

CChargeUp::CChargeUp(int page, QWidget* parent) : COwnDialog(parent), mode_(Mode::kNew), page_(page) {
  kinds_ = PageKinds(page_);
  saver_ = [](const Booking& booking) { return WriteVoucher(booking); };
  Build();
  SetSerialDay(date_, Today());
  ChooseKind(StartingKind(LoggedInPerson(), page_));
}

CChargeUp::CChargeUp(int page, Mode mode, bool plan, QWidget* parent)
    : COwnDialog(parent), mode_(mode), plan_(plan), page_(page) {
  kinds_ = PageKinds(page_);
  Build();
  ChooseKind(StartingKind(LoggedInPerson(), page_, plan_));
}

void CChargeUp::AddSection(QWidget* section) {
  auto* box = static_cast<QVBoxLayout*>(layout());
  box->insertWidget(box->count() - 1, section);
}

void CChargeUp::HideDate() {
  date_label_->hide();
  date_->hide();
}

void CChargeUp::SetOkEnabled(bool enabled) { ok_->setEnabled(enabled); }

CChargeUp::CChargeUp(Mode mode, int page, int number, QWidget* parent)
    : COwnDialog(parent), mode_(mode), page_(page) {
  std::optional<Booking> voucher = ReadVoucher(number);
  loaded_ = voucher.has_value();
  const int shown_kind = voucher ? KindShownOnPage(voucher->kind, page) : PageBaseKind(page);
  page_ = OptionsPage(page, shown_kind);
  kinds_ = PageKinds(page_);
  saver_ = [number](const Booking& booking) { return ReplaceVoucher(number, booking); };
  Build();
  if (voucher) LoadVoucher(*voucher);
  else ChooseKind(shown_kind);
  ok_->setEnabled(mode_ == Mode::kEdit && voucher && CanEdit(*voucher));
}

void CChargeUp::Build() {
  setWindowTitle(plan_ ? "预约记账" : "记账");
  auto* grid = new QGridLayout;
  int row = 0;

  date_ = NewDateEdit(this);
  date_->setObjectName("date");
  AddRow(grid, date_label_, date_, row++);
  date_label_->setText("日    期：");

  auto* kind_box = new QWidget(this);
  auto* kind_row = new QHBoxLayout(kind_box);
  kind_row->setContentsMargins(0, 0, 0, 0);
  kind_group_ = new QButtonGroup(this);
  for (int offset = 0; offset < static_cast<int>(kinds_.size()); ++offset) {
    auto* option = new QRadioButton(Q(KindName(kinds_[offset])), kind_box);
    option->setObjectName(QString("kind%1").arg(offset));
    kind_group_->addButton(option, offset);
    kind_row->addWidget(option);
  }
  kind_row->addStretch();
  QLabel* kind_label = nullptr;
  AddRow(grid, kind_label, kind_box, row++);
  kind_label->setText("记账类型：");
  connect(kind_group_, &QButtonGroup::idClicked, this, [this](int offset) { ChooseKind(kinds_[offset]); });

  for (int i = 0; i < kPickerCount; ++i) {
    pickers_[i] = new CSelectItemWnd(this);
    pickers_[i]->setObjectName(QString("picker%1").arg(i));
    pickers_[i]->EnableSetButton(mode_ != Mode::kView);
    connect(pickers_[i], &CSelectItemWnd::SetRequested, this, &CChargeUp::ManagePickerAccounts);
    AddRow(grid, picker_labels_[i], pickers_[i], row++);
  }
  for (int i = 0; i < 2; ++i) {
    amounts_[i] = NewAmountEdit(this);
    amounts_[i]->setObjectName(QString("amount%1").arg(i + 1));
    AddRow(grid, amount_labels_[i], amounts_[i], row++);
  }
  deposit_ = new QComboBox(this);
  deposit_->setObjectName("depositType");
  for (int i = 0; i < DepositCount(); ++i) deposit_->addItem(Q(DepositName(i)));
  AddRow(grid, deposit_label_, deposit_, row++);
  description_ = new QLineEdit(this);
  description_->setObjectName("description");
  AddRow(grid, description_label_, description_, row++);

  save_add_ = new QPushButton("保存新增(&A)", this);
  save_add_->setObjectName("saveAdd");
  ok_ = new QPushButton(mode_ == Mode::kNew && !plan_ ? "保存退出(&O)" : "确定(&O)", this);
  ok_->setObjectName("ok");
  cancel_ = new QPushButton(mode_ == Mode::kView ? "退出(&Q)" : "取消(&C)", this);
  cancel_->setObjectName("cancel");
  save_add_->setVisible(mode_ == Mode::kNew && !plan_);
  ok_->setVisible(mode_ != Mode::kView);
  connect(save_add_, &QPushButton::clicked, this, &CChargeUp::SaveAndAdd);
  connect(ok_, &QPushButton::clicked, this, &CChargeUp::accept);
  connect(cancel_, &QPushButton::clicked, this, &CChargeUp::reject);
  // Centred, so that the lone "退出(&Q)" of a view-only dialog sits in the middle.
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {save_add_, ok_, cancel_}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  // The dialog takes the height of the rows shown, growing and shrinking with them.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CChargeUp::AddRow(QGridLayout* grid, QLabel*& label, QWidget* field, int row) {
  label = new QLabel(this);
  label->setBuddy(field);
  grid->addWidget(label, row, 0, Qt::AlignRight);
  grid->addWidget(field, row, 1);
}

void CChargeUp::ChooseKind(int kind) {
  kind_ = kind;
  const auto offset = std::find(kinds_.begin(), kinds_.end(), kind) - kinds_.begin();
  if (QAbstractButton* option = kind_group_->button(static_cast<int>(offset))) option->setChecked(true);

  for (int i = 0; i < kPickerCount; ++i) picker_labels_[i]->setText(Q(FieldCaption(kind, kFieldAccount1 + i)));
  amount_labels_[0]->setText(Q(FieldCaption(kind, kFieldAmount1)));
  amount_labels_[1]->setText(Q(FieldCaption(kind, kFieldAmount2)));
  deposit_label_->setText(Q(FieldCaption(kind, kFieldDepositType)));
  description_label_->setText(Q(FieldCaption(kind, kFieldDescription)));

  const bool third = ShowsThirdLine(kind);
  for (QWidget* w : {static_cast<QWidget*>(picker_labels_[2]), static_cast<QWidget*>(pickers_[2]),
                     static_cast<QWidget*>(amount_labels_[1]), static_cast<QWidget*>(amounts_[1])}) {
    w->setVisible(third);
  }
  deposit_label_->setVisible(ShowsDepositType(kind));
  deposit_->setVisible(ShowsDepositType(kind));
  FillPickers();
  layout()->activate();
}

void CChargeUp::FillPickers() {
  for (int i = 0; i < kPickerCount; ++i) {
    CSelectItemWnd* picker = pickers_[i];
    const std::string previous = picker->Code().toStdString();
    const std::vector<PickerItem> items = PickerItems(kind_, i);
    picker->Clear();
    for (const PickerItem& item : items) AddPickerItem(picker, item);
    picker->SelectIndex(SelectionAfterFill(kind_, i, items, previous));
  }
}

void CChargeUp::LoadVoucher(const Booking& voucher) {
  const BookingForm form = FormOfVoucher(voucher, page_);
  SetSerialDay(date_, form.date);
  ChooseKind(form.kind);
  for (int i = 0; i < LineCount(form.kind); ++i) {
    const QString code = Q(form.accounts[i]);
    // An account the kind no longer lists (its type changed) is still shown.
    if (!pickers_[i]->SelectCode(code) && !code.isEmpty()) {
      AddPickerItem(pickers_[i], PickerItemFor(form.accounts[i]));
      pickers_[i]->SelectIndex(pickers_[i]->Count() - 1);
    }
  }
  SetAmount(amounts_[0], form.amount1);
  if (ShowsThirdLine(form.kind)) SetAmount(amounts_[1], form.amount2);
  description_->setText(Q(form.description));
  deposit_->setCurrentIndex(form.deposit_index);
}

BookingForm CChargeUp::Form() const {
  BookingForm form;
  form.date = SerialDayOf(date_);
  form.kind = kind_;
  for (int i = 0; i < kPickerCount; ++i) form.accounts[i] = pickers_[i]->Code().toStdString();
  form.amount1 = AmountOf(amounts_[0]);
  form.amount2 = AmountOf(amounts_[1]);
  form.description = description_->text().toStdString();
  form.deposit_index = deposit_->currentIndex();
  return form;
}

void CChargeUp::Focus(EntryField field) {
  QWidget* target = nullptr;
  switch (field) {
    case EntryField::kAmount1: target = amounts_[0]; break;
    case EntryField::kAmount2: target = amounts_[1]; break;
    case EntryField::kAccount1: target = pickers_[0]; break;
    case EntryField::kAccount2: target = pickers_[1]; break;
    case EntryField::kAccount3: target = pickers_[2]; break;
    case EntryField::kNone: return;
  }
  target->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

bool CChargeUp::Confirm() {
  const Booking booking = Values();
  if (Refusal refusal = CheckEntry(booking)) {
    CurrentPrompter().Inform(refusal.message, booking_texts::kInputErrorCaption, PromptStyle::Error);
    Focus(refusal.field);
    return false;
  }
  // A write that failed has been reported by the engine or the data store.
  const int number = saver_ ? saver_(booking) : 0;
  if (number == 0) return false;
  written_.push_back(number);
  return true;
}

void CChargeUp::accept() {
  if (mode_ == Mode::kView || !ok_->isEnabled() || !Confirm()) return;
  if (mode_ == Mode::kNew) {
    const auto offset = std::find(kinds_.begin(), kinds_.end(), kind_) - kinds_.begin();
    RememberKindOffset(LoggedInPerson(), page_, static_cast<int>(offset), plan_);
  }
  COwnDialog::accept();
}

void CChargeUp::SaveAndAdd() {
  if (!Confirm()) return;
  for (QLineEdit* amount : amounts_) amount->clear();
  description_->setFocus();
  CurrentPrompter().Inform(booking_texts::kAddedContinue);
}

void CChargeUp::ManagePickerAccounts(CSelectItemWnd* picker) {
  const int index = static_cast<int>(std::find(pickers_, pickers_ + kPickerCount, picker) - pickers_);
  int type = CItemCache::Instance().TypeOf(picker->Code().toStdString());
  const std::vector<int>& listed = PickerTypes(kind_, index);
  if (type == 0 && !listed.empty()) type = listed.front();
  if (ManageAccounts(this, type)) FillPickers();
}

std::vector<int> CChargeUp::BookNew(QWidget* parent, int page, Saver saver) {
  CChargeUp dialog(page, parent);
  if (saver) dialog.SetSaver(std::move(saver));
  dialog.exec();
  return dialog.Written();
}

int CChargeUp::EditVoucher(QWidget* parent, int page, int number, Saver saver) {
  CChargeUp dialog(Mode::kEdit, page, number, parent);
  if (!dialog.HasVoucher()) return 0;
  if (saver) dialog.SetSaver(std::move(saver));
  if (dialog.exec() != QDialog::Accepted || dialog.Written().empty()) return 0;
  return dialog.Written().back();
}

void CChargeUp::ViewVoucher(QWidget* parent, int page, int number) {
  CChargeUp dialog(Mode::kView, page, number, parent);
  if (dialog.HasVoucher()) dialog.exec();
}

}  // namespace cw
