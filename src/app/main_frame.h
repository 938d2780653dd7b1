#pragma once
// CMainFrame: the program's one top-level window. It holds the menu bar, the
// frame toolbar (back/forward with their history lists, then the buttons of
// the current page), the caption bar and one module window at a time, and
// routes every command of menus, toolbars, navigation bars and other windows.
#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "app/frame_settings.h"
#include "app/page_history.h"
#include "frame/command_rights.h"
#include "frame/logon_profile.h"
#include "frame/module_toolbar.h"
#include "home/theme.h"

class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace cw {

class CaptionBar;
class CFrameMusic;
class CHmCtrlWnd;
class UpdateCheck;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // For the data set (`demo`) and user chosen in the login dialog.
  CMainFrame(bool demo, int person_no, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // Opens the data set with its version check, builds the window, places it
  // from the stored placement, records "WorkDir" and runs the logon start-up.
  // False when the data set cannot be used; the program then ends.
  bool Create();
  // Shows the window as placed: maximised or at its normal position.
  void ShowPlaced();

  // Every command ends here: pages, frame commands and module commands.
  void OnCommand(int command);
  // Shows a page by the routing rules; true when it is shown now. `replay`
  // carries the parameters of a history entry being replayed.
  bool ShowPage(int page, bool forced = false, const PageParams* replay = nullptr);
  // A link of the home page: kind 2 with an account code, kind 3 with "6"/"7".
  void OpenLedger(int kind, const QString& target);
  // Makes entry `index` of the history current and shows its page again.
  void ReplayHistory(int index);
  void ToggleNavigation();
  // The second start of the program asks the running copy to come forward.
  void BringToFront();
  // The updater asks the program to end (2025): the window closes with the
  // automatic backup only, no compaction and no reminder.
  void CloseForUpdate();

  CHmCtrlWnd* Module() const { return module_; }
  int CurrentPage() const { return current_page_; }
  const LogonProfile& Profile() const { return profile_; }
  const PageHistory& History() const { return history_; }
  bool NavigationHidden() const { return layout_.navigation_hidden; }
  // The menu action of a command; null for a command not in the menu.
  QAction* MenuAction(int command) const;
  // The module toolbar's action of a command; null when the page has none.
  QAction* ToolbarAction(int command) const;
  QString CaptionText() const;
  const CFrameMusic& Music() const { return *music_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void UpdateMenuStates();
  void BuildFrameToolbar();
  void BuildModuleToolbar(int page);
  void UpdateToolbarStates();
  // Whether a toolbar command can run now: the module's answer for its own
  // commands, the table's presence for 打印 and 导出, else built and permitted.
  bool FrameCommandAvailable(int command) const;
  void UpdateHistoryButtons();
  void FillHistoryMenu(QMenu* menu, const std::vector<int>& indexes);
  void RefreshCaption();
  // The logged-in user's look, or a look being tried in the interface settings.
  void ApplyLook();
  void ApplyLook(const UserLook& look);
  void UpdateMusicActions();
  void ReplaceModule(CHmCtrlWnd* module);
  // The module writes its page parameters into the current history entry.
  void SaveCurrentParams();

  // The logon start-up and its end (also at re-login).
  void StartUserLogon();
  void EndUserLogon();
  // Reads the profile again when `person_no` is the logged-in user.
  void RefreshProfile(int person_no);
  void Relogin();

  // 导出 (769) of the module's table.
  void ExportModuleTable();
  void PrintModuleTable();

  // The background check of a logon, when "AutoUpdate" is set, and its notice.
  void StartUpdateCheck();
  void OnUpdateOffered(double version, const QString& description);

  void RunCalculator();
  void OpenHelp();
  void OpenWebPage(int command);
  void ChangePassword();
  void ShowInterfaceSettings();

  bool demo_;
  int person_no_;
  LogonProfile profile_;
  UserLook look_;
  CFrameMusic* music_ = nullptr;
  UserLayout layout_;
  WindowPlacement placement_;
  bool closed_ = false;
  bool closing_for_update_ = false;
  std::unique_ptr<UpdateCheck> update_check_;

  int current_page_ = 0;
  CHmCtrlWnd* module_ = nullptr;
  PageHistory history_;
  bool replaying_ = false;

  QWidget* body_ = nullptr;
  QVBoxLayout* body_layout_ = nullptr;
  CaptionBar* caption_ = nullptr;
  QToolBar* frame_toolbar_ = nullptr;
  QToolBar* module_toolbar_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  std::vector<ToolButton> toolbar_buttons_;
  std::map<int, QAction*> menu_actions_;
  std::map<int, QAction*> toolbar_actions_;
  std::vector<std::pair<QMenu*, Need>> submenus_;
};

}  // namespace cw
