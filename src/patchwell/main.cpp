// Patchwell: the updater. Downloads a newer version from the update server,
// checks it, closes the running desktop program, replaces the installed files
// and hands its own file to Relaymate.
#include <QApplication>
#include <cstdio>

#include "base/data_home_choice.h"
#include "base/prompter.h"
#include "core/settings.h"
#include "home/resource_path.h"
#include "patchwell/patchwell_dlg.h"
#include "patchwell/patchwell_options.h"
#include "patchwell/run_settings.h"
#include "store/database.h"
#include "ui/operate_prompt.h"

namespace {

// --yes: every question is answered Yes; messages go to stderr.
class UnattendedPrompter final : public cw::Prompter {
 public:
  void Inform(const std::string& text, const std::string&, cw::PromptStyle) override {
    std::fprintf(stderr, "patchwell: %s\n", text.c_str());
  }
  bool Ask(const std::string&, const std::string&) override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  const cw::patchwell::PatchwellOptions options =
      cw::patchwell::ParsePatchwellOptions(std::vector<std::string>(argv + 1, argv + argc));
  // --yes asks nothing, so it also runs where there is no screen (a script on a server).
  if (options.yes && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Patchwell");
  if (!options.error.empty()) {
    std::fprintf(stderr,
                 "patchwell: %s\nusage: patchwell [start] [--server URL] [--install-dir DIR] [--home DIR] [--yes]\n",
                 options.error.c_str());
    return 2;
  }

  std::vector<std::string> home_arguments{"patchwell"};
  if (!options.home.empty()) home_arguments.insert(home_arguments.end(), {"--home", options.home});
  const cw::DataHomeChoice home = cw::ChooseDataHome(home_arguments, cw::ProcessEnvironmentValue);
  if (!home.error.empty()) {
    std::fprintf(stderr, "patchwell: %s\n", home.error.c_str());
    return 2;
  }
  // Relaymate and the desktop program it starts again use the same data home.
  qputenv("COINWRIGHT_HOME", QByteArray::fromStdString(home.folder));
  cw::Database::SetDataHome(home.folder);

  QApplication::setWindowIcon(QIcon(QString::fromStdString(cw::ResourcePath("coinwright.svg"))));
  UnattendedPrompter unattended;
  cw::DialogPrompter dialogs;
  cw::SetPrompter(options.yes ? static_cast<cw::Prompter*>(&unattended) : &dialogs);

  cw::patchwell::CPatchwellDlg dialog(cw::patchwell::ReadRunSettings(options), QString::fromStdString(home.folder),
                                      options.yes);
  dialog.show();
  if (options.start) dialog.StartRun();
  dialog.exec();
  cw::SetPrompter(nullptr);
  return dialog.LastResult();
}
