#pragma once
// What a normal exit does with the user's data set: the automatic backup, the
// monthly compaction and the manual-backup reminder. The demonstration data
// set is left alone.
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace cw {

// The manual-backup reminder's arithmetic. `today` and `last` are day numbers
// (seconds since 1970 / 86400); `interval` the stored interval in days, 0 for
// the default 10.
struct ReminderStep {
  bool due = false;   // the stored values are written (the time has come)
  bool show = false;  // the reminder dialog is shown (not on the very first run)
  int days = 0;       // days since the last reminder
  int interval = 10;  // the interval in force
};
ReminderStep DecideReminder(int today, int interval, int last);

// The intervals the reminder offers (1, 3, 5, 10, 15, 30 days), and the
// position of `interval` among them (that of 10 days for any other value).
const std::vector<int>& ReminderIntervals();
int PreselectedReminderInterval(int interval);

// What the window system supplies to the exit.
struct ExitHooks {
  // Compacts the open data set, showing progress; true on success. Empty: no
  // progress is shown.
  std::function<bool()> compact;
  // Shows the reminder with (interval, days since the last reminder) and
  // returns the interval chosen there.
  std::function<int(int interval, int days)> remind;
};

// Runs the exit steps at time `now` when the user's data set is open. Failures
// are reported through the prompter; the exit goes on regardless.
void RunExitSequence(std::time_t now, const ExitHooks& hooks);

// The exit when the updater closes the program (message 2025): only the
// automatic backup, with no compaction and no reminder, so that nothing waits
// for the user while the updater waits for the program to end.
void RunUpdateExitSequence(std::time_t now);

// Compacts the open data set; a failure is shown as "数据库操作失败！...".
bool CompactDataSet(const std::function<void()>& tick);

}  // namespace cw
