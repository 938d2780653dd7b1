#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "bookkeeping/entries/entry_caption.h"
#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_table.h"
#include "bookkeeping/entries/entry_texts.h"
#include "bookkeeping/entries/initial_assets.h"
#include "bookkeeping/entries/ui/entry_context_menu.h"
#include "bookkeeping/entries/ui/entry_navigation.h"
#include "calendar/calendar.h"
#include "controls/column_layout.h"
#include "controls/list_wnd.h"
#include "core/ledger_model.h"
#include "core/settings.h"
#include "core/voucher_engine.h"
#include "frame/app_commands.h"
#include "frame/module_toolbar.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

YearMonth ThisMonth() { return MonthOfDay(Today()); }

// What the window keeps while the program runs.
struct Session {
  DateScope scope = DateScope::kCurrentMonth;
  std::optional<VoucherRange> range;  // none until a page was shown
  std::optional<SearchConditions> search;
};

Session& TheSession() {
  static Session session;
  return session;
}

VoucherRange SessionRange() {
  Session& s = TheSession();
  if (!s.range) s.range = RangeOfScope(s.scope, ThisMonth());
  return *s.range;
}

// Keeps a description within its byte limit while it is typed.
class GbkLengthValidator : public QValidator {
 public:
  GbkLengthValidator(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
  State validate(QString& input, int&) const override {
    return GbkLength(input.toStdString()) <= static_cast<std::size_t>(limit_) ? Acceptable : Invalid;
  }

 private:
  int limit_;
};

// The three kinds of navigation bar the window shows.
enum NavigationKind { kEntryBar, kInitialBar, kSearchBar };

NavigationKind NavigationOf(int page) {
  if (page == kPageInitial) return kInitialBar;
  return page == kPageSearchResult ? kSearchBar : kEntryBar;
}

}  // namespace

CCtrlWndAccountEasy::CCtrlWndAccountEasy(const LogonProfile& profile, QWidget* parent, EntryDialogs dialogs)
    : CHmCtrlWnd(profile, parent), dialogs_(std::move(dialogs)) {
  setObjectName("accountEasyModule");
  auto* view = new QWidget(this);
  search_header_ = new QLabel(view);
  search_header_->setObjectName("searchHeader");
  search_header_->setContentsMargins(6, 4, 6, 4);
  search_header_->hide();
  grid_ = new CListWnd(view);
  grid_->setObjectName("entryGrid");
  auto* layout = new QVBoxLayout(view);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(search_header_);
  layout->addWidget(grid_, 1);
  SetDataWidget(view);

  connect(grid_, &CListWnd::RowActivated, this, [this](int) {
    if (page_ != kPageInitial) ChangeVoucher();
  });
  connect(grid_, &CListWnd::EditAccepted, this, [this](int row, int column, const QString&) {
    InitialEditStored(grid_->Model(), row, column);
    grid_->Refresh();
  });
  connect(grid_, &CListWnd::EditorFocusLeft, this, [this] { grid_->CommitEdit(); });
  grid_->SetEditorOpened([](int, int column, QLineEdit* editor) {
    delete editor->validator();
    editor->setValidator(column == EntryLayout::kDescription ? new GbkLengthValidator(kInitialDescriptionLimit, editor)
                                                             : nullptr);
  });
  grid_->Body()->installEventFilter(this);
}

CCtrlWndAccountEasy::~CCtrlWndAccountEasy() { SaveLayout(); }

void CCtrlWndAccountEasy::ResetSessionForTesting() { TheSession() = Session(); }

DateScope CCtrlWndAccountEasy::Scope() const { return TheSession().scope; }
VoucherRange CCtrlWndAccountEasy::Range() const { return SessionRange(); }

// ---- Pages ----------------------------------------------------------------------

bool CCtrlWndAccountEasy::ShowPage(int page, bool forced, const PageParams* replay) {
  if (page == page_ && !forced) return false;
  if (PageClass(page) != 1 && page != kPageSearchResult) return false;
  Session& session = TheSession();
  if (replay && replay->first_voucher > 0 && replay->last_voucher >= replay->first_voucher) {
    session.range = VoucherRange{replay->first_voucher, replay->last_voucher};
    session.scope = ScopeOfRange(*session.range, ThisMonth());
  }
  SaveLayout();
  page_ = page;
  Load();
  if (replay && replay->row >= 0) grid_->SelectRow(replay->row);
  return true;
}

