#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <ctime>

#include "app/about_box.h"
#include "app/desktop_links.h"
#include "app/frame_title.h"
#include "app/ledger_link.h"
#include "app/logon_hooks.h"
#include "calendar/calendar.h"
#include "output/ui/export_dialog.h"
#include "output/ui/print_dialog.h"
#include "plans/ui/execute_cp.h"
#include "app/main_menu.h"
#include "app/module_factory.h"
#include "app/page_routing.h"
#include "app/update_check.h"
#include "app/update_launch.h"
#include "app/update_notice.h"
#include "app/user_logon.h"
#include "base/prompter.h"
#include "core/data_sets.h"
#include "core/exit_sequence.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/schema_version.h"
#include "core/session.h"
#include "core/settings.h"
#include "frame/app_commands.h"
#include "frame/built_features.h"
#include "frame/caption_bar.h"
#include "frame/hm_ctrl_wnd.h"
#include "home/ui/daily_note.h"
#include "music/ui/frame_music.h"
#include "music/ui/qt_music_backend.h"
#include "prefs/ui/change_password_dialog.h"
#include "prefs/ui/interface_settings_dialog.h"
#include "prefs/user_look.h"
#include "store/database.h"
#include "store/ui/database_commands.h"
#include "ui/own_dialog.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

ScreenRect ToScreenRect(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

}  // namespace

CMainFrame::CMainFrame(bool demo, int person_no, QWidget* parent)
    : QMainWindow(parent), demo_(demo), person_no_(person_no) {
  setObjectName("mainFrame");
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::Create() {
  // Already open from the login; this runs the version check, which refuses a
  // data set written by a newer program.
  if (!OpenDataSet(demo_ ? Database::kDemoData : Database::kUserData)) return false;

  body_ = new QWidget(this);
  body_layout_ = new QVBoxLayout(body_);
  body_layout_->setContentsMargins(0, 0, 0, 0);
  body_layout_->setSpacing(0);
  caption_ = new CaptionBar(body_);
  body_layout_->addWidget(caption_);
  // A link in a module's caption (the range's "(更改)") names the command it issues.
  connect(caption_, &QLabel::linkActivated, this, [this](const QString& link) { OnCommand(link.toInt()); });
  body_layout_->addStretch(1);
  setCentralWidget(body_);
  music_ = new CFrameMusic(this);
  connect(music_, &CFrameMusic::FolderStored, this, [this] { RefreshProfile(person_no_); });
  BuildMenus();
  BuildFrameToolbar();

  const QScreen* screen = QGuiApplication::primaryScreen();
  const ScreenRect work_area = screen ? ToScreenRect(screen->availableGeometry()) : ScreenRect{0, 0, 1024, 768};
  placement_ = ComputePlacement(ReadStoredPlacement(), work_area);
  setGeometry(placement_.normal.left, placement_.normal.top, placement_.normal.width, placement_.normal.height);

  settings::SetText("", "WorkDir", QCoreApplication::applicationDirPath().toStdString());
  StartUserLogon();
  return true;
}

void CMainFrame::ShowPlaced() {
  if (placement_.maximised)
    showMaximized();
  else
    show();
}

// ---- Logon ----------------------------------------------------------------------

void CMainFrame::StartUserLogon() {
  profile_ = LoadUserProfile(person_no_, demo_);
  SetLoggedInPerson(person_no_);
  ApplyLook();
  setWindowTitle(Q(FrameTitle(ProgramVersion(), profile_.name)));
  layout_ = ReadUserLayout(person_no_);
  UpdateMenuStates();
  history_.Clear();
  current_page_ = 0;
  StartLogonWork(profile_);
  StartUpdateCheck();
  ShowPage(cmd::kHomePage, true);
  music_->BeginLogon(person_no_, profile_.work_music);
  UpdateMusicActions();
  // The scheduled bookings fallen due, on a worker thread; the page shown is
  // built again when they are written.
  CExecuteCP::Start(this, Today(), [this] { OnCommand(cmd::kRefreshModule); });
  // After the window is up, so the tip opens over the home page.
  QTimer::singleShot(0, this, [this, person = person_no_] {
    if (!closed_ && person == person_no_) ShowDailyNote(this, person_no_, true);
  });
}

void CMainFrame::EndUserLogon() {
  music_->EndLogon();
  EndLogonWork(profile_);
}

void CMainFrame::RefreshProfile(int person_no) {
  if (person_no != person_no_) return;
  profile_ = LoadUserProfile(person_no_, demo_);
  setWindowTitle(Q(FrameTitle(ProgramVersion(), profile_.name)));
  UpdateMenuStates();
  if (module_) module_->UpdateProfile(profile_);
  UpdateToolbarStates();
}

void CMainFrame::Relogin() {
  // The login dialog may open the other data set: a run still going finishes first.
  CExecuteCP::WaitForAll();
  const int previous = Database::CurrentDatabase();
  CUserLogon dialog;
  if (dialog.DoModal() != CUserLogon::kLoggedIn) {
    // The dialog may have opened the other data set for its list, and it
    // took the login colours for the dialogs.
    if (Database::CurrentDatabase() != previous) Database::OpenDatabase(previous);
    ApplyLook();
    return;
  }
  const bool demo = dialog.Demo();
  if (!OpenDataSet(demo ? Database::kDemoData : Database::kUserData)) {
    // A data set written by a newer program (reported): stay with the old one.
    Database::OpenDatabase(previous);
    ApplyLook();
    return;
  }
  EndUserLogon();
  demo_ = demo;
  person_no_ = dialog.PersonNo();
  StartUserLogon();
}

void CMainFrame::ApplyLook() { ApplyLook(LookOfUser(profile_.color_type, profile_.font_type, profile_.own_colours)); }

void CMainFrame::ApplyLook(const UserLook& look) {
  look_ = look;
  COwnDialog::SetColours(StoredColour(look_.colours[kDialogColour]), StoredColour(look_.colours[kButtonColour]));
  QFont font = QApplication::font();
  font.setPointSizeF(look_.font_points);
  QApplication::setFont(font);
  QPalette p = palette();
  p.setColor(QPalette::Window, StoredColour(look_.colours[kFrameColour]));
  menuBar()->setPalette(p);
  frame_toolbar_->setPalette(p);
  module_toolbar_->setPalette(p);
  caption_->SetColour(StoredColour(look_.colours[kMainCapColour]));
  if (module_) module_->ApplyColours(look_.colours);
}

// ---- Menus and toolbars -----------------------------------------------------------

void CMainFrame::BuildMenus() {
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                        const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
      switch (item.kind) {
        case MenuItem::kSeparator: menu->addSeparator(); break;
        case MenuItem::kSubmenu: {
          QMenu* sub = menu->addMenu(Q(item.text));
          submenus_.emplace_back(sub, item.need);
          // The music can stop by itself (a track that cannot be played).
          connect(sub, &QMenu::aboutToShow, this, &CMainFrame::UpdateMusicActions);
          fill(sub, item.items);
          break;
        }
        case MenuItem::kCommand: {
          QAction* action = menu->addAction(Q(item.text));
          if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Q(item.shortcut)));
          const int command = item.command;
          connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
          menu_actions_[command] = action;
          break;
        }
      }
    }
  };
  for (const MenuItem& top : MainMenu()) {
    QMenu* menu = menuBar()->addMenu(Q(top.text));
    submenus_.emplace_back(menu, top.need);
    fill(menu, top.items);
  }
}

