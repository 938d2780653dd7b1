// The main frame on the demonstration data: title, menus and toolbars by the
// user's rights, module switching with the history, the navigation state,
// re-login and the placement stored at closing.
#include "app/main_frame.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTest>
#include <QAbstractButton>
#include <QToolButton>

#include "app/ctrl_wnd_main.h"
#include "app/ctrl_wnd_system.h"
#include "app/frame_title.h"
#include "app/user_logon.h"
#include "controls/list_wnd.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/ui/user_management_page.h"
#include "app_ui_fixture.h"
#include "core/schema_version.h"
#include "core/settings.h"
#include "frame/app_commands.h"
#include "frame/navigation_bar.h"
#include "store/database.h"
#include "support/modal_driver.h"
#include "ui/own_dialog.h"

namespace cw {
namespace {

constexpr int kDad = 1;  // administrator
constexpr int kMom = 2;  // no 系统管理
constexpr int kKid = 3;  // no 收支预算, no 系统管理

class MainFrameTest : public testing::AppUiTest {
 protected:
  void SetUp() override {
    AppUiTest::SetUp();
    // The tip dialog of the logon is exercised by the end-to-end test.
    for (int person : {kDad, kMom, kKid}) settings::SetNumber(settings::UserKey(person), "HideDailyNote", 1);
  }

  std::unique_ptr<CMainFrame> Open(int person) {
    EXPECT_EQ(1, Database::OpenDatabase(Database::kDemoData));
    auto frame = std::make_unique<CMainFrame>(true, person);
    EXPECT_TRUE(frame->Create());
    frame->ShowPlaced();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    return frame;
  }

