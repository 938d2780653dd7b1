#pragma once
// The about box (57664): the program's name and version.
#include "ui/own_dialog.h"

namespace cw {

class CAboutDlg : public COwnDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace cw
