// The user dialog, the password dialog and the user-management page, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/list_wnd.h"
#include "core/session.h"
#include "prefs/login.h"
#include "prefs/ui/change_password_dialog.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/ui/user_management_page.h"
#include "prefs/user_records.h"
#include "prefs/user_texts.h"
#include "users_fixture.h"

namespace cw::testing {
namespace {

class DialogsTest : public UsersTest {
 protected:
  template <typename T>
  static T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(nullptr, child) << name;
    return child;
  }
  static void PressOk(QWidget& dialog) { Child<QPushButton>(dialog, "ok")->click(); }
  // Shows the dialog so that the focus can move inside it.
  static void Open(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
  }
};

TEST_F(DialogsTest, PasswordDialogRefusesMismatchAndWrongOldPassword) {
  const int user = Add("张三", "old");
  CChangePW dialog(user);
  Open(dialog);
  auto* old_edit = Child<QLineEdit>(dialog, "oldPassword");
  auto* new_edit = Child<QLineEdit>(dialog, "newPassword");
  auto* confirm_edit = Child<QLineEdit>(dialog, "confirmPassword");

  old_edit->setText("old");
  new_edit->setText("甲乙");
  confirm_edit->setText("甲丙");
  PressOk(dialog);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(user_texts::kNewPasswordMismatch, prompter_.shown[0].text);
  EXPECT_EQ("操作错误", prompter_.shown[0].caption);
  EXPECT_EQ(new_edit, dialog.focusWidget());

  old_edit->setText("wrong");
  confirm_edit->setText("甲乙");
  PressOk(dialog);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(user_texts::kOldPasswordWrong, prompter_.shown.back().text);
  EXPECT_EQ(old_edit, dialog.focusWidget());
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "old").result);

  old_edit->setText("old");
  PressOk(dialog);
  EXPECT_EQ(QDialog::Accepted, dialog.result());
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "甲乙").result);
}

TEST_F(DialogsTest, NewUserDialogRefusesEmptyNameThenAdds) {
  CUserInput dialog;
  Open(dialog);
  EXPECT_EQ("增加用户", dialog.windowTitle());
  auto* name = Child<QLineEdit>(dialog, "name");
  EXPECT_TRUE(Child<QRadioButton>(dialog, "active")->isChecked());
  EXPECT_EQ(Rights::All(), dialog.Input().rights);

  PressOk(dialog);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(user_texts::kNameMissing, prompter_.shown[0].text);
  EXPECT_EQ(name, dialog.focusWidget());
  EXPECT_EQ(1u, ListUsers().size());

  name->setText("管理员");
  PressOk(dialog);
  EXPECT_EQ(user_texts::kNameTaken, prompter_.shown.back().text);

  name->setText("张三");
  Child<QLineEdit>(dialog, "password")->setText("pw");
  Child<QCheckBox>(dialog, "right4")->setChecked(false);
  PressOk(dialog);
  EXPECT_EQ(QDialog::Accepted, dialog.result());
  ASSERT_NE(0, dialog.PersonNo());
  EXPECT_FALSE(ReadRights(dialog.PersonNo()).system_set);
  EXPECT_EQ(LoginResult::kOk, CheckLogin("张三", "pw").result);
}

TEST_F(DialogsTest, ChangingAnAdministratorHasNoPasswordAndGreysStateAndRights) {
  const int user = Add("张三", "", /*state=*/1);
  struct Case {
    int person_no;
    bool editable;
  } cases[] = {{1, false}, {user, true}};
  for (const Case& c : cases) {
    CUserInput dialog(c.person_no);
    EXPECT_EQ("修改用户资料", dialog.windowTitle());
    EXPECT_EQ(nullptr, dialog.findChild<QLineEdit*>("password"));
    EXPECT_EQ(FindUserByNumber(c.person_no)->name, dialog.Input().name);
    EXPECT_EQ(c.editable, Child<QRadioButton>(dialog, "frozen")->isEnabled());
    EXPECT_EQ(c.editable, Child<QCheckBox>(dialog, "right0")->isEnabled());
  }
  CUserInput dialog(user);
  EXPECT_TRUE(Child<QRadioButton>(dialog, "frozen")->isChecked());
}

TEST_F(DialogsTest, PageShowsUsersAndDeletesTickedRows) {
  const int zhang = Add("张三");
  Add("李四");
  UserManagementPage page;
  GridModel& table = page.Grid()->Model();
  ASSERT_EQ(3, table.RowCount());
  EXPECT_EQ("张三", table.Cell(1, 0));

  // Nothing ticked: told so, nothing asked.
  EXPECT_TRUE(page.RunCommand(UserManagementPage::kDeleteTicked));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(user_texts::kNothingTicked, prompter_.shown[0].text);

  table.SetChecked(0, true);  // the administrator stays
  table.SetChecked(1, true);
  prompter_.answers = {true};
  page.DeleteTicked();
  ASSERT_EQ(2, table.RowCount());
  EXPECT_EQ(RowKey(1), table.Key(0));
  EXPECT_EQ("李四", table.Cell(1, 0));
  EXPECT_FALSE(FindUserByNumber(zhang));
  EXPECT_EQ(user_texts::kKeepAdministrator, prompter_.shown.back().text);
}

TEST_F(DialogsTest, PageKeepsItsColumnWidthsAndSortForTheNextVisit) {
  Add("张三");
  Add("李四");
  // Stored for a user of its own, so that other tests keep the default order.
  SetLoggedInPerson(99);
  {
    UserManagementPage page;
    page.Grid()->Model().SetColumnWidth(3, 300);
    page.Grid()->Model().EnableSort(0, false);
  }
  {
    UserManagementPage page;
    const GridModel& table = page.Grid()->Model();
    EXPECT_EQ(300, table.Column(3).width);
    EXPECT_TRUE(table.SortEnabled());
    EXPECT_EQ(0, table.SortColumn());
    EXPECT_FALSE(table.Ascending());
  }
  SetLoggedInPerson(1);
}

TEST_F(DialogsTest, ContextMenuDeletesTheRowUnderTheMouse) {
  Add("张三");
  Add("李四");
  UserManagementPage page;
  page.resize(800, 400);
  page.show();
  CListWnd* grid = page.Grid();
  // Opens the context menu at `position` of the body and picks "删除".
  auto delete_at = [&](QPoint position) {
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(nullptr, menu);
      for (QAction* action : menu->actions())
        if (action->text() == "删除") action->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, grid->Body()->mapToGlobal(position));
    QApplication::sendEvent(grid->Body(), &event);
  };

  delete_at(QPoint(5, grid->Body()->height() - 2));  // below the rows
  EXPECT_EQ(-1, grid->SelectedRow());
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ(user_texts::kNoRowSelected, prompter_.shown[0].text);

  prompter_.answers = {true};
  delete_at(grid->CellRect(2, 0).center());
  EXPECT_EQ(2, grid->Model().RowCount());
  EXPECT_FALSE(FindUserByName("李四"));
  EXPECT_TRUE(FindUserByName("张三"));
}

}  // namespace
}  // namespace cw::testing
