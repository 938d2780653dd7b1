#include "desktop_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/user_logon.h"
#include "controls/list_wnd.h"
#include "core/data_sets.h"
#include "home/ui/daily_note.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/ui/user_management_page.h"
#include "prefs/user_admin.h"
#include "store/database.h"

namespace cw::testing {

bool PrepareDemoUserPassword(const std::string& home, int person_no, const std::string& password) {
  Database::SetDataHome(home);
  if (!EnsureDataSets() || !Database::OpenDatabase(Database::kDemoData)) return false;
  const bool ok = ChangePassword(person_no, "", password, password).ok;
  Database::CloseDatabase();
  return ok;
}

std::function<void(CUserLogon*)> LogIn(const QString& user, const QString& password, bool demo,
                                       std::function<void()> before_enter) {
  return [=](CUserLogon* dialog) {
    auto* box = dialog->findChild<QCheckBox*>("demoBox");
    if (box->isChecked() != demo) QTest::mouseClick(box, Qt::LeftButton);
    dialog->findChild<QComboBox*>("userList")->setCurrentText(user);
    auto* field = dialog->findChild<QLineEdit*>("password");
    field->setFocus();
    QTest::keyClicks(field, password);
    if (before_enter) before_enter();
    QTest::keyClick(field, Qt::Key_Return);
  };
}

std::function<void(CUserInput*)> FillNewUser(const QString& name, const QString& password) {
  return [=](CUserInput* dialog) {
    // Chinese text comes from an input method, not from key clicks.
    dialog->findChild<QLineEdit*>("name")->setText(name);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("password"), password);
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

std::function<void(CDailyNote*)> CloseDailyNote() {
  return [](CDailyNote* dialog) { dialog->accept(); };
}

int UserRows(const UserManagementPage* page) { return page->Grid()->Model().RowCount(); }

void Settle(int ms) { QTest::qWait(ms); }

}  // namespace cw::testing
