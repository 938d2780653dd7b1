#pragma once
// CManualBackupDB "数据库备份": the reminder shown at exit when no manual backup
// was made for a while. It offers the backup and the interval of the reminder;
// both buttons close it with the chosen interval, the backup button only once
// a copy was written.
#include "ui/own_dialog.h"

class QComboBox;

namespace cw {

class CManualBackupDB : public COwnDialog {
  Q_OBJECT
 public:
  // `interval`: the interval in force; `days`: days since the last reminder.
  CManualBackupDB(int interval, int days, QWidget* parent = nullptr);

  // The interval chosen in the list, in days.
  int Interval() const;

 private:
  void Backup();

  QComboBox* intervals_;
};

}  // namespace cw
