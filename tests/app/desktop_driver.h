#pragma once
// Steps a person takes in the desktop program, shared by the end-to-end test
// and the screenshot tour. Each returns the steps for one modal dialog, to be
// armed with OnModal before the action that opens it.
#include <QString>
#include <functional>
#include <string>

namespace cw {
class CUserLogon;
class CUserInput;
class CDailyNote;
class UserManagementPage;
}  // namespace cw

namespace cw::testing {

// Creates both data sets in `home` and gives demonstration user `person_no`
// the password `password`, through the library as an earlier session would.
bool PrepareDemoUserPassword(const std::string& home, int person_no, const std::string& password);

// Fills the login dialog: the demonstration box as `demo`, the user, the
// password (ASCII: typed key by key); `before_enter` runs with everything typed (a screenshot), then
// Enter is pressed in the password field.
std::function<void(CUserLogon*)> LogIn(const QString& user, const QString& password, bool demo,
                                       std::function<void()> before_enter = {});

// Fills "增加用户" with a name and a password (ASCII: typed key by key) and
// presses 确定.
std::function<void(CUserInput*)> FillNewUser(const QString& name, const QString& password);

// Closes the tip of the day.
std::function<void(CDailyNote*)> CloseDailyNote();

// The rows of the user-management page's grid.
int UserRows(const UserManagementPage* page);

// Processes events for `ms` milliseconds, so that windows are painted.
void Settle(int ms);

}  // namespace cw::testing
