#pragma once
// CCoinwrightApp: the program's start-up and end. InitInstance runs the steps
// from the command line to the shown main frame; the caller then runs the
// event loop and calls ExitInstance.
#include <QObject>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace cw {

class CMainFrame;
class DialogPrompter;
class SingleInstance;

class CCoinwrightApp : public QObject {
  Q_OBJECT
 public:
  CCoinwrightApp();
  ~CCoinwrightApp() override;

  // In this order: the data home (--home DIR, $COINWRIGHT_HOME, the XDG data
  // home); the single-instance check (a second copy signals the first and
  // ends here); fonts, Qt's Chinese texts and the message dialogs; the data
  // sets; the login dialog; the main frame. True when the frame is shown and
  // the event loop should run; otherwise ExitCode() tells how the program ends.
  bool InitInstance(const QStringList& arguments);
  int ExitCode() const { return exit_code_; }
  // After the event loop: removes the message dialogs; returns `code`.
  int ExitInstance(int code);

  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  void SetUpLook();
  void OnMessage(int message);
  // Message 2025 from the updater: every dialog is closed, innermost first,
  // then the main frame (or, before a login, the program simply ends).
  void CloseForUpdate();

  int exit_code_ = 0;
  bool closing_for_update_ = false;
  std::unique_ptr<SingleInstance> instance_;
  std::unique_ptr<DialogPrompter> prompter_;
  QTranslator translator_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace cw
