#pragma once
// CDBBackup "数据库自动备份" (767): the automatic backup's folder and the number
// of copies kept (0-15, 0 switches it off). OK stores both in the data set.
#include "ui/own_dialog.h"

class QLineEdit;
class QSpinBox;

namespace cw {

class CDBBackup : public COwnDialog {
  Q_OBJECT
 public:
  explicit CDBBackup(QWidget* parent = nullptr);

  void accept() override;

 private:
  void Browse();

  QLineEdit* folder_;
  QSpinBox* retain_;
};

}  // namespace cw
