#include "core/backup_copies.h"

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "calendar/calendar.h"
#include "core/backup_settings.h"
#include "core/schema_version.h"
#include "store/database.h"
#include "store/snapshot.h"

namespace cw {
namespace {

constexpr char kRestoreFailed[] = "数据库还原失败，";
constexpr char kNothingChanged[] = "\n\n当前使用的数据没有改动。";

void ShowError(const std::string& text) { CurrentPrompter().Inform(text, "提示", PromptStyle::Error); }

}  // namespace

bool ManualBackupTo(const std::string& path) {
  if (SameFile(path, Database::FilePath(Database::CurrentDatabase()))) {
    ShowError("数据库备份失败，您所选择的文件为系统当前使用的数据库。\n\n请输入其他文件名。");
    return false;
  }
  std::string error;
  if (!WriteSnapshot(path, &error)) {
    ShowError(StrFormat("数据库备份失败！\n\n错误信息:%s。", error.c_str()));
    return false;
  }
  return true;
}

std::string WriteSafetyCopy(const std::string& label, std::string* error) {
  if (!EnsurePrivateFolder(DefaultBackupFolder(), error)) return {};
  std::string path = SafetyCopyPath(label);
  return WriteSnapshot(path, error) ? path : std::string();
}

std::string RefusalText(const RestoreSource& source) {
  std::string why;
  switch (source.refusal) {
    case RestoreRefusal::kNone: return {};
    case RestoreRefusal::kLiveFile:
      return "数据库还原失败，您所选择的文件为系统当前使用的数据库。\n\n请选择其他备份的数据库。";
    case RestoreRefusal::kUnreadable: why = "所选文件不存在或者无法读取。"; break;
    case RestoreRefusal::kNotADataSet:
      why = "所选文件不是本程序的数据库文件，或者不是用本程序的密码加密的。";
      break;
    case RestoreRefusal::kDamaged: why = "所选数据库文件已损坏（" + source.detail + "）。"; break;
    case RestoreRefusal::kNoVersion: why = "所选文件中没有数据库版本记录，不是本程序的数据库文件。"; break;
    case RestoreRefusal::kOtherDataSet:
      why = Database::CurrentDatabase() == Database::kDemoData ? "所选文件不是演示数据库。"
                                                              : "所选文件是演示数据库，不是用户数据库。";
      break;
    case RestoreRefusal::kNewer:
      why = StrFormat("所选数据库的版本(%.2f)高于本程序的版本(%.2f)。", DecodeVersion(source.ver_db), ProgramVersion());
      break;
  }
  return kRestoreFailed + why + kNothingChanged;
}

RestoreOutcome RestoreDataSet(const std::string& path, std::time_t now) {
  const RestoreSource source = CheckRestoreSource(path, EncodeVersion(ProgramVersion()));
  if (source.refusal != RestoreRefusal::kNone) {
    ShowError(RefusalText(source));
    return RestoreOutcome::kRefused;
  }
  std::string error;
  const std::string safety = WriteSafetyCopy("before_restore_" + LocalStamp(now), &error);
  if (safety.empty()) {
    ShowError(StrFormat("数据库还原失败，无法保存当前数据的备份。\n\n错误信息:%s。", error.c_str()) + kNothingChanged);
    return RestoreOutcome::kRefused;
  }
  if (!CopyIntoLive(path, &error)) {
    ShowError(StrFormat("数据库还原失败！\n\n错误信息:%s。", error.c_str()) + kNothingChanged);
    return RestoreOutcome::kRefused;
  }
  // Opened again, so that every cache reloads and the copy's version is checked.
  const int which = Database::CurrentDatabase();
  Database::CloseDatabase();
  const bool usable = Database::OpenDatabase(which) == 1 && CheckAndUpgrade(ProgramVersion(), Today()) == 1;
  if (!usable) Database::CloseDatabase();
  CurrentPrompter().Inform("数据库已还原。\n\n还原前的数据已保存为：\n" + safety);
  return usable ? RestoreOutcome::kRestored : RestoreOutcome::kNotUsable;
}

}  // namespace cw
