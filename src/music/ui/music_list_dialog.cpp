#include "music/ui/music_list_dialog.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>

namespace cw {

CMusicListDlg::CMusicListDlg(const std::vector<std::string>& files, const std::string& current, QWidget* parent)
    : QDialog(parent), files_(files) {
  setWindowTitle("音乐文件列表");
  setObjectName("musicListDialog");
  list_ = new QListWidget(this);
  for (const std::string& file : files_) list_->addItem(QFileInfo(QString::fromStdString(file)).fileName());
  const auto found = std::find(files_.begin(), files_.end(), current);
  list_->setCurrentRow(found == files_.end() ? 0 : static_cast<int>(found - files_.begin()));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // A double click plays the track, as Enter does.
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(360, 320);
}

std::optional<std::string> CMusicListDlg::Chosen() const {
  const int row = list_->currentRow();
  if (result() != QDialog::Accepted || row < 0 || row >= static_cast<int>(files_.size())) return std::nullopt;
  return files_[row];
}

}  // namespace cw
