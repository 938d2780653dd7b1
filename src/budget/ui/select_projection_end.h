#pragma once
// The end month of the projection: "请输入预算的截止月份。" over a month picker.
#include "ui/own_dialog.h"

class QDateEdit;

namespace cw {

class CSelectProjectionEnd : public COwnDialog {
  Q_OBJECT
 public:
  // `month` (yyyymm) is shown first; months before `first` cannot be chosen.
  CSelectProjectionEnd(int month, int first, QWidget* parent = nullptr);
  int Month() const;

 private:
  QDateEdit* month_;
};

}  // namespace cw
