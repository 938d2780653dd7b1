#pragma once
// "音乐文件列表": the music folder's files by name; the one chosen plays at once.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace cw {

class CMusicListDlg : public QDialog {
  Q_OBJECT
 public:
  // `files` are full paths; `current` is selected when it is among them.
  CMusicListDlg(const std::vector<std::string>& files, const std::string& current, QWidget* parent = nullptr);
  // The path chosen; nothing when cancelled or nothing is selected.
  std::optional<std::string> Chosen() const;

 private:
  std::vector<std::string> files_;
  QListWidget* list_ = nullptr;
};

}  // namespace cw
