#include "reports/ui/ctrl_wnd_account_graph.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>

#include "base/prompter.h"
#include "calendar/calendar.h"
#include "controls/charts/curve_wnd.h"
#include "controls/charts/pie_wnd.h"
#include "controls/charts/rect_wnd.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "frame/app_commands.h"
#include "frame/module_toolbar.h"
#include "frame/window_backdrop.h"
#include "reports/statistics/statistics_charts.h"
#include "reports/statistics/statistics_commands.h"
#include "reports/ui/statistics_navigation.h"

namespace cw {
namespace {

int TodayYmd() { return YmdOfSerial(Today()); }

}  // namespace

CCtrlWndAccountGraph::CCtrlWndAccountGraph(const LogonProfile& profile, QWidget* parent, StatisticsDialogs dialogs)
    : CHmCtrlWnd(profile, parent),
      dialogs_(std::move(dialogs)),
      page_(TodayYmd()),
      choices_(std::make_unique<StatisticsChoices>()) {
  setObjectName("accountGraphModule");
  splitter_ = new QSplitter(this);
  splitter_->setChildrenCollapsible(false);
  grid_ = new CListWnd(splitter_);
  grid_->setObjectName("statisticsGrid");
  charts_ = new QStackedWidget(splitter_);
  bars_ = new CRectWnd(charts_);
  curve_ = new CCurveWnd(charts_);
  pies_ = new CPieWnd(charts_);
  charts_->addWidget(bars_);
  charts_->addWidget(curve_);
  charts_->addWidget(pies_);
  // The charts carry the window's background; the table stays plain.
  bars_->SetBackdrop(Backdrop()->PainterFor(bars_->widget()));
  curve_->SetBackdrop(Backdrop()->PainterFor(curve_->widget()));
  pies_->SetBackdrop(Backdrop()->PainterFor(pies_));
  splitter_->addWidget(grid_);
  splitter_->addWidget(charts_);
  SetDataWidget(splitter_);
  connect(grid_, &CListWnd::RowActivated, this, [this](int) {
    if (!page_.IsBalanceSheet()) DrillDown();
  });
  connect(grid_, &CListWnd::RowSelected, this, &CHmCtrlWnd::CommandStateChanged);
  grid_->Body()->installEventFilter(this);
  splitter_->installEventFilter(this);
}

CCtrlWndAccountGraph::~CCtrlWndAccountGraph() { SaveLayout(); }

// ---- Pages ----------------------------------------------------------------------

bool CCtrlWndAccountGraph::ShowPage(int page, bool forced, const PageParams* replay) {
  if (!IsStatTable(page)) return false;
  const std::vector<int>* state = replay && !replay->numbers.empty() ? &replay->numbers : nullptr;
  // The widths of the table being left are kept under its own number.
  if (page != page_.Command()) SaveLayout();
  if (!page_.Show(page, forced, state)) return false;
  stacked_ = VerticalSplit();
  Load();
  if (replay && replay->row >= 0) grid_->SelectRow(replay->row);
  return true;
}

void CCtrlWndAccountGraph::Load() {
  StatisticsView view = page_.Build();
  LoadColumnLayout(view.table, page_.Command());
  grid_->SetModel(std::move(view.table));
  if (page_.IsBalanceSheet()) {
    pies_->SetPies(std::move(view.pies));
    charts_->setCurrentWidget(pies_);
  } else if (IsCategoryTable(page_.Command())) {
    curve_->SetData(std::move(view.chart));
    charts_->setCurrentWidget(curve_);
  } else {
    bars_->SetData(std::move(view.chart));
    charts_->setCurrentWidget(bars_);
  }
  ApplyLayout(stacked_);
  UpdateNavigation();
  emit CaptionChanged();
  emit CommandStateChanged();
}

void CCtrlWndAccountGraph::SaveLayout() const {
  if (page_.Command() != 0 && grid_->Model().ColumnCount() > 0) SaveColumnLayout(grid_->Model(), page_.Command());
}

void CCtrlWndAccountGraph::ApplyLayout(bool stacked) {
  stacked_ = stacked;
  splitter_->setOrientation(stacked ? Qt::Vertical : Qt::Horizontal);
  const int whole = stacked ? splitter_->height() : splitter_->width();
  // Not laid out yet: the split follows with the first size the splitter gets.
  split_pending_ = whole <= 0;
  if (split_pending_) return;
  int table = whole * SplitPercent() / 100;
  if (!stacked) {
    // A narrow table leaves the rest of its share to the chart. The pies fit
    // any width, so beside them the table may take up to two thirds.
    int natural = 24;  // the vertical scroll bar and the frame
    for (const GridColumn& column : grid_->Model().Columns())
      if (column.visible) natural += column.width;
    const int most = page_.IsBalanceSheet() ? std::max(table, whole * 2 / 3) : table;
    table = std::min(most, natural);
  }
  splitter_->setSizes({table, std::max(0, whole - table)});
}

void CCtrlWndAccountGraph::UpdateNavigation() {
  // Built after the current event: the click that led here may come from one
  // of the bar's own buttons, which the new bar replaces.
  const int command = page_.Command();
  QTimer::singleShot(0, this, [this, command] {
    if (page_.Command() != command) return;
    SetNavigation(StatisticsNavigation(Profile().rights, Profile().level));
    const StatRange& r = page_.Range();
    *choices_ = AddStatisticsChoices(Navigation(), command, stacked_, r.period, r.hide_rows, r.hide_columns);
    connect(choices_->layout, &QButtonGroup::idClicked, this, [this](int id) {
      ApplyLayout(id == 1);
      emit DataAlignmentChosen(id == 1);
    });
    if (choices_->period)
      connect(choices_->period, &QButtonGroup::idClicked, this, &CCtrlWndAccountGraph::ChoosePeriod,
              Qt::QueuedConnection);
    if (choices_->hide_rows)
      connect(choices_->hide_rows, &QCheckBox::toggled, this, [this](bool on) {
        page_.SetHideRows(on);
        Load();
      });
    if (choices_->hide_columns)
      connect(choices_->hide_columns, &QCheckBox::toggled, this, [this](bool on) {
        page_.SetHideColumns(on);
        Load();
      });
  });
}

std::string CCtrlWndAccountGraph::PageTitle() const { return StatTableName(page_.Command()); }

std::string CCtrlWndAccountGraph::CaptionText() const {
  return PageTitle() + "<br>" + PeriodLine() + ChangeRangeLink();
}

std::string CCtrlWndAccountGraph::PeriodLine() const {
  return page_.IsBalanceSheet() ? CutOffCaption(page_.CutOff()) : RangeCaption(page_.Range());
}

std::optional<PageOutput> CCtrlWndAccountGraph::CurrentOutput() const {
  if (page_.Command() == 0) return std::nullopt;
  return PageOutput{.grid = &grid_->Model(),
                    .title = PageTitle(),
                    .page_header = {PeriodLine()},
                    .document_name = PageTitle()};
}

PageParams CCtrlWndAccountGraph::CurrentParams() const {
  PageParams params;
  params.numbers = page_.State();
  params.row = grid_->SelectedRow();
  return params;
}

void CCtrlWndAccountGraph::ShowAgain() { emit CommandRequested(page_.Command()); }

// ---- Commands -------------------------------------------------------------------

bool CCtrlWndAccountGraph::HandlesCommand(int command) const {
  if (command == kChangeRange) return true;
  if (IsOutputCommand(command)) return false;
  for (const ToolButton& button : ModuleToolbar(page_.Command()))
    if (button.command == command && command != 0) return true;
  return false;
}

bool CCtrlWndAccountGraph::CommandAvailable(int command) const {
  switch (command) {
    case cmd::kFind:
    case kChangeRange: return true;
    case cmd::kDetails: return !page_.IsBalanceSheet();
    case cmd::kClassChart: return IsCategoryTable(page_.Command());
    case cmd::kSurplusCurve: return page_.Command() == kIncomeExpenseTable;
    default: return false;
  }
}

void CCtrlWndAccountGraph::OnCommand(int command) {
  switch (command) {
    case cmd::kFind:
    case kChangeRange: ChangeRange(); break;
    case cmd::kDetails: DrillDown(); break;
    case cmd::kClassChart: ShowRowPies(); break;
    case cmd::kSurplusCurve: ShowSurplusCurve(); break;
    default: break;
  }
}

void CCtrlWndAccountGraph::ChangeRange() {
  if (page_.IsBalanceSheet()) {
    if (const auto bound = dialogs_.ask_cut_off(this, page_.CutOff())) {
      page_.SetCutOff(*bound);
      page_.Show(page_.Command(), true, nullptr);
      Load();
    }
    return;
  }
  const StatRange& r = page_.Range();
  if (const auto chosen = dialogs_.ask_scope(this, r.period, {r.start_date, r.end_date})) {
    page_.SetPending(ScopeRange(r.period, chosen->first, chosen->second, r));
    ShowAgain();
  }
}

void CCtrlWndAccountGraph::ChoosePeriod(int period) {
  const StatRange& r = page_.Range();
  if (period == r.period) return;
  if (const auto chosen = dialogs_.ask_scope(this, period, ScopeStart(period, r, TodayYmd()))) {
    page_.SetPending(ScopeRange(period, chosen->first, chosen->second, r));
    ShowAgain();
    return;
  }
  // Cancelled: the radio returns to the period shown.
  if (choices_->period)
    if (QAbstractButton* shown = choices_->period->button(r.period)) shown->setChecked(true);
}

void CCtrlWndAccountGraph::DrillDown() {
  const auto target = DrillSelected(grid_->Model(), page_.Range(), CurrentPrompter());
  if (!target) return;
  if (target->range) {
    page_.SetPending(*target->range);
    ShowAgain();
    return;
  }
  dialogs_.day_records(this, page_.Command(), target->day);
}

void CCtrlWndAccountGraph::ShowRowPies() {
  const auto row = PieRow(grid_->Model(), CurrentPrompter());
  if (!row) return;
  dialogs_.pies(this, RowPieTitle(page_.Command() == kIncomeCategoryTable), RowPies(grid_->Model(), *row));
}

void CCtrlWndAccountGraph::ShowSurplusCurve() {
  dialogs_.curve(this, "盈余曲线图", SurplusCurve(grid_->Model()));
}

bool CCtrlWndAccountGraph::eventFilter(QObject* watched, QEvent* event) {
  if (watched == splitter_ && event->type() == QEvent::Resize && split_pending_) ApplyLayout(stacked_);
  if (watched == grid_->Body() && event->type() == QEvent::ContextMenu) {
    ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return CHmCtrlWnd::eventFilter(watched, event);
}

void CCtrlWndAccountGraph::ShowContextMenu(const QPoint& position) {
  // Menu 750 for the classification tables, 749 for the others.
  QMenu menu(this);
  auto add = [&](const char* text, int command) { AddContextCommand(menu, QString::fromUtf8(text), command); };
  add("查找...", cmd::kFind);
  if (IsCategoryTable(page_.Command())) add("详细数据...", cmd::kDetails);
  menu.addSeparator();
  add("打印", cmd::kPrint);
  add("导出", cmd::kExport);
  menu.exec(position);
}

}  // namespace cw
