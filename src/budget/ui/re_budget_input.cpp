#include "budget/ui/re_budget_input.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "budget/budget_commands.h"
#include "budget/budget_form.h"
#include "budget/budget_texts.h"
#include "budget/ui/save_buttons.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"

namespace cw {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 9999;

}  // namespace

CReBudgetInput::CReBudgetInput(int category, int editing_key, int today, QWidget* parent)
    : COwnDialog(parent), category_(category), editing_key_(editing_key) {
  setWindowTitle(category == kBudgetIncome ? "收入预算" : "支出预算");
  Build();
  const Ymd now = DateOfSerialDay(today);
  month_->setDate(QDate(now.year, now.month, 1));
  year_->setValue(now.year);
  grid_->SetModel(BudgetAmountGrid(category_, editing_key_ == 0 ? std::vector<BudgetLine>{}
                                                                : ReadBudget(category_, editing_key_)));
  if (editing_key_ != 0) {
    LoadKey(editing_key_);
    buttons_->SetEditMode();
  }
  KindChanged();
  UpdateTotal();
}

void CReBudgetInput::Build() {
  kind_ = new QComboBox(this);
  kind_->setObjectName("kind");
  kind_->addItems({"月份预算", "季度预算", "年度预算"});
  month_ = new QDateEdit(this);
  month_->setObjectName("month");
  month_->setDisplayFormat("yyyy年MM月");
  month_->setCalendarPopup(true);
  month_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 1));
  year_ = new QSpinBox(this);
  year_->setObjectName("year");
  year_->setRange(kFirstYear, kLastYear);
  year_unit_ = new QLabel("年", this);
  quarter_ = new QComboBox(this);
  quarter_->setObjectName("quarter");
  quarter_->addItems({"第一季度", "第二季度", "第三季度", "第四季度"});

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(new QLabel("预算类型：", this));
  inputs->addWidget(kind_);
  inputs->addSpacing(16);
  inputs->addWidget(new QLabel("日期范围：", this));
  inputs->addWidget(month_);
  inputs->addWidget(year_);
  inputs->addWidget(year_unit_);
  inputs->addWidget(quarter_);
  inputs->addStretch();

  grid_ = new CListWnd(this);
  grid_->setObjectName("amounts");
  grid_->setMinimumSize(280, 260);
  GridCallbacks callbacks;
  callbacks.can_edit = [](int, int column) { return column == kFormAmountColumn; };
  callbacks.accept_edit = [](int, int, const std::string& text) { return AcceptedAmount(text).empty() ? 0 : 1; };
  grid_->SetCallbacks(std::move(callbacks));
  // The amount as stored is always "%.2f".
  connect(grid_, &CListWnd::EditAccepted, this, [this](int row, int column, const QString& text) {
    grid_->Model().SetCell(row, column, AcceptedAmount(text.toStdString()));
    grid_->Refresh();
    UpdateTotal();
  });
  total_ = new QLabel(this);
  total_->setObjectName("total");

  buttons_ = std::make_unique<SaveButtons>(this, [this] { SaveAndContinue(); });
  connect(kind_, &QComboBox::currentIndexChanged, this, &CReBudgetInput::KindChanged);

  buttons_->row->insertWidget(0, total_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(inputs);
  layout->addWidget(new QLabel("请在表格中输入预算金额：", this));
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons_->row);
  resize(560, 460);
}

void CReBudgetInput::LoadKey(int key) {
  const BudgetKind kind = KindOfBudgetKey(key);
  kind_->setCurrentIndex(static_cast<int>(kind));
  const int year = YearOfBudgetKey(key);
  if (kind == BudgetKind::kMonth) month_->setDate(QDate(year, key % 100, 1));
  year_->setValue(year);
  if (kind == BudgetKind::kQuarter) quarter_->setCurrentIndex(MonthsOfBudgetKey(key).last % 100 / 3 - 1);
}

void CReBudgetInput::KindChanged() {
  const auto kind = static_cast<BudgetKind>(kind_->currentIndex());
  month_->setVisible(kind == BudgetKind::kMonth);
  year_->setVisible(kind != BudgetKind::kMonth);
  year_unit_->setVisible(kind != BudgetKind::kMonth);
  quarter_->setVisible(kind == BudgetKind::kQuarter);
}

void CReBudgetInput::UpdateTotal() {
  total_->setText(QString::fromStdString(BudgetTotalText(AmountsOfGrid(grid_->Model()))));
}

int CReBudgetInput::Key() const {
  const QDate month = month_->date();
  return FormBudgetKey(static_cast<BudgetKind>(kind_->currentIndex()), month.year() * 100 + month.month(),
                       year_->value(), quarter_->currentIndex());
}

bool CReBudgetInput::Save() {
  if (!grid_->CommitEdit()) return false;
  UpdateTotal();
  const int key = Key();
  const std::vector<BudgetLine> amounts = AmountsOfGrid(grid_->Model());
  if (SaveBudget(category_, editing_key_, key, amounts, CurrentPrompter()) != BudgetSaveResult::kSaved) return false;
  const int replaced = editing_key_;
  editing_key_ = editing_key_ == 0 ? 0 : key;
  saved_key_ = key;
  emit BudgetSaved(key, replaced);
  return true;
}

void CReBudgetInput::SaveAndContinue() {
  if (Save()) CurrentPrompter().Inform(budget_text::kSavedContinue);
}

void CReBudgetInput::accept() {
  if (Save()) COwnDialog::accept();
}

}  // namespace cw
