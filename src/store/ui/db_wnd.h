#pragma once
// CDBWnd: the database management page (33202 "数据库管理") of the system
// management window. Three sections, one below the other, explain the backup,
// the restore and the compaction; the window's toolbar runs them (725 backup,
// 726 restore, 727 compact, 767 automatic-backup settings). The page scrolls.
#include <QScrollArea>

class QLabel;

namespace cw {

class CDBWnd : public QScrollArea {
  Q_OBJECT
 public:
  enum Command { kBackup = 725, kRestore = 726, kCompact = 727, kSettings = 767 };

  explicit CDBWnd(QWidget* parent = nullptr);

  bool IsCommandEnabled(int command) const;
  // Runs one of the page's commands; false for a command the page does not have.
  bool RunCommand(int command);

 public slots:
  // Fills the sections again from the stored settings.
  void Reload();

 private:
  std::vector<QLabel*> texts_;
};

}  // namespace cw
