// backup, restore, compact, upgrade: the safety of the data file.
#include <ctime>
#include <sstream>

#include "cli/cli_error.h"
#include "cli/data_home.h"
#include "cli/upgrade_answers.h"
#include "cli/verbs.h"
#include "core/auto_backup.h"
#include "core/backup_copies.h"
#include "core/backup_settings.h"
#include "core/exit_sequence.h"
#include "core/schema_version.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::cli {
namespace {

constexpr OptionSpec kBackupOptions[] = {{"to", true}, {"rotate", false}};
constexpr OptionSpec kRestoreOptions[] = {{"yes", false}};
constexpr OptionSpec kUpgradeOptions[] = {{"interest-account", true}, {"card-accounts", true}};

std::string Joined(const std::vector<std::string>& lines, const char* separator) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : separator) + line;
  return text;
}

Document Done(const std::string& what, const std::string& path) {
  return {{"result", Record{{{"done", "完成"}, what}, {{"file", "文件"}, path}}}};
}

Document RotateBackups() {
  const AutoBackupResult result = AutoBackup(std::time(nullptr));
  const BackupSettings settings = ReadBackupSettings();
  switch (result.code) {
    case kBackupDone: break;
    case kBackupOff: return Done("automatic backup is off (RetainFile 0)", settings.dir);
    default: throw Failed("automatic backup failed: " + Joined(result.problems, "; "));
  }
  if (!result.problems.empty()) throw Failed("backup written, but " + Joined(result.problems, "; "));
  return Done(result.rotated ? "rotated" : "refreshed the copy of today", settings.dir + "/CW_1.db");
}

std::vector<std::string> SplitCodes(const std::string& text) {
  std::vector<std::string> codes;
  std::istringstream in(text);
  for (std::string code; std::getline(in, code, ',');) {
    if (code.empty()) throw BadInput("--card-accounts: an empty code");
    codes.push_back(code);
  }
  return codes;
}

}  // namespace

Document RunBackup(Invocation& invocation) {
  VerbOptions options = invocation.Options(kBackupOptions);
  if (options.Has("rotate") && options.Has("to")) throw BadInput("--rotate and --to exclude each other");
  OpenLedger(invocation);
  if (options.Has("rotate")) return RotateBackups();
  const std::string path = options.Value("to").value_or(DefaultManualBackupPath(std::time(nullptr)));
  if (!ManualBackupTo(path)) throw Failed("backup not written");
  return Done("backup written", path);
}

Document RunRestore(Invocation& invocation) {
  VerbOptions options = invocation.Options(kRestoreOptions, 1);
  if (!options.Has("yes")) {
    throw BadInput("restore replaces the data set by the file's data, and recent entries are lost: give --yes");
  }
  OpenLedger(invocation);
  switch (RestoreDataSet(options.positionals()[0], std::time(nullptr))) {
    case RestoreOutcome::kRefused: throw Failed("restore refused");
    case RestoreOutcome::kNotUsable:
      throw Failed("restored, but the restored data must be upgraded: run coinwright-cli upgrade");
    case RestoreOutcome::kRestored: break;
  }
  return Done("restored", options.positionals()[0]);
}

Document RunCompact(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  if (!CompactDataSet({})) throw Failed("compaction failed");
  return Done("compacted", Database::FilePath(Database::CurrentDatabase()));
}

Document RunUpgrade(Invocation& invocation) {
  VerbOptions options = invocation.Options(kUpgradeOptions);
  CliUpgradeQuestions& questions = ToolUpgradeQuestions();
  questions.answering = true;
  questions.interest_account = options.Value("interest-account");
  if (auto codes = options.Value("card-accounts")) questions.card_accounts = SplitCodes(*codes);
  OpenLedger(invocation);
  CDBPack version;
  version.Open(Database::LoadStatement(383));
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", DecodeVersion(version.GetLong("Ver_DB")));
  return Done(std::string("data set at version ") + text, Database::FilePath(Database::CurrentDatabase()));
}

}  // namespace cw::cli
