#include "reports/ui/ctrl_wnd_account_query.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "calendar/calendar.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "frame/app_commands.h"
#include "frame/module_toolbar.h"
#include "prefs/rights.h"
#include "reports/ledgers/row_choice.h"
#include "reports/ui/header_span_bar.h"
#include "reports/ui/select_detail_scope.h"
#include "reports/ui/select_scope.h"
#include "reports/ui/voucher_opening.h"

namespace cw {
namespace {

constexpr int kAccountChosen = 1;  // navigation notification: an account of the tree

int CurrentMonth() {
  const Ymd today = DateOfSerialDay(Today());
  return today.year * 100 + today.month;
}

// The categories in the order of the navigation groups.
constexpr int kNavigationTypes[] = {kTypeCash,   kTypeBank,       kTypeCreditCard, kTypeBorrowed,
                                    kTypeLent,   kTypeInvestment, kTypeIncome,     kTypeExpense};

LedgerRange RangeOfVouchers(int first, int last) { return {first / 1000 * 1000, last / 1000 * 1000 + 999}; }

}  // namespace

LedgerDialogs StandardLedgerDialogs() {
  LedgerDialogs dialogs;
  dialogs.ask_detail_scope = [](QWidget* parent, const std::string& account,
                                const LedgerRange& range) -> std::optional<LedgerPage::Replay> {
    const auto choice = CSelectDetailScope::Ask(parent, account, range);
    if (!choice) return std::nullopt;
    return LedgerPage::Replay{choice->account, choice->range};
  };
  dialogs.ask_months = [](QWidget* parent, const LedgerRange& range) -> std::optional<LedgerRange> {
    const auto chosen = CSelectScope::Ask(parent, CSelectScope::kMonths,
                                          std::pair{range.FirstMonth() * 100 + 1, range.LastMonth() * 100 + 1});
    if (!chosen) return std::nullopt;
    return LedgerRange::OfMonths(chosen->first / 100, chosen->second / 100);
  };
  dialogs.open_voucher = [](QWidget* parent, int number) { return OpenVoucherFromRow(parent, number); };
  return dialogs;
}

CCtrlWndAccountQuery::CCtrlWndAccountQuery(const LogonProfile& profile, QWidget* parent, LedgerDialogs dialogs)
    : CHmCtrlWnd(profile, parent), dialogs_(std::move(dialogs)), page_(CurrentMonth()) {
  setObjectName("accountQueryModule");
  auto* area = new QWidget(this);
  grid_ = new CListWnd(area);
  grid_->setObjectName("ledgerGrid");
  span_ = new HeaderSpanBar(grid_, area);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(span_);
  layout->addWidget(grid_, 1);
  SetDataWidget(area);
  connect(grid_, &CListWnd::RowActivated, this, [this](int) { Details(); });
  connect(grid_, &CListWnd::RowSelected, this, &CHmCtrlWnd::CommandStateChanged);
  connect(grid_, &CListWnd::ColumnResized, span_, qOverload<>(&QWidget::update));
  grid_->Body()->installEventFilter(this);
}

CCtrlWndAccountQuery::~CCtrlWndAccountQuery() { SaveLayout(); }

// ---- Pages ----------------------------------------------------------------------

bool CCtrlWndAccountQuery::ShowPage(int page, bool forced, const PageParams* replay) {
  if (!LedgerPage::IsLedgerCommand(page)) return false;
  std::optional<LedgerPage::Replay> state;
  if (replay && replay->first_voucher > 0) {
    state = LedgerPage::Replay{replay->account, RangeOfVouchers(replay->first_voucher, replay->last_voucher)};
  }
  // The widths of the table being left are kept under its own number.
  if (page != page_.Command() || forced || page_.HasRequest()) SaveLayout();
  if (!page_.Show(page, forced, state)) return false;
  Load();
  if (replay && replay->row >= 0) {
    grid_->SelectRow(replay->row);
    grid_->EnsureRowVisible(replay->row);
  }
  return true;
}

void CCtrlWndAccountQuery::Load() {
  LedgerTable table = page_.Build();
  LoadColumnLayout(table.grid, page_.Command());
  grid_->SetModel(std::move(table.grid));
  span_->SetSpan(table.span);
  UpdateNavigation();
  emit CaptionChanged();
  emit CommandStateChanged();
}

void CCtrlWndAccountQuery::SaveLayout() const {
  if (page_.Command() != 0 && grid_->Model().ColumnCount() > 0) SaveColumnLayout(grid_->Model(), page_.Command());
}

void CCtrlWndAccountQuery::UpdateNavigation() {
  // Built after the current event: the click that led here may come from the
  // bar's own items, which the new bar replaces.
  const int command = page_.Command();
  QTimer::singleShot(0, this, [this, command] {
    if (page_.Command() != command) return;
    NavigationModel model;
    for (bool detail : {true, false}) {
      NavGroup group{detail ? "账薄查询 · 明细表" : "账薄查询 · 余额表", {}};
      for (int type : kNavigationTypes) {
        const int page = PageOfType(type, detail);
        group.items.push_back(
            CommandItem(::cw::PageTitle(page), page, ::cw::PageTitle(page), "", Profile().rights, Profile().level));
      }
      model.push_back(std::move(group));
    }
    if (page_.IsDetail()) {
      // The accounts of the category, each indented below its ancestors.
      NavGroup tree{"此类别所有科目", {}};
      for (const auto& [code, name] : page_.CategoryAccounts()) {
        NavItem item;
        item.text = std::string((code.size() - 3) / 2 * 2, ' ') + name;
        item.tooltip = code;
        item.icon = CItemCache::Instance().IsLeaf(code) ? "text-x-generic" : "folder";
        item.action = {NavAction::kNotifyText, kAccountChosen, 0, code};
        tree.items.push_back(std::move(item));
      }
      model.push_back(std::move(tree));
    }
    SetNavigation(model);
  });
}

std::string CCtrlWndAccountQuery::PageTitle() const { return ::cw::PageTitle(page_.Command()); }

std::optional<PageOutput> CCtrlWndAccountQuery::CurrentOutput() const {
  if (page_.Command() == 0) return std::nullopt;
  PageOutput output = page_.Output();
  output.grid = &grid_->Model();
  return output;
}

std::string CCtrlWndAccountQuery::CaptionText() const {
  // Rich text: the blanks between account and range are kept as they stand.
  std::string line;
  for (char c : page_.CaptionLine()) line += c == ' ' ? std::string("&nbsp;") : std::string(1, c);
  return PageTitle() + "<br>" + line + ChangeRangeLink();
}

PageParams CCtrlWndAccountQuery::CurrentParams() const {
  PageParams params;
  params.account = page_.IsDetail() ? page_.Account() : std::string();
  params.first_voucher = page_.Range().start;
  params.last_voucher = page_.Range().end;
  params.row = grid_->SelectedRow();
  return params;
}

void CCtrlWndAccountQuery::RequestDetail(const std::string& account, const LedgerRange& range) {
  if (const int command = page_.Request(account, range)) emit CommandRequested(command);
}

void CCtrlWndAccountQuery::OnNavigationNotify(const NavAction& action) {
  if (action.kind == NavAction::kNotifyText && action.command == kAccountChosen) {
    RequestDetail(action.text, page_.Range());
  }
}

// ---- Commands -------------------------------------------------------------------

bool CCtrlWndAccountQuery::HandlesCommand(int command) const {
  switch (command) {
    case cmd::kFirstAccount:
    case cmd::kPreviousAccount:
    case cmd::kNextAccount:
    case cmd::kLastAccount:
    case cmd::kFind:
    case cmd::kDetails:
    case kChangeRange: return true;
    default: return false;
  }
}

bool CCtrlWndAccountQuery::CommandAvailable(int command) const {
  switch (command) {
    case cmd::kFirstAccount:
    case cmd::kPreviousAccount:
    case cmd::kNextAccount:
    case cmd::kLastAccount: return page_.IsDetail();
    case cmd::kFind:
    case cmd::kDetails:
    case kChangeRange: return true;
    default: return false;
  }
}

void CCtrlWndAccountQuery::OnCommand(int command) {
  switch (command) {
    case cmd::kFirstAccount:
    case cmd::kPreviousAccount:
    case cmd::kNextAccount:
    case cmd::kLastAccount:
      if (page_.IsDetail() && page_.StepAccount(command)) Load();
      break;
    case cmd::kFind: Find(); break;
    case kChangeRange: ChangeRange(); break;
    case cmd::kDetails: Details(); break;
    default: break;
  }
}

void CCtrlWndAccountQuery::Find() {
  if (!page_.IsDetail()) {
    ChangeRange();
    return;
  }
  if (const auto choice = dialogs_.ask_detail_scope(this, page_.Account(), page_.Range())) {
    RequestDetail(choice->account, choice->range);
  }
}

void CCtrlWndAccountQuery::ChangeRange() {
  if (const auto range = dialogs_.ask_months(this, page_.Range())) {
    page_.SetRange(*range);
    Load();
  }
}

void CCtrlWndAccountQuery::Details() {
  if (!page_.IsDetail()) {
    if (const auto account = ChosenAccount(grid_->Model(), CurrentPrompter())) RequestDetail(*account, page_.Range());
    return;
  }
  const auto number = ChosenVoucher(grid_->Model(), CurrentPrompter());
  if (!number) return;
  const int row = grid_->SelectedRow();
  if (dialogs_.open_voucher(this, *number)) {
    Load();
    grid_->SelectRow(std::min(row, grid_->Model().RowCount() - 1));
  }
}

bool CCtrlWndAccountQuery::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->Body() && event->type() == QEvent::ContextMenu) {
    ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return CHmCtrlWnd::eventFilter(watched, event);
}

void CCtrlWndAccountQuery::ShowContextMenu(const QPoint& position) {
  // Menu 735 for the detail tables, 737 for the balance tables.
  QMenu menu(this);
  auto add = [&](const char* text, int command) { AddContextCommand(menu, QString::fromUtf8(text), command); };
  if (page_.IsDetail()) {
    add("开始科目", cmd::kFirstAccount);
    add("前一科目", cmd::kPreviousAccount);
    add("后一科目", cmd::kNextAccount);
    add("末尾科目", cmd::kLastAccount);
    menu.addSeparator();
  }
  add("查找...", cmd::kFind);
  add(page_.IsDetail() ? "详细数据..." : "详细数据", cmd::kDetails);
  menu.addSeparator();
  add("打印", cmd::kPrint);
  add("导出", cmd::kExport);
  menu.addSeparator();
  QAction* calculator = menu.addAction(QStringLiteral("计算器..."));
  connect(calculator, &QAction::triggered, this, [this] { emit CommandRequested(cmd::kCalculator); });
  menu.exec(position);
}

}  // namespace cw
