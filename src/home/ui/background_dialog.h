#pragma once
// CBackgroundDlg ("设置字体、背景"): a window's background, tried in a preview.
// The home page opens it with its font buttons disabled (the page's font
// follows the user's font size). Every change redraws the preview.
#include "home/window_background.h"
#include "ui/own_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace cw {

class WindowBackdrop;

class CBackgroundDlg : public COwnDialog {
  Q_OBJECT
 public:
  // `base` is the window's colour under the picture (the theme's main-window colour).
  CBackgroundDlg(const WindowBackground& background, const QColor& base, QWidget* parent = nullptr);

  // The background as chosen now.
  WindowBackground Result() const;
  // What the preview shows.
  const WindowBackdrop& Preview() const { return *preview_backdrop_; }
  // Takes the picture when it can be shown; otherwise says so and keeps the previous one.
  bool TakePicture(const QString& path);

 private:
  void Update();
  void ChoosePicture();

  std::string image_;
  WindowBackdrop* preview_backdrop_ = nullptr;
  QCheckBox* is_picture_ = nullptr;
  QButtonGroup* placements_ = nullptr;
  QCheckBox* scrolls_ = nullptr;
  QPushButton* picture_button_ = nullptr;
  QSlider* transparency_ = nullptr;
  QLabel* transparency_label_ = nullptr;
};

}  // namespace cw
