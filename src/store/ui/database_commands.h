#pragma once
// The database commands as the desktop program runs them: the native file
// dialogs around the manual backup (725) and the restore (726), the compaction
// with its progress dialog (727), and the exit steps with their windows.
#include <functional>
#include <string>

class QWidget;

namespace cw {

// Chooses a file: (parent, title, proposed path, save) -> the chosen path,
// empty when cancelled. The native file dialog unless a test replaces it.
using FileChooser = std::function<std::string(QWidget*, const std::string&, const std::string&, bool)>;
void SetFileChooser(FileChooser chooser);  // empty: the native dialog again

// 725 and the reminder's backup button: asks for a file ("备份数据库", proposing
// CW_<yyyymmdd>.db) and writes the copy. True when a copy was written.
bool ManualBackup(QWidget* parent);
// 726: asks string 546, then for the file ("还原数据库"), and restores from it.
// True when the data set now holds the chosen file's data.
bool RestoreWithDialogs(QWidget* parent);
// 727 and the monthly compaction: compacts with a progress dialog. True on success.
bool CompactWithProgress(QWidget* parent);

// The exit sequence of the main frame: backup, compaction, reminder.
void RunDesktopExitSequence(QWidget* parent);

}  // namespace cw
