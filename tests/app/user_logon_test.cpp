// The login dialog driven offscreen: refusals, Enter, the demonstration box
// and the remembered user.
#include "app/user_logon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app_ui_fixture.h"
#include "core/schema_version.h"
#include "core/settings.h"
#include "prefs/user_texts.h"
#include "store/database.h"

namespace cw {
namespace {

class UserLogonTest : public testing::AppUiTest {
 protected:
  void SetUp() override {
    AppUiTest::SetUp();
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    zhang_ = AddTestUser("张三", "abc");
    li_ = AddTestUser("李四", "xyz", /*frozen=*/true);
  }

  // Runs the dialog with `steps` performed once it is up; returns DoModal's result.
  int Run(CUserLogon& dialog, const std::function<void(CUserLogon&)>& steps) {
    QTimer::singleShot(0, &dialog, [&] {
      steps(dialog);
      if (dialog.isVisible()) dialog.reject();
    });
    return dialog.DoModal();
  }

  static QComboBox* Users(CUserLogon& d) { return d.findChild<QComboBox*>("userList"); }
  static QLineEdit* Password(CUserLogon& d) { return d.findChild<QLineEdit*>("password"); }
  static QStringList Names(CUserLogon& d) {
    QStringList names;
    for (int i = 0; i < Users(d)->count(); ++i) names << Users(d)->itemText(i);
    return names;
  }
  static void Enter(CUserLogon& d, const QString& user, const QString& password) {
    Users(d)->setCurrentText(user);
    Password(d)->setText(password);
  }
  static void ClickLogin(CUserLogon& d) { QTest::mouseClick(d.findChild<QPushButton*>("loginButton"), Qt::LeftButton); }

  int zhang_ = 0;
  int li_ = 0;
};

TEST_F(UserLogonTest, RefusalsKeepTheDialogOpen) {
  struct Case {
    const char* name;
    const char* user;
    const char* password;
    const char* message;
  } cases[] = {
      {"frozen with the right password", "李四", "xyz", user_texts::kFrozenLogin},
      {"frozen is checked before the password", "李四", "wrong", user_texts::kFrozenLogin},
      {"wrong password", "张三", "abd", user_texts::kWrongPassword},
      {"empty password for a user who has one", "张三", "", user_texts::kWrongPassword},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CUserLogon dialog;
    bool still_open = false;
    QWidget* focus = nullptr;
    const int result = Run(dialog, [&](CUserLogon& d) {
      Enter(d, c.user, c.password);
      ClickLogin(d);
      still_open = d.isVisible();
      focus = d.focusWidget();
    });
    EXPECT_TRUE(still_open);
    EXPECT_EQ(CUserLogon::kCancelled, result);
    EXPECT_EQ(-1, dialog.PersonNo());
    EXPECT_EQ(std::vector<std::string>{c.message}, TakeMessages());
    if (std::string(c.message) == user_texts::kWrongPassword) {
      EXPECT_EQ(Password(dialog), focus);
    }
  }
}

TEST_F(UserLogonTest, EnterInThePasswordFieldLogsIn) {
  CUserLogon dialog;
  const int result = Run(dialog, [&](CUserLogon& d) {
    Enter(d, "张三", "abc");
    Password(d)->setFocus();
    QTest::keyClick(Password(d), Qt::Key_Return);
  });
  EXPECT_EQ(CUserLogon::kLoggedIn, result);
  EXPECT_EQ(zhang_, dialog.PersonNo());
  EXPECT_FALSE(dialog.Demo());
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(UserLogonTest, DemonstrationBoxRefillsTheList) {
  CUserLogon dialog;
  QStringList own, demo, own_again;
  int open_while_ticked = -1;
  const int result = Run(dialog, [&](CUserLogon& d) {
    own = Names(d);
    auto* box = d.findChild<QCheckBox*>("demoBox");
    QTest::mouseClick(box, Qt::LeftButton);
    demo = Names(d);
    QTest::mouseClick(box, Qt::LeftButton);
    own_again = Names(d);
    QTest::mouseClick(box, Qt::LeftButton);
    open_while_ticked = Database::CurrentDatabase();
    Enter(d, "妈妈", "");
    ClickLogin(d);
  });
  EXPECT_EQ((QStringList{"管理员", "张三", "李四"}), own);
  EXPECT_EQ((QStringList{"爸爸", "妈妈", "小明"}), demo);
  EXPECT_EQ(own, own_again);
  EXPECT_EQ(Database::kDemoData, open_while_ticked);
  EXPECT_EQ(CUserLogon::kLoggedIn, result);
  EXPECT_TRUE(dialog.Demo());
  EXPECT_EQ(2, dialog.PersonNo());
}

TEST_F(UserLogonTest, ADataSetOfANewerProgramIsRefusedBeforeTheLogin) {
  ASSERT_EQ(1, Database::OpenDatabase(Database::kDemoData));
  ASSERT_EQ(1, Database::Execute(Database::LoadStatement(398), {EncodeVersion(ProgramVersion() + 1)}));
  CUserLogon dialog;
  QStringList demo;
  const int result = Run(dialog, [&](CUserLogon& d) {
    QTest::mouseClick(d.findChild<QCheckBox*>("demoBox"), Qt::LeftButton);
    demo = Names(d);
    Enter(d, "爸爸", "");
    ClickLogin(d);
  });
  EXPECT_TRUE(demo.isEmpty());
  EXPECT_EQ(CUserLogon::kCancelled, result);
  const std::vector<std::string> messages = TakeMessages();
  ASSERT_EQ(1u, messages.size());
  EXPECT_NE(std::string::npos, messages[0].find("高于本程序的版本"));
}

TEST_F(UserLogonTest, RemembersTheUserChosenLast) {
  {
    CUserLogon first;
    int shown_index = -1;
    Run(first, [&](CUserLogon& d) {
      shown_index = Users(d)->currentIndex();
      Users(d)->setCurrentIndex(2);
    });
    EXPECT_EQ(0, shown_index);  // first start: the first user
  }
  EXPECT_EQ(2, settings::GetNumber("", "TypeUser"));
  CUserLogon second;
  QString shown;
  Run(second, [&](CUserLogon& d) { shown = Users(d)->currentText(); });
  EXPECT_EQ("李四", shown);
}

TEST_F(UserLogonTest, HelpAndExit) {
  CUserLogon dialog;
  const int result = Run(dialog, [&](CUserLogon& d) {
    QTest::mouseClick(d.findChild<QToolButton*>("helpButton"), Qt::LeftButton);
    QTest::mouseClick(d.findChild<QPushButton*>("exitButton"), Qt::LeftButton);
  });
  EXPECT_EQ(CUserLogon::kCancelled, result);
  EXPECT_EQ(std::vector<std::string>{user_texts::kLoginHelp}, TakeMessages());
}

}  // namespace
}  // namespace cw