void CCtrlWndAccountEasy::Load() {
  const Session& session = TheSession();
  if (page_ == kPageSearchResult) {
    // Without a search (a history entry outlived it) the results are empty.
    SearchConditions nothing;
    nothing.page = kPageIncomeExpense;
    nothing.amount_on = true;
    nothing.comparison = AmountComparison::kBetween;
    table_ = std::make_unique<EntryTable>(session.search.value_or(nothing));
  } else {
    table_ = std::make_unique<EntryTable>(page_, SessionRange());
  }
  GridModel model = table_->Build();
  LoadColumnLayout(model, LayoutKey());
  grid_->SetModel(std::move(model));
  InstallEditing();
  search_header_->setVisible(table_->IsSearch());
  search_header_->setText(table_->IsSearch() ? Q(SearchHeader(*table_)) : QString());
  UpdateNavigation();
  emit CaptionChanged();
  emit CommandStateChanged();
}

std::string CCtrlWndAccountEasy::LayoutKey() const {
  return table_->IsSearch() ? SearchLayoutKey(table_->KindPage()) : settings::TableKey(LoggedInPerson(), page_);
}

void CCtrlWndAccountEasy::SaveLayout() const {
  if (table_ && grid_->Model().ColumnCount() > 0) SaveColumnLayout(grid_->Model(), LayoutKey());
}

void CCtrlWndAccountEasy::UpdateNavigation() {
  const NavigationKind kind = NavigationOf(page_);
  QStringList note;
  if (kind == kInitialBar) note = {entry_texts::kInitialHelp};
  if (kind == kSearchBar) note = {Q(SearchConditionLine(*table_)), Q(SearchCountLine(*table_))};
  const QString signature = QString::number(kind) + "\n" + note.join("\n");
  if (signature == navigation_signature_) {
    // Same bar: only the scope choice may have changed (or been cancelled).
    if (QAbstractButton* choice = scope_choices_ ? scope_choices_->button(static_cast<int>(Scope())) : nullptr)
      choice->setChecked(true);
    return;
  }
  navigation_signature_ = signature;
  // Built after the current event: the click that led here may come from one
  // of the bar's own buttons, which the new bar replaces.
  QTimer::singleShot(0, this, [this, kind, note, signature] {
    if (navigation_signature_ != signature) return;  // another page came meanwhile
    delete scope_choices_;
    scope_choices_ = nullptr;
    SetNavigation(EntryNavigation(Profile().rights, Profile().level));
    if (kind != kEntryBar) {
      AddNavigationNote(Navigation(), kind == kInitialBar ? "操作说明" : "说明", note);
      return;
    }
    scope_choices_ = AddScopeChoices(Navigation(), Scope());
    // Queued as well: a choice builds the page and may build the bar again.
    connect(scope_choices_, &QButtonGroup::idClicked, this, &CCtrlWndAccountEasy::ChooseScope, Qt::QueuedConnection);
  });
}

void CCtrlWndAccountEasy::InstallEditing() {
  if (page_ != kPageInitial) {
    grid_->SetCallbacks({});
    return;
  }
  GridCallbacks callbacks;
  callbacks.can_edit = [this](int row, int column) {
    return InitialCellEditable(grid_->Model(), row, column, Profile().person_no);
  };
  callbacks.accept_edit = [this](int row, int column, const std::string& text) {
    return CheckInitialEdit(grid_->Model(), row, column, text, CurrentPrompter()) ? 1 : 0;
  };
  callbacks.cell_colour = [this](int row, int column) -> std::optional<Rgb> {
    if (InitialCellEditable(grid_->Model(), row, column, Profile().person_no)) return kTotalRowBackground;
    return std::nullopt;
  };
  grid_->SetCallbacks(std::move(callbacks));
}

std::string CCtrlWndAccountEasy::PageTitle() const {
  if (!table_) return cw::PageTitle(page_);
  return CaptionOf(*table_).title;
}

std::string CCtrlWndAccountEasy::CaptionText() const {
  if (!table_) return PageTitle();
  const EntryCaption caption = CaptionOf(*table_);
  if (caption.range_line.empty()) return caption.title;
  std::string text = caption.title + "<br>" + caption.range_line;
  if (caption.change_link) text += ChangeRangeLink();
  return text;
}

std::optional<PageOutput> CCtrlWndAccountEasy::CurrentOutput() const {
  if (!table_) return std::nullopt;
  PageOutput output = EntryOutput(*table_);
  output.grid = &grid_->Model();
  return output;
}

