#include "desktop_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "app/coinwright_app.h"
#include "app/main_frame.h"
#include "app/user_logon.h"
#include "bookkeeping/accounts/ui/item_input_easy.h"
#include "bookkeeping/booking/ui/charge_up.h"
#include "bookkeeping/booking/ui/item_wnd.h"
#include "bookkeeping/booking/ui/select_chargeup.h"
#include "bookkeeping/booking/ui/select_item_wnd.h"
#include "controls/list_wnd.h"
#include "core/settings.h"
#include "core/data_sets.h"
#include "frame/app_commands.h"
#include "frame/hm_ctrl_wnd.h"
#include "frame/navigation_bar.h"
#include "home/ui/daily_note.h"
#include "prefs/ui/interface_settings_dialog.h"
#include "prefs/ui/user_input_dialog.h"
#include "prefs/ui/user_management_page.h"
#include "prefs/user_admin.h"
#include "reports/ui/select_detail_scope.h"
#include "store/database.h"
#include "support/modal_driver.h"
#include "ui/operate_prompt.h"

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

std::function<void(CInterfaceSettingsDlg*)> ChooseLook(const QString& theme, int font_type, const QString& greeting,
                                                       std::function<void()> before_ok) {
  return [=](CInterfaceSettingsDlg* dialog) {
    auto* themes = dialog->findChild<QListWidget*>("themeList");
    const QList<QListWidgetItem*> found = themes->findItems(theme, Qt::MatchExactly);
    if (!found.isEmpty()) themes->setCurrentItem(found.front());
    QTest::mouseClick(dialog->findChild<QRadioButton*>(QString("fontSize%1").arg(font_type)), Qt::LeftButton);
    dialog->findChild<QLineEdit*>("greeting")->setText(greeting);
    if (before_ok) before_ok();
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

std::function<void(CDailyNote*)> CloseDailyNote() {
  return [](CDailyNote* dialog) { dialog->accept(); };
}

CMainFrame* StartDesktop(CCoinwrightApp& app, const QString& home, const Login& login, int page) {
  bool logged_in = false, tip_closed = false;
  OnModal<CUserLogon>(LogIn(login.user, login.password, login.demo, login.before_enter), &logged_in);
  OnModal<CDailyNote>(CloseDailyNote(), &tip_closed);
  if (!app.InitInstance({"coinwright", "--home", home}) || !logged_in || !app.MainFrame()) {
    std::fprintf(stderr, "the program did not start with %s logged in\n", qPrintable(login.user));
    return nullptr;
  }
  // The tip opens over the home page once the frame is up.
  if (!QTest::qWaitFor([&] { return tip_closed; }, 10000)) {
    std::fprintf(stderr, "no tip of the day after the login\n");
    return nullptr;
  }
  if (page != 0 && !ShowPage(app.MainFrame(), page)) return nullptr;
  return app.MainFrame();
}

bool LogInAgain(CMainFrame* frame, const Login& login, int person_no) {
  settings::SetNumber(settings::UserKey(person_no), "HideDailyNote", 1);
  bool logged_in = false;
  OnModal<CUserLogon>(LogIn(login.user, login.password, login.demo, login.before_enter), &logged_in);
  frame->MenuAction(cmd::kRelogin)->trigger();
  return logged_in && frame->Profile().person_no == person_no;
}

bool ShowPage(CMainFrame* frame, int page) {
  frame->MenuAction(page)->trigger();
  if (frame->CurrentPage() == page) return true;
  std::fprintf(stderr, "page %d not shown\n", page);
  return false;
}

std::function<void(COperatePrompt*)> Answer(bool yes, QString* text) {
  return [=](COperatePrompt* prompt) {
    if (text) *text = prompt->findChild<QLabel*>("promptText")->text();
    if (yes)
      prompt->accept();
    else
      prompt->reject();
  };
}

int UserRows(const UserManagementPage* page) { return page->Grid()->Model().RowCount(); }

void Settle(int ms) { QTest::qWait(ms); }

QString ScreenshotFolder(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return {};
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  return folder;
}

bool Screenshot(const QString& folder, const char* name) {
  Settle(700);
  const QString path = QDir(folder).filePath(QString(name) + ".png");
  if (QProcess::execute("import", {"-window", "root", path}) != 0) {
    std::fprintf(stderr, "screenshot %s failed\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// ---- Bookkeeping

bool ClickNavigation(CMainFrame* frame, const QString& text) {
  QAbstractButton* item = nullptr;
  // The module builds its bar after the event that showed the page.
  const bool found = QTest::qWaitFor(
      [&] {
        item = nullptr;
        if (!frame->Module() || !frame->Module()->Navigation()) return false;
        for (QAbstractButton* button : frame->Module()->Navigation()->findChildren<QAbstractButton*>("navigationItem"))
          if (button->text() == text && button->isEnabled() && button->isVisible()) item = button;
        return item != nullptr;
      },
      5000);
  if (!found) return false;
  QTest::mouseClick(item, Qt::LeftButton);
  return true;
}

bool PickAccount(CSelectItemWnd* picker, const QString& code) {
  int index = -1;
  for (int i = 0; i < picker->Count() && index < 0; ++i)
    if (picker->Code(i) == code) index = i;
  if (index < 0) {
    std::fprintf(stderr, "picker %s does not list account %s\n", qPrintable(picker->objectName()), qPrintable(code));
    return false;
  }
  QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(10, picker->height() / 2));
  if (!picker->IsListShown()) return false;
  CItemListWnd* list = picker->ListWindow()->List();
  list->scrollToItem(list->item(index));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
  return !picker->IsListShown() && picker->Code() == code;
}

std::function<void(CChargeUp*)> Book(const BookingEntry& entry, std::function<void()> before_save) {
  return [=](CChargeUp* dialog) {
    if (auto* option = dialog->findChild<QRadioButton*>(QString("kind%1").arg(entry.option)))
      QTest::mouseClick(option, Qt::LeftButton);
    for (std::size_t i = 0; i < entry.accounts.size(); ++i) {
      auto* picker = dialog->findChild<CSelectItemWnd*>(QString("picker%1").arg(i));
      if (!PickAccount(picker, entry.accounts[i]))
        std::fprintf(stderr, "could not choose account %s\n", qPrintable(entry.accounts[i]));
    }
    QTest::keyClicks(dialog->findChild<QLineEdit*>("amount1"), entry.amount1);
    if (!entry.amount2.isEmpty()) QTest::keyClicks(dialog->findChild<QLineEdit*>("amount2"), entry.amount2);
    if (!entry.deposit_type.isEmpty()) {
      auto* types = dialog->findChild<QComboBox*>("depositType");
      types->setCurrentIndex(types->findText(entry.deposit_type));
    }
    dialog->findChild<QLineEdit*>("description")->setText(entry.description);
    if (before_save) before_save();
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

bool BookOnPage(CMainFrame* frame, const BookingEntry& entry) {
  bool booked = false;
  OnModal<CChargeUp>(Book(entry), &booked);
  frame->ToolbarAction(cmd::kAdd)->trigger();
  return booked && QApplication::activeModalWidget() == nullptr;
}

std::function<void(CItemInputEasy*)> NameAccount(const QString& name) {
  return [=](CItemInputEasy* dialog) {
    dialog->findChild<QLineEdit*>("name")->setText(name);
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

std::function<void(CSelectChargeup*)> SearchText(const QString& text) {
  return [=](CSelectChargeup* dialog) {
    QTest::mouseClick(dialog->findChild<QCheckBox*>("textOn"), Qt::LeftButton);
    dialog->findChild<QLineEdit*>("text")->setText(text);
    QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
  };
}

void ClickCell(CListWnd* grid, int row, int column) {
  grid->EnsureRowVisible(row);
  QTest::mouseClick(grid->Body(), Qt::LeftButton, {}, grid->CellRect(row, column).center());
}

void TypeIntoCell(CListWnd* grid, int row, int column, const QString& text) {
  ClickCell(grid, row, column);
  QLineEdit* editor = grid->Editor();
  if (!editor || !editor->isVisible()) {
    std::fprintf(stderr, "no editor on cell %d,%d\n", row, column);
    return;
  }
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

std::vector<std::string> GridRows(const GridModel& table, const std::vector<std::string>& titles) {
  std::vector<int> columns;
  for (const std::string& title : titles) {
    int found = -1;
    for (int c = 0; c < table.ColumnCount() && found < 0; ++c)
      if (table.Column(c).title == title) found = c;
    columns.push_back(found);
  }
  std::vector<std::string> rows;
  for (int r = 0; r < table.RowCount(); ++r) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) text += "|";
      text += columns[i] < 0 ? "?" : table.Cell(r, columns[i]);
    }
    rows.push_back(text);
  }
  return rows;
}

int RowWhere(const GridModel& table, const std::string& title, const std::string& text) {
  for (int c = 0; c < table.ColumnCount(); ++c) {
    if (table.Column(c).title != title) continue;
    for (int r = 0; r < table.RowCount(); ++r)
      if (table.Cell(r, c) == text) return r;
  }
  return -1;
}

// ---- Output

std::function<void(CSelectDetailScope*)> ChooseMonths(const QDate& first, const QDate& last) {
  return [=](CSelectDetailScope* scope) {
    scope->StartEdit()->setDate(first);
    scope->EndEdit()->setDate(last);
    scope->accept();
  };
}

std::function<void(QPrintDialog*)> PrintToPdf(const QString& pdf, std::function<void()> before_print) {
  return [=](QPrintDialog* dialog) {
    // Qt's dialog lists the file printer after the system's printers.
    auto* printers = dialog->findChild<QComboBox*>("printers");
    auto* file = dialog->findChild<QLineEdit*>("filename");
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (!printers || !file || !buttons) {
      std::fprintf(stderr, "the print dialog has no printer list, file name or buttons\n");
      dialog->reject();
      return;
    }
    printers->setCurrentIndex(printers->count() - 1);
    file->setText(pdf);
    if (before_print) before_print();
    buttons->button(QDialogButtonBox::Ok)->click();
  };
}

std::function<void(QPrintDialog*)> Preview(std::function<void(QPrintPreviewDialog*)> in_preview) {
  return [=](QPrintDialog* dialog) {
    OnModal<QPrintPreviewDialog>([=](QPrintPreviewDialog* preview) {
      in_preview(preview);
      preview->reject();
    });
    dialog->findChild<QPushButton*>("previewButton")->click();
  };
}

}  // namespace cw::testing
