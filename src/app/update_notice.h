#pragma once
// CDetectUpdateVersion: "软件升级", the notice of the background check. It
// names the offered version, shows the release's description read-only and
// offers to start the updater; its check box writes "AutoUpdate" at once.
#include <QString>

#include "ui/own_dialog.h"

namespace cw {

class CDetectUpdateVersion : public COwnDialog {
  Q_OBJECT
 public:
  // Accepted with 开始升级(&S), rejected with 取消(&C).
  CDetectUpdateVersion(double version, const QString& description, QWidget* parent = nullptr);
};

}  // namespace cw