  static QAbstractButton* NavItem(CMainFrame& frame, const QString& text) {
    for (QAbstractButton* button : frame.Module()->Navigation()->findChildren<QAbstractButton*>("navigationItem"))
      if (button->text() == text) return button;
    ADD_FAILURE() << "no navigation item " << text.toStdString();
    return nullptr;
  }
  static bool NavItemEnabled(CMainFrame& frame, const QString& text) {
    QAbstractButton* item = NavItem(frame, text);
    return item && item->isEnabled();
  }
};

TEST_F(MainFrameTest, StartsOnTheHomePageWithTheUsersTitle) {
  auto frame = Open(kDad);
  EXPECT_EQ(QString::fromStdString(FrameTitle(ProgramVersion(), "爸爸")), frame->windowTitle());
  ASSERT_NE(nullptr, qobject_cast<CCtrlWndMain*>(frame->Module()));
  EXPECT_EQ(cmd::kHomePage, frame->CurrentPage());
  EXPECT_EQ("用户首页", frame->CaptionText());
  ASSERT_NE(nullptr, frame->ToolbarAction(cmd::kChangePassword));
  EXPECT_TRUE(frame->ToolbarAction(cmd::kChangePassword)->isEnabled());
  EXPECT_TRUE(frame->ToolbarAction(cmd::kDisplaySettings)->isEnabled());
  EXPECT_TRUE(frame->ToolbarAction(cmd::kBackground)->isEnabled());
  EXPECT_EQ(1, frame->History().Size());
  EXPECT_EQ(QCoreApplication::applicationDirPath().toStdString(), settings::GetText("", "WorkDir"));
}

TEST_F(MainFrameTest, MenusAndNavigationFollowTheUser) {
  struct Case {
    int person;
    bool users;
  } cases[] = {{kDad, true}, {kMom, false}, {kKid, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.person);
    auto frame = Open(c.person);
    EXPECT_EQ(c.users, frame->MenuAction(cmd::kUserManagement)->isEnabled());
    EXPECT_EQ(c.users, NavItemEnabled(*frame, "用户管理"));
    // 软件升级 needs no right.
    EXPECT_TRUE(frame->MenuAction(cmd::kUpdate)->isEnabled());
    EXPECT_TRUE(NavItemEnabled(*frame, "账薄查询"));
    EXPECT_TRUE(frame->MenuAction(cmd::kCalculator)->isEnabled());
    // A refused page is not reached by any other way either.
    EXPECT_EQ(c.users, frame->ShowPage(cmd::kUserManagement));
    EXPECT_EQ(c.users ? ModuleKind::kSystem : ModuleKind::kMain, frame->Module()->Kind());
  }
}

TEST_F(MainFrameTest, ModulesSwitchAndHistoryReplays) {
  auto frame = Open(kDad);
  auto* back = frame->findChild<QToolButton*>("backButton");
  auto* forward = frame->findChild<QToolButton*>("forwardButton");
  EXPECT_FALSE(back->isEnabled());

  // The home module's own navigation item replaces the home module.
  QTest::mouseClick(NavItem(*frame, "用户管理"), Qt::LeftButton);
  auto* system = qobject_cast<CCtrlWndSystem*>(frame->Module());
  ASSERT_NE(nullptr, system);
  EXPECT_EQ("用户管理", frame->CaptionText());
  EXPECT_TRUE(frame->ToolbarAction(cmd::kAdd)->isEnabled());
  // The user list is a table: it can be printed.
  EXPECT_TRUE(frame->ToolbarAction(cmd::kPrint)->isEnabled());
  EXPECT_TRUE(back->isEnabled());

  // The same page again, a page that does not exist and an unknown command change nothing.
  EXPECT_FALSE(frame->ShowPage(cmd::kUserManagement));
  EXPECT_FALSE(frame->ShowPage(32909));
  frame->OnCommand(12345);
  EXPECT_EQ(system, frame->Module());
  EXPECT_EQ(2, frame->History().Size());

  QTest::mouseClick(back, Qt::LeftButton);
  EXPECT_EQ(ModuleKind::kMain, frame->Module()->Kind());
  EXPECT_EQ("用户首页", frame->CaptionText());
  EXPECT_EQ(0, frame->History().Cursor());
  EXPECT_TRUE(forward->isEnabled());
  EXPECT_FALSE(back->isEnabled());

  // The drop-down list of "forward" names the page ahead; choosing it replays it.
  QMenu* list = forward->menu();
  emit list->aboutToShow();
  ASSERT_EQ(1, list->actions().size());
  EXPECT_EQ("用户管理", list->actions().at(0)->text());
  list->actions().at(0)->trigger();
  EXPECT_EQ(ModuleKind::kSystem, frame->Module()->Kind());
  EXPECT_EQ(1, frame->History().Cursor());
  EXPECT_EQ(2, frame->History().Size());

  // Ctrl+H goes home as a new page of the history.
  frame->MenuAction(cmd::kHomePage)->trigger();
  EXPECT_EQ(ModuleKind::kMain, frame->Module()->Kind());
  EXPECT_EQ(3, frame->History().Size());
}

TEST_F(MainFrameTest, NavigationStateIsKeptPerUser) {
  {
    auto frame = Open(kDad);
    EXPECT_FALSE(frame->Module()->NavigationHidden());
    QTest::mouseClick(frame->Module()->findChild<QToolButton*>("navigationArrow"), Qt::LeftButton);
    EXPECT_TRUE(frame->Module()->NavigationHidden());
    EXPECT_EQ(1, settings::GetNumber("User1", "HideNavigationWnd"));
    // A module made later takes the state.
    ASSERT_TRUE(frame->ShowPage(cmd::kUserManagement));
    EXPECT_TRUE(frame->Module()->NavigationHidden());
  }
  EXPECT_TRUE(Open(kDad)->Module()->NavigationHidden());
  EXPECT_FALSE(Open(kMom)->Module()->NavigationHidden());
}

TEST_F(MainFrameTest, CancelledReloginKeepsUserAndDataSet) {
  auto frame = Open(kDad);
  ASSERT_TRUE(frame->ShowPage(cmd::kUserManagement));
  bool shown = false;
  // The dialog opens the user's own data for its list; leaving it must bring
  // the demonstration data back.
  testing::OnModal<CUserLogon>([](CUserLogon* d) { d->reject(); }, &shown);
  frame->MenuAction(cmd::kRelogin)->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(Database::kDemoData, Database::CurrentDatabase());
  EXPECT_EQ("爸爸", frame->Profile().name);
  EXPECT_EQ(ModuleKind::kSystem, frame->Module()->Kind());
  // Dialogs keep the user's colours, not the login dialog's.
  EXPECT_NE(QColor(205, 220, 245), COwnDialog::Background());
}

TEST_F(MainFrameTest, ClosingStoresThePlacementAndClosesTheData) {
  auto frame = Open(kMom);
  frame->showNormal();
  frame->resize(900, 600);
  frame->close();
  EXPECT_EQ(900, settings::GetNumber("Wnd", "Width"));
  EXPECT_EQ(600, settings::GetNumber("Wnd", "Height"));
  EXPECT_EQ(0, settings::GetNumber("Wnd", "Maximum"));
  EXPECT_FALSE(Database::IsOpen());
  EXPECT_EQ(nullptr, frame->Module());
}

TEST_F(MainFrameTest, RenamingOneselfRenamesTheTitle) {
  auto frame = Open(kDad);
  ASSERT_TRUE(frame->ShowPage(cmd::kUserManagement));
  auto* page = frame->findChild<UserManagementPage*>();
  ASSERT_NE(nullptr, page);
  page->Grid()->SelectRow(page->Grid()->Model().FindKey(RowKey(kDad)));
  bool renamed = false;
  testing::OnModal<CUserInput>(
      [](CUserInput* dialog) {
        dialog->findChild<QLineEdit*>("name")->setText("老爸");
        QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
      },
      &renamed);
  page->ChangeUser();
  ASSERT_TRUE(renamed);
  EXPECT_EQ(QString::fromStdString(FrameTitle(ProgramVersion(), "老爸")), frame->windowTitle());
  EXPECT_EQ("老爸", frame->Profile().name);
  EXPECT_EQ(kDad, frame->Profile().person_no);
}

TEST_F(MainFrameTest, DataSetOfANewerProgramStopsTheStart) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kDemoData));
  ASSERT_EQ(1, Database::Execute(Database::LoadStatement(398), {EncodeVersion(ProgramVersion() + 1)}));
  CMainFrame frame(true, kDad);
  EXPECT_FALSE(frame.Create());
  EXPECT_EQ(1u, prompter_.shown.size());
}

}  // namespace
}  // namespace cw
