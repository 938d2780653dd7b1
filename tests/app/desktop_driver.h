#pragma once
// Steps a person takes in the desktop program, shared by the end-to-end test
// and the screenshot tour. Each returns the steps for one modal dialog, to be
// armed with OnModal before the action that opens it.
#include <QDate>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPrintDialog;
class QPrintPreviewDialog;

namespace cw {
class CCoinwrightApp;
class CChargeUp;
class CDailyNote;
class CInterfaceSettingsDlg;
class CItemInputEasy;
class CListWnd;
class CMainFrame;
class COperatePrompt;
class CSelectChargeup;
class CSelectDetailScope;
class CSelectItemWnd;
class CUserLogon;
class CUserInput;
class GridModel;
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

// Chooses in "界面设置" the theme named `theme`, the font size `font_type`
// (0 "小", 1 "中", 2 "大") and the greeting; `before_ok` runs with everything
// chosen (a screenshot), then 确定 is pressed.
std::function<void(CInterfaceSettingsDlg*)> ChooseLook(const QString& theme, int font_type, const QString& greeting,
                                                       std::function<void()> before_ok = {});

// Closes the tip of the day.
std::function<void(CDailyNote*)> CloseDailyNote();

// Who logs in, and where.
struct Login {
  QString user;
  QString password{};
  bool demo = false;                      // the demonstration data set
  std::function<void()> before_enter{};   // runs with everything typed (a screenshot)
};

// Starts the desktop program on the data home `home`, logs in with `login`,
// waits for the tip of the day and closes it, and shows `page` from the menus
// when it is not 0. Dialogs the login brings up besides the tip (an upgrade's
// questions, scheduled bookings) are armed by the caller beforehand. The main
// frame, or null when a step failed (said on stderr).
CMainFrame* StartDesktop(CCoinwrightApp& app, const QString& home, const Login& login, int page = 0);

// Logs in again through "重新登录" as `login`, who is user `person_no`; his tip
// of the day is switched off first. False unless the frame then belongs to him.
bool LogInAgain(CMainFrame* frame, const Login& login, int person_no);

// Shows `page` from the menus; false when the frame did not show it.
bool ShowPage(CMainFrame* frame, int page);

// Answers the next message: its text goes to *text, then 是/确定 (`yes`) or 否
// is pressed.
std::function<void(COperatePrompt*)> Answer(bool yes, QString* text = nullptr);

// The rows of the user-management page's grid.
int UserRows(const UserManagementPage* page);

// Processes events for `ms` milliseconds, so that windows are painted.
void Settle(int ms);

// The output folder of a screenshot tour, its one argument, created when
// missing; empty, after a usage line on stderr, when the arguments are wrong.
QString ScreenshotFolder(int argc, char** argv);

// Lets the windows settle, then saves the whole (virtual) screen as
// `folder`/`name`.png with ImageMagick's `import -window root` and prints the
// path; false (with a message on stderr) when that failed.
bool Screenshot(const QString& folder, const char* name);

// ---- Bookkeeping

// Clicks the item titled `text` in the navigation bar of the frame's module,
// waiting for the bar to be built; false when there is no such enabled item.
bool ClickNavigation(CMainFrame* frame, const QString& text);

// Chooses the account `code` in a picker as a person does: a click opens the
// pop-up list, a click on the account's row chooses it. False when the list
// does not hold the account.
bool PickAccount(CSelectItemWnd* picker, const QString& code);

// What a person enters in the booking dialog ("记账"). The date stays today's.
struct BookingEntry {
  int option = 0;                 // "记账类型：" option, 0 the first
  std::vector<QString> accounts{};  // codes for pickers 1 to 3; fewer keep the others' choice
  QString amount1{};
  QString amount2{};
  QString deposit_type{};  // the "存款类型：" entry, for deposits
  QString description{};   // Chinese: set as an input method would
};

// Fills the booking dialog with `entry`; `before_save` runs with everything
// entered (a screenshot), then "保存退出(&O)" is pressed. Problems with the
// accounts are written to stderr; the dialog then refuses or saves what it
// shows, which the caller sees.
std::function<void(CChargeUp*)> Book(const BookingEntry& entry, std::function<void()> before_save = {});

// Books `entry` through "新增" on the page shown; true when the dialog saved
// and closed.
bool BookOnPage(CMainFrame* frame, const BookingEntry& entry);

// Names the new account in "科目录入" and presses 确定.
std::function<void(CItemInputEasy*)> NameAccount(const QString& name);

// Searches for vouchers whose description contains `text` ("记账数据查找").
std::function<void(CSelectChargeup*)> SearchText(const QString& text);

// Clicks a grid cell (column -1: the row's check box).
void ClickCell(CListWnd* grid, int row, int column);
// Clicks a cell, types `text` (ASCII) into the editor it opens and presses Enter.
void TypeIntoCell(CListWnd* grid, int row, int column, const QString& text);

// The rows of a table as "cell|cell|..." with the cells of the columns titled
// `titles`, in that order.
std::vector<std::string> GridRows(const GridModel& table, const std::vector<std::string>& titles);
// The first row whose cell in the column titled `title` is `text`; -1 for none.
int RowWhere(const GridModel& table, const std::string& title, const std::string& text);

// ---- Output

// Chooses the months from `first` to `last` in the range dialog of a detail
// ledger ("选择明细表查询范围", 查找) and presses 确定.
std::function<void(CSelectDetailScope*)> ChooseMonths(const QDate& first, const QDate& last);

// Chooses "Print to File (PDF)" in the print dialog of 打印, names the file
// `pdf` and presses its print button; `before_print` runs with everything
// chosen (a screenshot).
std::function<void(QPrintDialog*)> PrintToPdf(const QString& pdf, std::function<void()> before_print = {});

// Presses "预览(&V)" in the print dialog; `in_preview` runs in the preview,
// which is closed after it.
std::function<void(QPrintDialog*)> Preview(std::function<void(QPrintPreviewDialog*)> in_preview);

}  // namespace cw::testing
