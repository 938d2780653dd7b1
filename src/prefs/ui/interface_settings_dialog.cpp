#include "prefs/ui/interface_settings_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMovie>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "home/welcome.h"
#include "music/background_music.h"
#include "music/music_texts.h"
#include "ui/picture_files.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

// The labels of the eight painted elements, in theme order.
constexpr const char* kElementLabels[kThemeElementCount] = {
    "（左边）导航窗口", "（左边）导航窗口边框", "（右边）主窗口",     "（右边）主窗口标题",
    "（右边）主窗口滚动条", "（顶部）菜单、工具条", "对话框", "对话框中的按钮",
};
constexpr const char* kFontSizeLabels[] = {"小(&S)", "中(&M)", "大(&B)"};
constexpr int kGreetingLength = 255;
constexpr int kPhotoBox = 96;

QIcon Swatch(std::uint32_t colour) {
  QPixmap pixmap(28, 14);
  pixmap.fill(StoredColour(colour));
  return QIcon(pixmap);
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::uint32_t StoredColourOf(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

}  // namespace

CInterfaceSettingsDlg::CInterfaceSettingsDlg(const UserLookSettings& stored, Preview preview, MusicBackend& music,
                                             QWidget* parent)
    : COwnDialog(parent),
      stored_(stored),
      choice_(stored.color_type, stored.own_colours),
      preview_(std::move(preview)),
      music_preview_(std::make_unique<MusicPreview>(music, CurrentPrompter())),
      photo_(Q(stored.welcome_picture)),
      music_folder_(Q(stored.work_music)) {
  setWindowTitle("界面设置");
  setObjectName("interfaceSettings");

  // Colours: the theme list, the elements with their colours, the change button.
  themes_ = new QListWidget(this);
  themes_->setObjectName("themeList");
  elements_ = new QListWidget(this);
  elements_->setObjectName("elementList");
  change_colour_ = new QPushButton("更改颜色(&C)...", this);
  change_colour_->setObjectName("changeColour");
  auto* theme_label = new QLabel("颜色方案(&T)：", this);
  theme_label->setBuddy(themes_);
  auto* element_label = new QLabel("界面元素(&E)：", this);
  element_label->setBuddy(elements_);
  auto* colours_box = new QGroupBox("颜色", this);
  auto* colours = new QGridLayout(colours_box);
  colours->addWidget(theme_label, 0, 0);
  colours->addWidget(element_label, 0, 1);
  colours->addWidget(themes_, 1, 0);
  colours->addWidget(elements_, 1, 1);
  colours->addWidget(change_colour_, 2, 1, Qt::AlignRight);
  colours->setColumnStretch(1, 1);
  FillThemes();
  // Every theme and every element in view without scrolling.
  const auto fit = [](QListWidget* list) {
    list->setMinimumHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth() + 2);
  };
  fit(themes_);
  fit(elements_);
  themes_->setFixedWidth(themes_->sizeHintForColumn(0) + 2 * themes_->frameWidth() + 16);
  elements_->setMinimumWidth(elements_->sizeHintForColumn(0) + 2 * elements_->frameWidth() + 16);

  // Font size.
  auto* font_box = new QGroupBox("字体大小", this);
  auto* fonts = new QHBoxLayout(font_box);
  font_sizes_ = new QButtonGroup(this);
  for (int size = 0; size < 3; ++size) {
    auto* radio = new QRadioButton(kFontSizeLabels[size], font_box);
    radio->setObjectName(QString("fontSize%1").arg(size));
    font_sizes_->addButton(radio, size);
    fonts->addWidget(radio);
  }
  fonts->addStretch();
  const int font_type = stored.font_type >= 0 && stored.font_type <= 2 ? stored.font_type : 0;
  font_sizes_->button(font_type)->setChecked(true);
  connect(font_sizes_, &QButtonGroup::idClicked, this, [this] { SendPreview(); });

  // Greeting and photo.
  auto* welcome_box = new QGroupBox("首页", this);
  auto* welcome = new QGridLayout(welcome_box);
  greeting_ = new QLineEdit(Q(GreetingText(stored.welcome_word)), welcome_box);
  greeting_->setObjectName("greeting");
  greeting_->setMaxLength(kGreetingLength);
  auto* greeting_label = new QLabel("欢迎语(&W)：", welcome_box);
  greeting_label->setBuddy(greeting_);
  photo_view_ = new QLabel(welcome_box);
  photo_view_->setObjectName("photoPreview");
  photo_view_->setFixedSize(kPhotoBox, kPhotoBox);
  photo_view_->setFrameShape(QFrame::Box);
  photo_view_->setAlignment(Qt::AlignCenter);
  photo_path_ = new QLineEdit(welcome_box);
  photo_path_->setObjectName("photoPath");
  photo_path_->setReadOnly(true);
  auto* photo_button = new QPushButton("照片(&P)...", welcome_box);
  photo_button->setObjectName("choosePhoto");
  welcome->addWidget(greeting_label, 0, 0);
  welcome->addWidget(greeting_, 0, 1, 1, 2);
  welcome->addWidget(new QLabel("个人照片：", welcome_box), 1, 0, Qt::AlignTop);
  welcome->addWidget(photo_view_, 1, 1, 2, 1);
  welcome->addWidget(photo_path_, 1, 2);
  welcome->addWidget(photo_button, 2, 2, Qt::AlignLeft | Qt::AlignTop);
  welcome->setColumnStretch(2, 1);
  connect(photo_button, &QPushButton::clicked, this, &CInterfaceSettingsDlg::ChoosePhoto);
  // The stored photo (or the default) is shown; it is kept unless another is taken.
  const QString shown = Q(WelcomePicturePath(stored.welcome_picture));
  ShowPhoto(shown);
  photo_path_->setText(shown);

  // Music.
  auto* music_box = new QGroupBox("背景音乐", this);
  auto* music_row = new QHBoxLayout(music_box);
  music_path_ = new QLineEdit(music_folder_, music_box);
  music_path_->setObjectName("musicFolder");
  music_path_->setReadOnly(true);
  music_path_->setPlaceholderText("（未设置）");
  auto* folder_button = new QPushButton("目录(&F)...", music_box);
  folder_button->setObjectName("chooseMusicFolder");
  music_button_ = new QPushButton("播放/停止音乐(&Y)", music_box);
  music_button_->setObjectName("previewMusic");
  music_row->addWidget(music_path_, 1);
  music_row->addWidget(folder_button);
  music_row->addWidget(music_button_);
  connect(folder_button, &QPushButton::clicked, this, &CInterfaceSettingsDlg::ChooseMusicFolder);
  connect(music_button_, &QPushButton::clicked, this, &CInterfaceSettingsDlg::ToggleMusic);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("确定", QDialogButtonBox::AcceptRole);
  ok->setObjectName("ok");
  ok->setDefault(true);
  buttons->addButton("取消", QDialogButtonBox::RejectRole)->setObjectName("cancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(colours_box, 1);
  layout->addWidget(font_box);
  layout->addWidget(welcome_box);
  layout->addWidget(music_box);
  layout->addWidget(buttons);

  connect(themes_, &QListWidget::currentRowChanged, this, &CInterfaceSettingsDlg::ChooseTheme);
  connect(change_colour_, &QPushButton::clicked, this, &CInterfaceSettingsDlg::ChangeColour);
  connect(elements_, &QListWidget::itemActivated, this, &CInterfaceSettingsDlg::ChangeColour);
  setMinimumWidth(620);
  themes_->setFocus();
}

CInterfaceSettingsDlg::~CInterfaceSettingsDlg() = default;

void CInterfaceSettingsDlg::FillThemes() {
  int current = 0;
  for (const Theme& theme : ThemeChoice::ListedThemes()) {
    auto* item = new QListWidgetItem(Q(theme.name), themes_);
    item->setData(Qt::UserRole, theme.number);
    if (theme.number == choice_.theme()) current = themes_->count() - 1;
  }
  for (const char* label : kElementLabels) elements_->addItem(label);
  elements_->setCurrentRow(0);
  themes_->setCurrentRow(current);
  ShowColours();
}

void CInterfaceSettingsDlg::ChooseTheme(int row) {
  if (row < 0) return;
  choice_.Select(themes_->item(row)->data(Qt::UserRole).toInt());
  ShowColours();
  SendPreview();
}

void CInterfaceSettingsDlg::ShowColours() {
  const ThemeColours colours = choice_.colours();
  for (int element = 0; element < kThemeElementCount; ++element)
    elements_->item(element)->setIcon(Swatch(colours[element]));
  change_colour_->setEnabled(choice_.CanChangeColour());
  // The dialog shows itself in the dialog colours being chosen.
  QPalette p = palette();
  p.setColor(QPalette::Window, StoredColour(colours[kDialogColour]));
  p.setColor(QPalette::Button, StoredColour(colours[kButtonColour]));
  p.setColor(QPalette::Highlight, StoredColour(colours[kButtonColour]));
  setPalette(p);
}

void CInterfaceSettingsDlg::ChangeColour() {
  if (!choice_.CanChangeColour()) return;
  const int element = elements_->currentRow();
  if (element < 0) return;
  const QColor chosen = QColorDialog::getColor(StoredColour(choice_.colours()[element]), this, "颜色");
  if (!chosen.isValid()) return;
  choice_.ChangeColour(element, StoredColourOf(chosen));
  ShowColours();
  SendPreview();
}

void CInterfaceSettingsDlg::SendPreview() {
  if (preview_) preview_(choice_.colours(), font_sizes_->checkedId());
}

bool CInterfaceSettingsDlg::TakePhoto(const QString& path) {
  if (!ShowPhoto(path)) {
    CurrentPrompter().Inform(kBadPictureText);
    return false;
  }
  photo_ = path;
  photo_path_->setText(path);
  return true;
}

bool CInterfaceSettingsDlg::ShowPhoto(const QString& path) {
  QImageReader reader(path);
  const QSize size = reader.size();
  if (!reader.canRead() || size.isEmpty()) return false;
  const QSize shown = size.scaled(kPhotoBox - 4, kPhotoBox - 4, Qt::KeepAspectRatio);
  delete photo_movie_;
  photo_movie_ = nullptr;
  if (reader.supportsAnimation() && reader.imageCount() != 1) {
    photo_movie_ = new QMovie(path, QByteArray(), photo_view_);
    photo_movie_->setScaledSize(shown);
    photo_view_->setMovie(photo_movie_);
    photo_movie_->start();
  } else {
    const QImage image = reader.read();
    if (image.isNull()) return false;
    photo_view_->setPixmap(QPixmap::fromImage(image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  }
  return true;
}

void CInterfaceSettingsDlg::ChoosePhoto() {
  const QString path = QFileDialog::getOpenFileName(this, "选择个人照片", photo_path_->text(), kPictureFilter);
  if (!path.isEmpty()) TakePhoto(path);
}

void CInterfaceSettingsDlg::TakeMusicFolder(const QString& folder) {
  music_folder_ = folder;
  music_path_->setText(folder);
}

void CInterfaceSettingsDlg::ChooseMusicFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, music_texts::kFolderDialogTitle, music_folder_);
  if (!folder.isEmpty()) TakeMusicFolder(folder);
}

void CInterfaceSettingsDlg::ToggleMusic() { music_preview_->Toggle(music_folder_.toStdString()); }

bool CInterfaceSettingsDlg::MusicPreviewPlaying() const { return music_preview_->Playing(); }

void CInterfaceSettingsDlg::done(int result) {
  music_preview_->Stop();
  if (photo_movie_) photo_movie_->stop();
  COwnDialog::done(result);
}

UserLookSettings CInterfaceSettingsDlg::Result() const {
  UserLookSettings look = stored_;
  look.color_type = choice_.theme();
  look.font_type = font_sizes_->checkedId();
  // The default greeting left as it is stays "the default" (an empty field).
  const std::string greeting = greeting_->text().toStdString();
  look.welcome_word = greeting == GreetingText("") ? "" : greeting;
  look.welcome_picture = photo_.toStdString();
  look.work_music = music_folder_.toStdString();
  look.own_colours = choice_.own();
  return look;
}

}  // namespace cw