void CMainFrame::UpdateMenuStates() {
  for (auto& [command, action] : menu_actions_)
    action->setEnabled(CommandEnabled(command, profile_.rights, profile_.level));
  for (auto& [menu, need] : submenus_) menu->menuAction()->setEnabled(Permitted(need, profile_.rights, profile_.level));
  UpdateMusicActions();
}

void CMainFrame::UpdateMusicActions() {
  if (!music_) return;
  for (auto& [command, action] : menu_actions_) {
    if (!CFrameMusic::IsMusicCommand(command)) continue;
    action->setEnabled(CommandEnabled(command, profile_.rights, profile_.level) && music_->Enabled(command));
    const bool order = command == cmd::kMusicInOrder || command == cmd::kMusicRandom;
    action->setCheckable(order);
    action->setChecked(order && music_->Checked(command));
  }
}

void CMainFrame::BuildFrameToolbar() {
  frame_toolbar_ = addToolBar("导航");
  frame_toolbar_->setObjectName("frameToolbar");
  frame_toolbar_->setMovable(false);
  frame_toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto make = [this](int command, QStyle::StandardPixmap icon, const char* text, const char* tooltip) {
    auto* button = new QToolButton(frame_toolbar_);
    button->setObjectName(command == cmd::kBack ? "backButton" : "forwardButton");
    button->setIcon(style()->standardIcon(icon));
    button->setText(text);
    button->setToolTip(tooltip);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(button);
    button->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu, command] {
      FillHistoryMenu(menu, command == cmd::kBack ? history_.BackIndexes() : history_.ForwardIndexes());
    });
    connect(button, &QToolButton::clicked, this, [this, command] { OnCommand(command); });
    frame_toolbar_->addWidget(button);
    return button;
  };
  back_ = make(cmd::kBack, QStyle::SP_ArrowBack, "后退", "回到前一个窗口");
  forward_ = make(cmd::kForward, QStyle::SP_ArrowForward, "前进", "回到后一个窗口");

  module_toolbar_ = addToolBar("工具栏");
  module_toolbar_->setObjectName("moduleToolbar");
  module_toolbar_->setMovable(false);
  UpdateHistoryButtons();
}

