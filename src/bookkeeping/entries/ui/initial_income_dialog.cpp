#include "bookkeeping/entries/ui/initial_income_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "bookkeeping/booking/picker_items.h"
#include "bookkeeping/booking/ui/account_management.h"
#include "bookkeeping/booking/ui/select_item_wnd.h"
#include "bookkeeping/entries/entry_texts.h"
#include "core/ledger_model.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

// The income picker of an opening amount (kind 1, picker 2) lists the income
// leaves with the "初始" accounts first.
constexpr int kInitialKind = 1;
constexpr int kCounterPicker = 1;

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CInitialIncome::CInitialIncome(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle(entry_texts::kInitialIncomeTitle);
  auto* text = new QLabel(entry_texts::kInitialIncomeText, this);
  text->setWordWrap(true);
  picker_ = new CSelectItemWnd(this);
  picker_->setObjectName("initialIncomePicker");
  picker_->EnableSetButton(true);
  connect(picker_, &CSelectItemWnd::SetRequested, this, [this] {
    if (ManageAccounts(this, kTypeIncome)) FillPicker();
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("科    目：", this), 0, 0);
  grid->addWidget(picker_, 0, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  FillPicker();
}

void CInitialIncome::FillPicker() {
  const QString kept = picker_->Code();
  picker_->Clear();
  for (const PickerItem& item : PickerItems(kInitialKind, kCounterPicker)) {
    picker_->AddItem(Q(item.code), Q(item.name), Q(item.bracket), ToQColor(item.colour));
  }
  if (kept.isEmpty() || !picker_->SelectCode(kept)) picker_->SelectIndex(0);
}

std::string CInitialIncome::Code() const { return picker_->Code().toStdString(); }

std::string CInitialIncome::AskAccount(QWidget* parent) {
  CInitialIncome dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.Code();
}

}  // namespace cw
