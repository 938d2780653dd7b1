#pragma once
// CInterfaceSettingsDlg ("界面设置"): the user's theme and own colours, font
// size, greeting, photo and music folder. Every choice is previewed at once
// through the preview callback, which the frame answers by painting itself in
// the chosen look; the caller stores the result on OK and restores the stored
// look on Cancel. The music folder can be tried with a player of the dialog's
// own, which stops when the dialog closes.
#include <QDialog>
#include <functional>
#include <memory>

#include "home/theme_choice.h"
#include "prefs/user_look.h"
#include "ui/own_dialog.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QMovie;
class QPushButton;

namespace cw {

class MusicBackend;
class MusicPreview;

class CInterfaceSettingsDlg : public COwnDialog {
  Q_OBJECT
 public:
  using Preview = std::function<void(const ThemeColours& colours, int font_type)>;

  // `stored` is the user's look as stored; `music` plays the folder preview.
  CInterfaceSettingsDlg(const UserLookSettings& stored, Preview preview, MusicBackend& music,
                        QWidget* parent = nullptr);
  ~CInterfaceSettingsDlg() override;

  // What the user chose (valid after OK).
  UserLookSettings Result() const;

  // Takes the picture as the photo when it can be shown; otherwise says so and
  // keeps the previous one. The photo button's chooser ends here.
  bool TakePhoto(const QString& path);
  // Takes a music folder. The folder button's chooser ends here.
  void TakeMusicFolder(const QString& folder);
  bool MusicPreviewPlaying() const;

  void done(int result) override;

 private:
  // Shows the picture in the preview; false when it cannot be shown.
  bool ShowPhoto(const QString& path);
  void FillThemes();
  void ChooseTheme(int row);
  void ChangeColour();
  void ShowColours();
  void SendPreview();
  void ChoosePhoto();
  void ChooseMusicFolder();
  void ToggleMusic();

  UserLookSettings stored_;
  ThemeChoice choice_;
  Preview preview_;
  std::unique_ptr<MusicPreview> music_preview_;
  QString photo_;
  QString music_folder_;

  QListWidget* themes_ = nullptr;
  QListWidget* elements_ = nullptr;
  QPushButton* change_colour_ = nullptr;
  QButtonGroup* font_sizes_ = nullptr;
  QLineEdit* greeting_ = nullptr;
  QLabel* photo_view_ = nullptr;
  QMovie* photo_movie_ = nullptr;
  QLineEdit* photo_path_ = nullptr;
  QLineEdit* music_path_ = nullptr;
  QPushButton* music_button_ = nullptr;
};

}  // namespace cw