void CMainFrame::FillHistoryMenu(QMenu* menu, const std::vector<int>& indexes) {
  menu->clear();
  for (int index : indexes) {
    QAction* action = menu->addAction(Q(history_.At(index).caption));
    connect(action, &QAction::triggered, this, [this, index] { ReplayHistory(index); });
  }
}

void CMainFrame::UpdateHistoryButtons() {
  back_->setEnabled(history_.CanBack());
  forward_->setEnabled(history_.CanForward());
}

void CMainFrame::BuildModuleToolbar(int page) {
  std::vector<ToolButton> buttons = ModuleToolbar(page);
  if (buttons == toolbar_buttons_ && !toolbar_actions_.empty()) return;
  toolbar_buttons_ = std::move(buttons);
  module_toolbar_->clear();
  toolbar_actions_.clear();
  for (const ToolButton& button : toolbar_buttons_) {
    if (button.IsSeparator()) {
      module_toolbar_->addSeparator();
      continue;
    }
    QAction* action = module_toolbar_->addAction(Q(button.label));
    action->setToolTip(Q(button.tooltip));
    const int command = button.command;
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    toolbar_actions_[command] = action;
  }
}

void CMainFrame::UpdateToolbarStates() {
  for (auto& [command, action] : toolbar_actions_) {
    action->setEnabled(FrameCommandAvailable(command));
  }
}

bool CMainFrame::FrameCommandAvailable(int command) const {
  if (module_ && module_->HandlesCommand(command)) return module_->CommandAvailable(command);
  // 打印 and 导出 work on the module's table when it shows one.
  if (command == cmd::kPrint || command == cmd::kExport) return module_ && module_->OutputCommandAvailable(command);
  return CommandEnabled(command, profile_.rights, profile_.level);
}

QAction* CMainFrame::MenuAction(int command) const {
  auto found = menu_actions_.find(command);
  return found == menu_actions_.end() ? nullptr : found->second;
}

QAction* CMainFrame::ToolbarAction(int command) const {
  auto found = toolbar_actions_.find(command);
  return found == toolbar_actions_.end() ? nullptr : found->second;
}

QString CMainFrame::CaptionText() const { return caption_->text(); }

void CMainFrame::RefreshCaption() { caption_->setText(module_ ? Q(module_->CaptionText()) : QString()); }

// ---- Routing ----------------------------------------------------------------------

void CMainFrame::OnCommand(int command) {
  if (closed_) return;
  if (module_ && module_->HandlesCommand(command)) {
    if (module_->CommandAvailable(command)) module_->OnCommand(command);
    UpdateToolbarStates();
    return;
  }
  if (const int page = PageOfCommand(command)) {
    ShowPage(page);
    return;
  }
  if (command == cmd::kBringToFront) {
    BringToFront();
    return;
  }
  if (command == cmd::kRefreshModule) {
    // The scheduled-booking run has written vouchers: the page shown is built again.
    if (current_page_ != 0) ShowPage(current_page_, true);
    return;
  }
  if (!CommandEnabled(command, profile_.rights, profile_.level)) return;
  switch (command) {
    case cmd::kBack: ReplayHistory(history_.Cursor() - 1); break;
    case cmd::kForward: ReplayHistory(history_.Cursor() + 1); break;
    case cmd::kRelogin: Relogin(); break;
    case cmd::kChangePassword: ChangePassword(); break;
    case cmd::kExit: close(); break;
    case cmd::kCalculator: RunCalculator(); break;
    case cmd::kUpdate: StartUpdater(); break;
    case cmd::kHelp: OpenHelp(); break;
    case cmd::kDailyNote: ShowDailyNote(this, person_no_, false); break;
    case cmd::kWebSite:
    case cmd::kSupport: OpenWebPage(command); break;
    case cmd::kAbout: CAboutDlg(this).exec(); break;
    case cmd::kExport: ExportModuleTable(); break;
    case cmd::kPrint: PrintModuleTable(); break;
    case cmd::kDisplaySettings: ShowInterfaceSettings(); break;
    default:
      if (CFrameMusic::IsMusicCommand(command)) {
        music_->Run(command);
        UpdateMusicActions();
      }
      break;
  }
}

