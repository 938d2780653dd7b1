#pragma once
// CCtrlWndAccountEasy: the daily entry window, the module of the entry pages
// 32900-32908 and of the search results 32999.
//
// The grid shows the table the page's EntryTable builds. New, changed,
// deleted and audited vouchers go through the voucher engine, and the table
// follows in place (EntryTable::Apply*), except when a new voucher lies
// outside the months shown: the range then widens to take it in, the date
// scope follows, and the page is built again. The initial-assets page 32907
// is edited in the grid and saved with "保存".
//
// The months shown, the date scope and the last search stay while the
// program runs, also when the frame makes the module anew.
#include <QString>
#include <memory>
#include <optional>

#include "bookkeeping/entries/date_scope.h"
#include "bookkeeping/entries/entry_commands.h"
#include "bookkeeping/entries/ui/entry_dialogs.h"
#include "frame/hm_ctrl_wnd.h"

class QButtonGroup;
class QLabel;

namespace cw {

class CListWnd;
class EntryTable;

class CCtrlWndAccountEasy : public CHmCtrlWnd {
  Q_OBJECT
 public:
  // Commands of the window besides its toolbar's and the caption's
  // kChangeRange: the context menu's commands on the selected row.
  enum Command {
    kChangeSelected = 32844,
    kDeleteSelected = 32845,
    kCancelAuditSelected = 32846,
    kAuditSelected = 32847,
  };

  CCtrlWndAccountEasy(const LogonProfile& profile, QWidget* parent = nullptr,
                      EntryDialogs dialogs = StandardEntryDialogs());
  ~CCtrlWndAccountEasy() override;

  ModuleKind Kind() const override { return ModuleKind::kAccountEasy; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override { return page_; }
  std::string PageTitle() const override;
  // The title, and below it the months shown with the "(更改)" link (rich text).
  std::string CaptionText() const override;
  PageParams CurrentParams() const override;
  std::optional<PageOutput> CurrentOutput() const override;

  bool HandlesCommand(int command) const override;
  bool CommandAvailable(int command) const override;
  void OnCommand(int command) override;

  // What the window shows.
  CListWnd* Grid() const { return grid_; }
  const EntryTable* Table() const { return table_.get(); }
  DateScope Scope() const;
  VoucherRange Range() const;
  QButtonGroup* ScopeChoices() const { return scope_choices_; }
  QLabel* SearchHeaderLabel() const { return search_header_; }

  // Forgets the months, scope and search kept for the next window.
  static void ResetSessionForTesting();

 public slots:
  // A choice of the date-scope group (1-4).
  void ChooseScope(int scope);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Builds the table of the current page and shows it.
  void Load();
  void UpdateNavigation();
  void InstallEditing();
  void SaveLayout() const;
  // Where the table's column layout is kept: per page, and the search
  // results per searched page.
  std::string LayoutKey() const;
  void SelectVoucher(int number);

  void NewVoucher();
  // The saver of the booking dialog: writes and brings the table up to date.
  int WriteAndShow(const Booking& booking);
  void ChangeVoucher();
  void DeleteRows(bool selected_only);
  void AuditRows(bool on, RowSource source);
  void Search();
  void ChooseColumns();
  void SaveInitial();
  void ChangeRange();
  // The plan and card lists; a card may have been added, so the page is read again.
  void OpenPlans();
  void OpenCards();
  void ShowContextMenu(const QPoint& position);

  EntryDialogs dialogs_;
  int page_ = 0;
  std::unique_ptr<EntryTable> table_;
  CListWnd* grid_ = nullptr;
  QLabel* search_header_ = nullptr;
  QButtonGroup* scope_choices_ = nullptr;
  // What the navigation bar shows: its kind and its note.
  QString navigation_signature_;
};

}  // namespace cw
