#include "app/coinwright_app.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <cstdio>

#include "base/data_home_choice.h"
#include "app/main_frame.h"
#include "app/single_instance.h"
#include "app/user_logon.h"
#include "base/prompter.h"
#include "core/data_sets.h"
#include "frame/app_commands.h"
#include "home/resource_path.h"
#include "store/database.h"
#include "store/private_files.h"
#include "store/ui/db_upgrade.h"
#include "ui/operate_prompt.h"

namespace cw {

CCoinwrightApp::CCoinwrightApp() = default;

CCoinwrightApp::~CCoinwrightApp() {
  if (prompter_) SetPrompter(nullptr);
}

bool CCoinwrightApp::InitInstance(const QStringList& arguments) {
  std::vector<std::string> args;
  for (const QString& argument : arguments) args.push_back(argument.toStdString());
  const DataHomeChoice home = ChooseDataHome(args, ProcessEnvironmentValue);
  std::string made;
  if (!home.error.empty() || !MakePrivateFolder(home.folder, &made)) {
    std::fprintf(stderr, "coinwright: %s\n",
                 home.error.empty() ? ("cannot create the data home " + home.folder + ": " + made).c_str()
                                    : home.error.c_str());
    exit_code_ = 2;
    return false;
  }

  instance_ = std::make_unique<SingleInstance>(QString::fromStdString(home.folder));
  if (!instance_->Acquire()) return false;  // the running copy has been brought forward
  connect(instance_.get(), &SingleInstance::MessageReceived, this, &CCoinwrightApp::OnMessage);

  SetUpLook();
  prompter_ = std::make_unique<DialogPrompter>();
  SetPrompter(prompter_.get());
  static DesktopUpgradeQuestions upgrade_questions;  // the data sets opened from here on may ask
  SetUpgradeQuestions(&upgrade_questions);

  Database::SetDataHome(home.folder);
  if (!EnsureDataSets()) {
    exit_code_ = 1;
    return false;
  }

  // Closing the login dialog must not end the program before the frame exists.
  const bool quit_on_close = QApplication::quitOnLastWindowClosed();
  QApplication::setQuitOnLastWindowClosed(false);
  CUserLogon logon;
  const int result = logon.DoModal();
  QApplication::setQuitOnLastWindowClosed(quit_on_close);
  if (result != CUserLogon::kLoggedIn) return false;

  frame_ = std::make_unique<CMainFrame>(logon.Demo(), logon.PersonNo());
  if (!frame_->Create()) {
    frame_.reset();
    Database::CloseDatabase();
    exit_code_ = 1;
    return false;
  }
  frame_->ShowPlaced();
  return true;
}

int CCoinwrightApp::ExitInstance(int code) {
  frame_.reset();
  if (prompter_) {
    SetPrompter(nullptr);
    prompter_.reset();
  }
  return code;
}

void CCoinwrightApp::SetUpLook() {
  // Without explicit families Qt may take the Japanese face of Noto CJK.
  QFont font = QApplication::font();
  font.setFamilies({"Noto Sans CJK SC", "WenQuanYi Zen Hei"});
  QApplication::setFont(font);
  if (translator_.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator_);
  // Every window, the frame and each dialog, shows the program's icon.
  QApplication::setWindowIcon(QIcon(QString::fromStdString(ResourcePath("coinwright.svg"))));
}

void CCoinwrightApp::OnMessage(int message) {
  if (message == cmd::kCloseForUpdate) {
    CloseForUpdate();
    return;
  }
  if (message != cmd::kBringToFront) return;
  if (frame_) {
    frame_->BringToFront();
  } else if (QWidget* window = QApplication::activeModalWidget()) {
    window->raise();
    window->activateWindow();
  }
}

void CCoinwrightApp::CloseForUpdate() {
  if (closing_for_update_) return;
  closing_for_update_ = true;
  // A dialog closed here may lead its caller to show another (a message), and
  // the exit itself may report a backup problem: the timer keeps closing
  // whatever dialog is up until the program has ended.
  auto* closer = new QTimer(this);
  connect(closer, &QTimer::timeout, this, [this] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    } else if (frame_ && frame_->isVisible()) {
      frame_->CloseForUpdate();
    }
  });
  closer->start(50);
}

}  // namespace cw
