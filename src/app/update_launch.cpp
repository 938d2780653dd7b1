#include "app/update_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "base/prompter.h"
#include "store/database.h"

namespace cw {
namespace {

QString UpdaterProgram() {
  const QDir own(QCoreApplication::applicationDirPath());
  for (const char* candidate : {"patchwell", "../patchwell/patchwell"}) {
    const QString path = QDir::cleanPath(own.filePath(candidate));
    if (QFileInfo(path).isExecutable()) return path;
  }
  return own.filePath("patchwell");
}

}  // namespace

bool StartUpdater() {
  QProcess updater;
  updater.setProgram(UpdaterProgram());
  updater.setArguments({"start"});
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("COINWRIGHT_HOME", QString::fromStdString(Database::DataHome()));
  updater.setProcessEnvironment(environment);
  if (updater.startDetached()) return true;
  CurrentPrompter().Inform("无法启动升级程序：\n" + updater.program().toStdString(), "软件升级", PromptStyle::Error);
  return false;
}

}  // namespace cw