bool CMainFrame::ShowPage(int page, bool forced, const PageParams* replay) {
  if (closed_ || !Permitted(NeedOfCommand(page), profile_.rights, profile_.level)) return false;
  RouteState state;
  state.current_page = current_page_;
  state.current_module = module_ ? module_->Kind() : ModuleKind::kNone;
  // Only the ledger pages look at the chart, so the home page never loads it.
  state.all_leaves_typed = PageClass(page) == 0 || CItemCache::Instance().AllLeavesTyped();
  const RouteDecision decision = PlanRoute(state, page, forced, PageBuilt(page));
  if (decision.action == RouteDecision::kIgnore) return false;

  SaveCurrentParams();
  current_page_ = page;
  if (decision.action == RouteDecision::kNewModule) {
    ReplaceModule(nullptr);
    ReplaceModule(CreateModule(decision.module, profile_, look_.colours, body_));
    if (!module_) {
      current_page_ = 0;
      RefreshCaption();
      return false;
    }
  }
  module_->ShowPage(page, forced || decision.again, replay);
  BuildModuleToolbar(page);
  UpdateToolbarStates();
  module_->ApplyColours(look_.colours);
  RefreshCaption();
  if (!replaying_) history_.Record({page, module_->PageTitle(), module_->CurrentParams()});
  UpdateHistoryButtons();
  return true;
}

void CMainFrame::SaveCurrentParams() {
  if (!module_) return;
  if (HistoryEntry* current = history_.Current(); current && current->command == current_page_)
    current->params = module_->CurrentParams();
}

void CMainFrame::ReplaceModule(CHmCtrlWnd* module) {
  if (module_) {
    // Deleted later: the request may come from a button of this very module.
    body_layout_->removeWidget(module_);
    module_->hide();
    module_->disconnect(this);
    module_->deleteLater();
    module_ = nullptr;
  }
  if (!module) return;
  module_ = module;
  module_->SetNavigationHidden(layout_.navigation_hidden);
  module_->SetDataAlignment(layout_.vertical, layout_.percent);
  // The caption bar stays first; the stretch that keeps an empty frame tidy goes.
  if (body_layout_->count() > 1) delete body_layout_->takeAt(1);
  body_layout_->addWidget(module_, 1);
  connect(module_, &CControlWnd::CommandRequested, this, &CMainFrame::OnCommand);
  connect(module_, &CControlWnd::NavigationToggleRequested, this, &CMainFrame::ToggleNavigation);
  connect(module_, &CHmCtrlWnd::CaptionChanged, this, &CMainFrame::RefreshCaption);
  connect(module_, &CHmCtrlWnd::CommandStateChanged, this, &CMainFrame::UpdateToolbarStates);
  connect(module_, &CHmCtrlWnd::LedgerRequested, this, &CMainFrame::OpenLedger);
  connect(module_, &CHmCtrlWnd::DataAlignmentChosen, this, [this](bool vertical) {
    layout_.vertical = vertical;
    SaveDataAlignment(person_no_, vertical);
    module_->SetDataAlignment(layout_.vertical, layout_.percent);
  });
  connect(module_, &CHmCtrlWnd::UserChanged, this, &CMainFrame::RefreshProfile);
  module_->show();
}

void CMainFrame::ReplayHistory(int index) {
  if (index < 0 || index >= history_.Size()) return;
  const HistoryEntry entry = history_.At(index);
  SaveCurrentParams();
  replaying_ = true;
  const bool shown = ShowPage(entry.command, true, &entry.params);
  replaying_ = false;
  if (shown) history_.SetCursor(index);
  UpdateHistoryButtons();
}

void CMainFrame::OpenLedger(int kind, const QString& target) {
  const std::string code = target.toStdString();
  const QDate today = QDate::currentDate();
  const LedgerLink link =
      LedgerLinkTarget(kind, code, kind == 2 ? CItemCache::Instance().TypeOf(code) : 0, today.year(), today.month());
  if (link.page == 0) return;
  ShowPage(link.page, true, &link.params);
}