PageParams CCtrlWndAccountEasy::CurrentParams() const {
  PageParams params;
  if (page_ != kPageSearchResult) {
    params.first_voucher = SessionRange().first;
    params.last_voucher = SessionRange().last;
  }
  params.row = grid_->SelectedRow();
  return params;
}

// ---- Commands -------------------------------------------------------------------

bool CCtrlWndAccountEasy::HandlesCommand(int command) const {
  if (IsOutputCommand(command)) return false;
  switch (command) {
    // The context menu's "查找..." also on the initial-assets page, whose toolbar has no 查找.
    case cmd::kFind:
    case kChangeRange:
    case kChangeSelected:
    case kDeleteSelected:
    case kCancelAuditSelected:
    case kAuditSelected: return true;
    default: break;
  }
  for (const ToolButton& button : ModuleToolbar(page_))
    if (button.command == command) return true;
  return false;
}

bool CCtrlWndAccountEasy::CommandAvailable(int command) const {
  const bool initial = page_ == kPageInitial;
  const bool search = page_ == kPageSearchResult;
  switch (command) {
    case cmd::kAdd: return !initial && !search && dialogs_.book_new != nullptr;
    case cmd::kChange:
    case kChangeSelected: return !initial && dialogs_.change != nullptr;
    case cmd::kDelete:
    case kDeleteSelected: return !initial;
    case cmd::kSave: return initial;
    case cmd::kFind: return dialogs_.search != nullptr;
    case kChangeRange: return !initial && !search && dialogs_.month_range != nullptr;
    case cmd::kAudit:
    case cmd::kCancelAudit:
    case kAuditSelected:
    case kCancelAuditSelected:
    case cmd::kColumns: return true;
    case cmd::kPlans: return !search && dialogs_.plans != nullptr;
    case cmd::kCreditCard: return dialogs_.cards != nullptr;
    // Printing and export come with their module.
    default: return false;
  }
}

void CCtrlWndAccountEasy::OnCommand(int command) {
  if (!table_ || !CommandAvailable(command)) return;
  // A cell being edited is finished first; a refused text stops the command.
  if (!grid_->CommitEdit()) return;
  switch (command) {
    case cmd::kAdd: NewVoucher(); break;
    case cmd::kChange:
    case kChangeSelected: ChangeVoucher(); break;
    case cmd::kDelete: DeleteRows(/*selected_only=*/false); break;
    case kDeleteSelected: DeleteRows(/*selected_only=*/true); break;
    case cmd::kAudit: AuditRows(true, RowSource::kTicked); break;
    case cmd::kCancelAudit: AuditRows(false, RowSource::kTicked); break;
    case kAuditSelected: AuditRows(true, RowSource::kSelected); break;
    case kCancelAuditSelected: AuditRows(false, RowSource::kSelected); break;
    case cmd::kFind: Search(); break;
    case cmd::kColumns: ChooseColumns(); break;
    case cmd::kSave: SaveInitial(); break;
    case kChangeRange: ChangeRange(); break;
    case cmd::kPlans: OpenPlans(); break;
    case cmd::kCreditCard: OpenCards(); break;
    default: break;
  }
}

void CCtrlWndAccountEasy::SelectVoucher(int number) {
  GridModel& model = grid_->Model();
  int row = model.FindKey(VoucherRowKey(number));
  if (row < 0) row = model.FindKey(GeneratedRowKey(number));
  grid_->SelectRow(row);
}

void CCtrlWndAccountEasy::NewVoucher() {
  dialogs_.book_new(this, page_, [this](const Booking& booking) { return WriteAndShow(booking); });
}

int CCtrlWndAccountEasy::WriteAndShow(const Booking& booking) {
  const int number = WriteVoucher(booking);
  if (number == 0) return 0;
  if (table_->Covers(number)) {
    table_->ApplyWrite(grid_->Model(), number);
    grid_->Refresh();
  } else {
    Session& session = TheSession();
    const ScopedRange widened = WidenForVoucher(SessionRange(), number, ThisMonth());
    session.scope = widened.scope;
    session.range = widened.range;
    SaveLayout();
    Load();
  }
  SelectVoucher(number);
  return number;
}

