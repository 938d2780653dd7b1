#include "store/ui/db_wnd.h"

#include <QLabel>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "core/database_page.h"
#include "store/database.h"
#include "store/ui/database_commands.h"
#include "store/ui/db_backup.h"

namespace cw {

CDBWnd::CDBWnd(QWidget* parent) : QScrollArea(parent) {
  setObjectName("databasePage");
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  const std::vector<PageSection> sections = DatabasePageSections(ReadBackupSettings(), Database::DataHome());
  for (const PageSection& section : sections) {
    auto* heading = new QLabel(QString::fromStdString(section.heading), body);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    auto* text = new QLabel(body);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setContentsMargins(16, 4, 16, 16);
    layout->addWidget(heading);
    layout->addWidget(text);
    texts_.push_back(text);
  }
  layout->addStretch();
  setWidget(body);
  Reload();
}

void CDBWnd::Reload() {
  const std::vector<PageSection> sections = DatabasePageSections(ReadBackupSettings(), Database::DataHome());
  for (std::size_t i = 0; i < sections.size() && i < texts_.size(); ++i) {
    texts_[i]->setText(QString::fromStdString(sections[i].text));
  }
}

bool CDBWnd::IsCommandEnabled(int command) const {
  switch (command) {
    case kBackup:
    case kRestore:
    case kCompact:
    case kSettings: return Database::IsOpen();
    default: return false;
  }
}

bool CDBWnd::RunCommand(int command) {
  if (!IsCommandEnabled(command)) return false;
  switch (command) {
    case kBackup: ManualBackup(this); break;
    case kRestore:
      if (RestoreWithDialogs(this)) Reload();  // the restored data carries its own backup settings
      break;
    case kCompact:
      if (CompactWithProgress(this)) CurrentPrompter().Inform("数据库压缩成功！");
      break;
    case kSettings:
      if (CDBBackup(this).exec() == QDialog::Accepted) Reload();
      break;
  }
  return true;
}

}  // namespace cw
