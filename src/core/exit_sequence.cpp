#include "core/exit_sequence.h"

#include <algorithm>
#include <cstdlib>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "core/auto_backup.h"
#include "core/backup_settings.h"
#include "core/settings.h"
#include "store/compaction.h"
#include "store/database.h"

namespace cw {
namespace {

constexpr int kDefaultInterval = 10;
constexpr int kSecondsPerDay = 86400;

bool UserDataOpen() { return Database::IsOpen() && Database::CurrentDatabase() == Database::kUserData; }

bool SameLocalMonth(std::time_t a, std::time_t b) { return LocalDate(a) / 100 == LocalDate(b) / 100; }

void ReportBackupProblems(const AutoBackupResult& result) {
  if (result.problems.empty()) return;
  std::string text = "自动备份数据库时出现问题：";
  for (const std::string& problem : result.problems) text += "\n" + problem;
  CurrentPrompter().Inform(text, "提示", PromptStyle::Error);
}

}  // namespace

ReminderStep DecideReminder(int today, int interval, int last) {
  ReminderStep step;
  step.interval = interval == 0 ? kDefaultInterval : interval;
  step.days = std::abs(today - last);
  if (step.days < step.interval) return step;
  step.due = true;
  step.show = last > 0;
  return step;
}

const std::vector<int>& ReminderIntervals() {
  static const std::vector<int> intervals = {1, 3, 5, 10, 15, 30};
  return intervals;
}

int PreselectedReminderInterval(int interval) {
  const std::vector<int>& intervals = ReminderIntervals();
  auto it = std::find(intervals.begin(), intervals.end(), interval);
  if (it == intervals.end()) it = std::find(intervals.begin(), intervals.end(), kDefaultInterval);
  return static_cast<int>(it - intervals.begin());
}

bool CompactDataSet(const std::function<void()>& tick) {
  std::string error;
  if (CompactLive(tick, &error)) return true;
  CurrentPrompter().Inform(StrFormat("数据库操作失败！\n\n错误信息:%s。", error.c_str()), "提示", PromptStyle::Error);
  return false;
}

void RunUpdateExitSequence(std::time_t now) {
  if (UserDataOpen()) ReportBackupProblems(AutoBackup(now));
}

void RunExitSequence(std::time_t now, const ExitHooks& hooks) {
  if (!UserDataOpen()) return;

  ReportBackupProblems(AutoBackup(now));

  const std::time_t compressed = settings::GetNumber("", "CompressTime");
  if (!SameLocalMonth(compressed, now)) {
    bool done = hooks.compact ? hooks.compact() : CompactDataSet({});
    // A failed compaction is tried again at the next exit.
    if (done) settings::SetNumber("", "CompressTime", static_cast<int>(now));
  }

  const int today = static_cast<int>(now / kSecondsPerDay);
  ReminderStep reminder = DecideReminder(today, settings::GetNumber("", "ManualBackupFreq"),
                                         settings::GetNumber("", "ManualBackupTime"));
  if (!reminder.due) return;
  int interval = reminder.interval;
  if (reminder.show && hooks.remind) interval = hooks.remind(reminder.interval, reminder.days);
  settings::SetNumber("", "ManualBackupTime", today);
  settings::SetNumber("", "ManualBackupFreq", interval);
}

}  // namespace cw