void CCtrlWndAccountEasy::ChangeVoucher() {
  const int number = VoucherToChange(grid_->Model(), grid_->SelectedRow(), CurrentPrompter());
  if (number == 0) return;
  const int changed = dialogs_.change(this, table_->KindPage(), number);
  if (changed == 0) return;
  table_->ApplyReplace(grid_->Model(), number, changed);
  grid_->Refresh();
  SelectVoucher(changed);
}

void CCtrlWndAccountEasy::DeleteRows(bool selected_only) {
  std::vector<int> rows;
  if (!selected_only) rows = grid_->CheckedRows();
  if (rows.empty() && grid_->SelectedRow() >= 0) rows.push_back(grid_->SelectedRow());
  if (DeleteEntryRows(*table_, grid_->Model(), rows, CurrentPrompter()) > 0) grid_->Refresh();
}

void CCtrlWndAccountEasy::AuditRows(bool on, RowSource source) {
  std::vector<int> rows;
  if (source == RowSource::kTicked) {
    rows = grid_->CheckedRows();
  } else if (grid_->SelectedRow() >= 0) {
    rows.push_back(grid_->SelectedRow());
  }
  if (AuditEntryRows(*table_, grid_->Model(), rows, on, source, CurrentPrompter()) > 0) grid_->Refresh();
}

void CCtrlWndAccountEasy::Search() {
  std::optional<SearchConditions> conditions = dialogs_.search(this, table_->KindPage());
  if (!conditions) return;
  TheSession().search = std::move(conditions);
  // Through the frame, so that the results get their place in the history.
  emit CommandRequested(kPageSearchResult);
}

void CCtrlWndAccountEasy::ChooseColumns() {
  if (grid_->ChooseColumns()) SaveLayout();
}

void CCtrlWndAccountEasy::SaveInitial() {
  // A failed save leaves the ledger and the typed edits as they were, so
  // that "保存" can be tried again.
  if (SaveInitialAssets(grid_->Model(), Profile().person_no, [this] { return dialogs_.initial_income(this); }) ==
      InitialSaveResult::kSaved)
    grid_->Refresh();
}

void CCtrlWndAccountEasy::ChooseScope(int scope) {
  const DateScope chosen = static_cast<DateScope>(scope);
  Session& session = TheSession();
  if (chosen == DateScope::kCustom) {
    ChangeRange();
    return;
  }
  if (chosen == session.scope) return;
  session.scope = chosen;
  session.range = RangeOfScope(chosen, ThisMonth());
  SaveLayout();
  Load();
}

void CCtrlWndAccountEasy::ChangeRange() {
  const std::optional<VoucherRange> range = dialogs_.month_range(this, SessionRange());
  if (!range) {
    UpdateNavigation();  // the previous choice is ticked again
    return;
  }
  Session& session = TheSession();
  session.scope = DateScope::kCustom;
  session.range = *range;
  SaveLayout();
  Load();
}

void CCtrlWndAccountEasy::OpenPlans() { dialogs_.plans(this, page_); }

void CCtrlWndAccountEasy::OpenCards() {
  dialogs_.cards(this);
  Load();
}

// ---- Context menu ---------------------------------------------------------------

bool CCtrlWndAccountEasy::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->Body() && event->type() == QEvent::ContextMenu) {
    ShowContextMenu(static_cast<QContextMenuEvent*>(event)->pos());
    return true;
  }
  return CHmCtrlWnd::eventFilter(watched, event);
}

void CCtrlWndAccountEasy::ShowContextMenu(const QPoint& position) {
  // The menu acts on the row under the mouse.
  const std::vector<bool> shown = grid_->Model().ShownRows();
  int row = -1;
  for (int r = 0; r < grid_->Model().RowCount() && row < 0; ++r) {
    const QRect cell = grid_->CellRect(r, 0);
    if (shown[r] && cell.top() <= position.y() && position.y() <= cell.bottom()) row = r;
  }
  grid_->SelectRow(row);
  QMenu menu(this);
  for (const ContextEntry& entry : EntryContextMenu(page_, Profile().rights, Profile().level)) {
    if (entry.IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(Q(entry.label));
    const int command = entry.command;
    const bool mine = HandlesCommand(command);
    action->setEnabled(entry.enabled && (!mine || CommandAvailable(command)) &&
                       (!IsOutputCommand(command) || OutputCommandAvailable(command)));
    connect(action, &QAction::triggered, this, [this, command, mine] {
      if (mine)
        OnCommand(command);
      else
        emit CommandRequested(command);
    });
  }
  menu.exec(grid_->Body()->mapToGlobal(position));
}

}  // namespace cw
