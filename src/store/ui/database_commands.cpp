#include "store/ui/database_commands.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>

#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/backup_copies.h"
#include "core/backup_settings.h"
#include "core/exit_sequence.h"
#include "store/database.h"
#include "store/ui/manual_backup_db.h"

namespace cw {
namespace {

constexpr char kFilter[] = "数据库文件 (*.db)";

std::string NativeChooser(QWidget* parent, const std::string& title, const std::string& proposed, bool save) {
  const QString path = save ? QFileDialog::getSaveFileName(parent, QString::fromStdString(title),
                                                           QString::fromStdString(proposed), kFilter)
                            : QFileDialog::getOpenFileName(parent, QString::fromStdString(title),
                                                           QString::fromStdString(proposed), kFilter);
  return path.toStdString();
}

FileChooser& Chooser() {
  static FileChooser chooser;
  return chooser;
}

std::string Choose(QWidget* parent, const std::string& title, const std::string& proposed, bool save) {
  return Chooser() ? Chooser()(parent, title, proposed, save) : NativeChooser(parent, title, proposed, save);
}

}  // namespace

void SetFileChooser(FileChooser chooser) { Chooser() = std::move(chooser); }

bool ManualBackup(QWidget* parent) {
  const std::string path = Choose(parent, "备份数据库", DefaultManualBackupPath(Now()), true);
  return !path.empty() && ManualBackupTo(path);
}

bool RestoreWithDialogs(QWidget* parent) {
  if (!CurrentPrompter().Ask("还原数据库后将用所选择的数据库替换当前使用的\n数据库，您最近录入的数据将丢失。\n\n"
                             "确实要还原数据库吗？")) {
    return false;
  }
  const std::string path = Choose(parent, "还原数据库", DefaultBackupFolder(), false);
  return !path.empty() && RestoreDataSet(path, Now()) == RestoreOutcome::kRestored;
}

bool CompactWithProgress(QWidget* parent) {
  // The rewrite gives no measure of its progress: the bar runs without an end.
  QProgressDialog progress("正在压缩数据库，请稍候……", QString(), 0, 0, parent);
  progress.setWindowTitle("压缩数据库");
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  progress.setObjectName("compactProgress");
  progress.show();
  QApplication::processEvents();
  // Only painting and timers run meanwhile: input would reach windows that
  // must not touch the data set while it is rewritten.
  return CompactDataSet([] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
}

void RunDesktopExitSequence(QWidget* parent) {
  ExitHooks hooks;
  hooks.compact = [parent] { return CompactWithProgress(parent); };
  hooks.remind = [parent](int interval, int days) {
    CManualBackupDB dialog(interval, days, parent);
    dialog.exec();
    return dialog.Interval();
  };
  RunExitSequence(Now(), hooks);
}

}  // namespace cw
