#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/frame_title.h"
#include "base/product.h"
#include "core/schema_version.h"

namespace cw {

CAboutDlg::CAboutDlg(QWidget* parent) : COwnDialog(parent) {
  setWindowTitle(QString("关于") + kProductName);
  auto* name = new QLabel(QString::fromStdString(FrameTitle(ProgramVersion(), "")), this);
  QFont big = name->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.5);
  name->setFont(big);
  auto* text = new QLabel(
      "记录家庭的日常收支、存取款、转账、借贷、信用卡和投资，\n"
      "提供明细账、余额表、收支统计、预算和家庭财产预测。",
      this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name);
  layout->addSpacing(6);
  layout->addWidget(text);
  layout->addWidget(buttons);
}

}  // namespace cw