void CMainFrame::ToggleNavigation() {
  layout_.navigation_hidden = !layout_.navigation_hidden;
  SaveNavigationHidden(person_no_, layout_.navigation_hidden);
  if (module_) module_->SetNavigationHidden(layout_.navigation_hidden);
}

void CMainFrame::BringToFront() {
  if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
  // A dialog over the frame (the login at re-login, a message) comes along.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

// ---- Frame commands ---------------------------------------------------------------

void CMainFrame::ExportModuleTable() {
  if (!FrameCommandAvailable(cmd::kExport)) return;
  ExportPageOutput(this, *module_->CurrentOutput(), CurrentPrompter());
}

void CMainFrame::PrintModuleTable() {
  if (!FrameCommandAvailable(cmd::kPrint)) return;
  PrintPageOutput(this, *module_->CurrentOutput(), CurrentPrompter());
}

void CMainFrame::RunCalculator() {
  const std::string program =
      FirstCalculator([](const std::string& name) { return !QStandardPaths::findExecutable(Q(name)).isEmpty(); });
  if (program.empty() || !QProcess::startDetached(Q(program), {})) {
    CurrentPrompter().Inform(
        "没有找到计算器程序。\n\n请安装 gnome-calculator、kcalc、galculator、qalculate-gtk 或 xcalc 中的一个。");
  }
}

void CMainFrame::OpenHelp() {
  const QString path = Q(HelpPagePath());
  if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    CurrentPrompter().Inform("无法打开帮助文件：\n" + path.toStdString());
}

void CMainFrame::OpenWebPage(int command) {
  const QString address = Q(WebAddress(command));
  if (!QDesktopServices::openUrl(QUrl(address)))
    CurrentPrompter().Inform("无法打开网页：\n" + address.toStdString());
}

void CMainFrame::ChangePassword() { CChangePW(person_no_, this).exec(); }

void CMainFrame::ShowInterfaceSettings() {
  const UserLookSettings stored{profile_.color_type,     profile_.font_type,  profile_.welcome_word,
                                profile_.welcome_picture, profile_.work_music, profile_.own_colours};
  QtMusicBackend preview_device;
  CInterfaceSettingsDlg dialog(
      stored,
      [this](const ThemeColours& colours, int font_type) { ApplyLook({colours, FontPointSize(font_type)}); },
      preview_device, this);
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  // Cancelled, or not stored (the store has said why): the stored look comes back.
  const UserLookSettings chosen = dialog.Result();
  if (!confirmed || !StoreUserLook(person_no_, chosen)) {
    ApplyLook();
    return;
  }
  const bool folder_changed = chosen.work_music != profile_.work_music;
  RefreshProfile(person_no_);
  ApplyLook();
  // The home page shows the new greeting and photo at once.
  if (current_page_ == cmd::kHomePage) ShowPage(cmd::kHomePage, true);
  if (folder_changed) music_->FolderChanged(profile_.work_music);
  UpdateMusicActions();
}

// ---- Updates ----------------------------------------------------------------------

void CMainFrame::StartUpdateCheck() {
  update_check_.reset();  // a check of the previous logon ends with it
  if (settings::GetNumber("", "AutoUpdate") == 0) return;
  update_check_ = std::make_unique<UpdateCheck>();
  connect(update_check_.get(), &UpdateCheck::UpdateOffered, this, &CMainFrame::OnUpdateOffered);
  update_check_->start();
}

void CMainFrame::OnUpdateOffered(double version, const QString& description) {
  if (closed_) return;
  CDetectUpdateVersion notice(version, description, this);
  if (notice.exec() == QDialog::Accepted) StartUpdater();
}

void CMainFrame::CloseForUpdate() {
  closing_for_update_ = true;
  close();
}

// ---- Shutdown ---------------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!closed_) {
    closed_ = true;
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    SavePlacement(ToScreenRect(normal), isMaximized());
    // A scheduled-booking run still going uses the connection.
    CExecuteCP::WaitForAll();
    update_check_.reset();
    EndUserLogon();
    ReplaceModule(nullptr);
    // The window goes now: what the exit still shows (the compaction's
    // progress, the backup reminder) stands on its own, not over a frame
    // emptied of its page.
    hide();
    RunClosingWork(demo_);
    if (closing_for_update_)
      RunUpdateExitSequence(std::time(nullptr));
    else
      RunDesktopExitSequence(this);
    Database::CloseDatabase();
  }
  event->accept();
}

}  // namespace cw
