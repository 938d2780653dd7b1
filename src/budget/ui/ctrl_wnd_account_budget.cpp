#include "budget/ui/ctrl_wnd_account_budget.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "budget/budget_commands.h"
#include "budget/budget_key.h"
#include "budget/budget_table.h"
#include "budget/budget_texts.h"
#include "budget/projection.h"
#include "budget/projection_chart.h"
#include "budget/property_items.h"
#include "budget/ui/budget_home_input.h"
#include "budget/ui/budget_navigation.h"
#include "budget/ui/re_budget_input.h"
#include "budget/ui/select_projection_end.h"
#include "calendar/calendar.h"
#include "controls/charts/curve_wnd.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "core/ledger_model.h"
#include "frame/app_commands.h"
#include "frame/window_backdrop.h"

namespace cw {
namespace {

int ThisMonth() {
  const Ymd now = DateOfSerialDay(Today());
  return now.year * 100 + now.month;
}

}  // namespace

CCtrlWndAccountBudget::CCtrlWndAccountBudget(const LogonProfile& profile, QWidget* parent)
    : CHmCtrlWnd(profile, parent) {
  setObjectName("accountBudgetModule");
  split_ = new QSplitter(Qt::Vertical, this);
  grid_ = new CListWnd(split_);
  grid_->setObjectName("budgetGrid");
  chart_ = new CCurveWnd(split_);
  chart_->setObjectName("projectionChart");
  chart_->SetBackdrop(Backdrop()->PainterFor(chart_->widget()));
  chart_->hide();
  split_->addWidget(grid_);
  split_->addWidget(chart_);
  split_->setStretchFactor(0, 1);
  split_->setStretchFactor(1, 1);
  SetDataWidget(split_);

  connect(grid_, &CListWnd::RowActivated, this, [this](int) {
    if (!ShowingProjection()) ChangeSelected();
  });
  grid_->Body()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_->Body(), &QWidget::customContextMenuRequested, this, &CCtrlWndAccountBudget::ShowContextMenu);
}

CCtrlWndAccountBudget::~CCtrlWndAccountBudget() { SaveLayout(); }

// ---- Pages ----------------------------------------------------------------------

bool CCtrlWndAccountBudget::ShowPage(int page, bool forced, const PageParams* replay) {
  if (PageClass(page) != 8 && PageClass(page) != 9) return false;
  if (page == page_ && !forced && !ShowingProjection()) return false;
  SaveLayout();
  page_ = page;
  projection_end_ = 0;
  Load();
  if (replay && replay->row >= 0) grid_->SelectRow(replay->row);
  return true;
}

int CCtrlWndAccountBudget::Category() const { return page_ == kIncomeBudgetPage ? kBudgetIncome : kBudgetExpense; }

int CCtrlWndAccountBudget::LayoutTable() const { return ShowingProjection() ? cmd::kShowProjection : page_; }

void CCtrlWndAccountBudget::SaveLayout() const {
  if (page_ != 0 && grid_->Model().ColumnCount() > 0) SaveColumnLayout(grid_->Model(), LayoutTable());
}

void CCtrlWndAccountBudget::Load() {
  const std::optional<RowKey> selected = grid_->SelectedKey();
  GridModel model;
  if (ShowingProjection()) {
    const Projection projection = Project(ReadProjectionInput(Today(), projection_end_));
    model = ProjectionTable(projection, detail_);
    chart_->SetData(ProjectionChart(projection));
  } else if (page_ == kPropertyBudgetPage) {
    model = PropertyItemTable(ReadPropertyItems());
  } else {
    model = BuildBudgetTable(Category(), compare_[Category() - 1]);
  }
  chart_->setVisible(ShowingProjection());
  LoadColumnLayout(model, LayoutTable());
  grid_->SetModel(std::move(model));
  if (selected) grid_->SelectRow(grid_->Model().FindKey(*selected));
  UpdateNavigation();
  emit CaptionChanged();
  emit CommandStateChanged();
}

void CCtrlWndAccountBudget::UpdateNavigation() {
  QString check;
  bool checked = false;
  const char* tip = budget_text::kPropertyTip;
  if (ShowingProjection()) {
    check = "显示预算结果详细数据";
    checked = detail_;
  } else if (page_ != kPropertyBudgetPage) {
    check = "与实际数据比较";
    checked = compare_[Category() - 1];
    tip = budget_text::kEverydayTip;
  }
  const QString signature = check + "\n" + QString::number(checked);
  if (signature == navigation_signature_) return;
  navigation_signature_ = signature;
  // Built after the current event: the click that led here may come from the
  // bar's own check box, which the new bar replaces.
  QTimer::singleShot(0, this, [this, check, checked, tip, signature] {
    if (navigation_signature_ != signature) return;
    SetNavigation(BudgetNavigation(Profile().rights, Profile().level));
    check_ = AddBudgetExtras(Navigation(), check, checked, tip);
    if (check_) connect(check_, &QCheckBox::toggled, this, &CCtrlWndAccountBudget::CheckToggled, Qt::QueuedConnection);
  });
}

