#include "app/update_launch.h"

#include <QProcess>

#include "base/prompter.h"
#include "store/database.h"

namespace cw {

bool StartUpdater(const std::filesystem::path& program) {
  QProcess updater;
  updater.setProgram(QString::fromStdString(program.string()));
  updater.setArguments({"start"});
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("COINWRIGHT_HOME", QString::fromStdString(Database::DataHome()));
  updater.setProcessEnvironment(environment);
  if (updater.startDetached()) return true;
  CurrentPrompter().Inform("无法启动升级程序：\n" + updater.program().toStdString(), "软件升级", PromptStyle::Error);
  return false;
}

}  // namespace cw
