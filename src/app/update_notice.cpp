#include "app/update_notice.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/gbk_text.h"
#include "base/product.h"
#include "core/settings.h"
#include "patchwell/patchwell_texts.h"

namespace cw {

CDetectUpdateVersion::CDetectUpdateVersion(double version, const QString& description, QWidget* parent)
    : COwnDialog(parent) {
  setWindowTitle(patchwell::kTitle);
  auto* headline = new QLabel(QString::fromStdString(StrFormat("检测到了新版本 %.2f", version)), this);
  headline->setObjectName("version");
  QFont bold = headline->font();
  bold.setBold(true);
  headline->setFont(bold);
  auto* text = new QPlainTextEdit(description, this);
  text->setObjectName("description");
  text->setReadOnly(true);
  auto* auto_check = new QCheckBox(QString::fromStdString(StrFormat(patchwell::kAutoCheck, kProductName)), this);
  auto_check->setObjectName("autoCheck");
  auto_check->setChecked(true);
  connect(auto_check, &QCheckBox::toggled, this, [](bool on) { settings::SetNumber("", "AutoUpdate", on ? 1 : 0); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* start = buttons->addButton(patchwell::kStart, QDialogButtonBox::AcceptRole);
  start->setObjectName("start");
  start->setDefault(true);
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole)->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(headline);
  layout->addWidget(text, 1);
  layout->addWidget(auto_check);
  layout->addWidget(buttons);
  resize(420, 280);
}

}  // namespace cw