void CCtrlWndAccountBudget::CheckToggled(bool on) {
  if (ShowingProjection()) {
    detail_ = on;
  } else if (page_ == kIncomeBudgetPage || page_ == kExpenseBudgetPage) {
    compare_[Category() - 1] = on;
  } else {
    return;
  }
  SaveLayout();
  Load();
}

std::string CCtrlWndAccountBudget::PageTitle() const {
  if (ShowingProjection()) return budget_text::kProjectionTitle;
  return page_ == kPropertyBudgetPage ? budget_text::kItemsTitle : cw::PageTitle(page_);
}

std::optional<PageOutput> CCtrlWndAccountBudget::CurrentOutput() const {
  if (page_ == 0) return std::nullopt;
  return PageOutput{.grid = &grid_->Model(), .title = PageTitle(), .document_name = PageTitle()};
}

// ---- Commands -------------------------------------------------------------------

bool CCtrlWndAccountBudget::HandlesCommand(int command) const {
  switch (command) {
    case cmd::kAdd:
    case cmd::kChange:
    case cmd::kDelete:
    case cmd::kShowProjection:
    case kChangeSelected:
    case kDeleteSelected: return true;
    default: return false;
  }
}

bool CCtrlWndAccountBudget::CommandAvailable(int command) const {
  switch (command) {
    case cmd::kShowProjection: return true;
    case cmd::kAdd:
    case cmd::kChange:
    case cmd::kDelete:
    case kChangeSelected:
    case kDeleteSelected: return page_ != 0 && !ShowingProjection();
    default: return false;
  }
}

void CCtrlWndAccountBudget::OnCommand(int command) {
  if (!CommandAvailable(command)) return;
  switch (command) {
    case cmd::kAdd: NewEntry(); break;
    case cmd::kChange:
    case kChangeSelected: ChangeSelected(); break;
    case cmd::kDelete:
    case kDeleteSelected: DeleteSelected(); break;
    case cmd::kShowProjection: ShowProjection(); break;
    default: break;
  }
}

long long CCtrlWndAccountBudget::SelectedKey() {
  const std::optional<RowKey> key = grid_->SelectedKey();
  if (!key || !key->IsNumber()) {
    CurrentPrompter().Inform(budget_text::kNoValidRow, budget_text::kInputError);
    return 0;
  }
  return static_cast<long long>(key->Number());
}

void CCtrlWndAccountBudget::NewEntry() {
  if (page_ == kPropertyBudgetPage) {
    CBudgetHomeInput dialog(0, Today(), this);
    connect(&dialog, &CBudgetHomeInput::ItemSaved, this, [this](int id) {
      Load();
      grid_->SelectRow(grid_->Model().FindKey(id));
    });
    dialog.exec();
    return;
  }
  CReBudgetInput dialog(Category(), 0, Today(), this);
  connect(&dialog, &CReBudgetInput::BudgetSaved, this, [this](int key) {
    Load();
    grid_->SelectRow(grid_->Model().FindKey(key));
  });
  dialog.exec();
}

void CCtrlWndAccountBudget::ChangeSelected() {
  const long long key = SelectedKey();
  if (key == 0) return;
  if (page_ == kPropertyBudgetPage) {
    CBudgetHomeInput dialog(static_cast<int>(key), Today(), this);
    if (dialog.exec() == QDialog::Accepted) Load();
    return;
  }
  // An actual-data row opens the budget above it.
  CReBudgetInput dialog(Category(), BudgetKeyOfRow(key), Today(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  Load();
  grid_->SelectRow(grid_->Model().FindKey(dialog.SavedKey()));
}

void CCtrlWndAccountBudget::DeleteSelected() {
  const long long key = SelectedKey();
  if (key == 0) return;
  if (page_ == kPropertyBudgetPage) {
    if (!CurrentPrompter().Ask(budget_text::kConfirmDelete, budget_text::kDeleteCaption)) return;
    if (DeletePropertyItem(static_cast<int>(key))) Load();
    return;
  }
  if (!DeleteBudgetRows(Category(), {RowKey(key)}, CurrentPrompter()).empty()) Load();
}

void CCtrlWndAccountBudget::ShowProjection() {
  const int first = ThisMonth();
  CSelectProjectionEnd dialog(last_end_ != 0 ? last_end_ : DefaultProjectionEnd(Today()), first, this);
  if (dialog.exec() != QDialog::Accepted) return;
  last_end_ = dialog.Month();
  // The projection is a view of the property budget page: from another page
  // the frame shows that page first, so that its history and current page
  // follow.
  if (page_ != kPropertyBudgetPage) emit CommandRequested(kPropertyBudgetPage);
  SaveLayout();
  projection_end_ = last_end_;
  Load();
}

void CCtrlWndAccountBudget::ShowContextMenu(const QPoint& position) {
  QMenu menu(this);
  const struct {
    const char* text;
    int command;
  } items[] = {{"新增...", cmd::kAdd},
               {"更改...", kChangeSelected},
               {"删除", kDeleteSelected},
               {"打印", cmd::kPrint},
               {"导出", cmd::kExport}};
  for (const auto& item : items) {
    AddContextCommand(menu, item.text, item.command);
    if (item.command == kDeleteSelected) menu.addSeparator();
  }
  menu.exec(grid_->Body()->mapToGlobal(position));
}

}  // namespace cw
