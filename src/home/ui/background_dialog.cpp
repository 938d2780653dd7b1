#include "home/ui/background_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "frame/window_backdrop.h"
#include "ui/picture_files.h"

namespace cw {
namespace {

constexpr const char* kPlacementLabels[] = {"居中", "拉伸", "平铺"};

// The preview: the backdrop over a page twice as high as the preview, so that
// a picture scrolling with the page shows how it is cut.
class BackgroundPreview : public QWidget {
 public:
  BackgroundPreview(WindowBackdrop* backdrop, QWidget* parent) : QWidget(parent), backdrop_(backdrop) {
    setObjectName("backgroundPreview");
    setMinimumSize(320, 240);
    connect(backdrop, &WindowBackdrop::Changed, this, qOverload<>(&QWidget::update));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    backdrop_->Paint(painter, QRect(0, 0, width(), 2 * height()), rect());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  WindowBackdrop* backdrop_;
};

}  // namespace

CBackgroundDlg::CBackgroundDlg(const WindowBackground& background, const QColor& base, QWidget* parent)
    : COwnDialog(parent), image_(background.image) {
  setWindowTitle("设置字体、背景");
  setObjectName("backgroundDialog");
  preview_backdrop_ = new WindowBackdrop(this);
  preview_backdrop_->SetBaseColour(base);

  // The font of the page follows the user's font size: the font buttons stay off here.
  auto* font = new QPushButton("字体(&F)", this);
  auto* colour = new QPushButton("颜色(&L)", this);
  font->setEnabled(false);
  colour->setEnabled(false);

  is_picture_ = new QCheckBox("背景为图片", this);
  is_picture_->setObjectName("isPicture");
  is_picture_->setChecked(background.picture);
  placements_ = new QButtonGroup(this);
  auto* placement_row = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(kPlacementLabels[i], this);
    radio->setObjectName(QString("placement%1").arg(i));
    placements_->addButton(radio, i);
    placement_row->addWidget(radio);
  }
  placements_->button(static_cast<int>(background.placement()))->setChecked(true);
  scrolls_ = new QCheckBox("背景随滚动条滚动", this);
  scrolls_->setObjectName("scrolls");
  scrolls_->setChecked(background.scrolls());
  picture_button_ = new QPushButton("图片(&P)", this);
  picture_button_->setObjectName("choosePicture");
  transparency_ = new QSlider(Qt::Horizontal, this);
  transparency_->setObjectName("transparency");
  transparency_->setRange(0, 100);
  transparency_->setPageStep(10);
  transparency_->setValue(background.transparent);
  transparency_label_ = new QLabel(this);
  transparency_label_->setObjectName("transparencyLabel");
  auto* preview = new BackgroundPreview(preview_backdrop_, this);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("确定", QDialogButtonBox::AcceptRole);
  ok->setObjectName("ok");
  ok->setDefault(true);
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* controls = new QVBoxLayout;
  auto* font_row = new QHBoxLayout;
  font_row->addWidget(font);
  font_row->addWidget(colour);
  controls->addLayout(font_row);
  controls->addWidget(is_picture_);
  controls->addLayout(placement_row);
  controls->addWidget(scrolls_);
  controls->addWidget(picture_button_, 0, Qt::AlignLeft);
  controls->addWidget(transparency_label_);
  controls->addWidget(transparency_);
  controls->addStretch();
  auto* body = new QHBoxLayout;
  body->addLayout(controls);
  body->addWidget(preview, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  connect(is_picture_, &QCheckBox::toggled, this, &CBackgroundDlg::Update);
  connect(placements_, &QButtonGroup::idClicked, this, &CBackgroundDlg::Update);
  connect(scrolls_, &QCheckBox::toggled, this, &CBackgroundDlg::Update);
  connect(transparency_, &QSlider::valueChanged, this, &CBackgroundDlg::Update);
  connect(picture_button_, &QPushButton::clicked, this, &CBackgroundDlg::ChoosePicture);
  Update();
}

WindowBackground CBackgroundDlg::Result() const {
  WindowBackground result;
  result.picture = is_picture_->isChecked();
  result.image = image_;
  result.display = DisplayCode(static_cast<Placement>(placements_->checkedId()),
                               scrolls_->isEnabled() && scrolls_->isChecked());
  result.transparent = transparency_->value();
  return result;
}

void CBackgroundDlg::Update() {
  const bool picture = is_picture_->isChecked();
  for (QAbstractButton* radio : placements_->buttons()) radio->setEnabled(picture);
  scrolls_->setEnabled(picture && placements_->checkedId() != static_cast<int>(Placement::kCentred));
  // The colour under the picture is always the theme's main-window colour, so
  // there is no colour to choose: the button chooses a picture or nothing.
  picture_button_->setEnabled(picture);
  transparency_->setEnabled(picture);
  transparency_label_->setText(QString("透明度：%1%").arg(transparency_->value()));
  preview_backdrop_->SetBackground(Result());
}

bool CBackgroundDlg::TakePicture(const QString& path) {
  if (QImageReader(path).read().isNull()) {
    CurrentPrompter().Inform(kBadPictureText);
    return false;
  }
  image_ = path.toStdString();
  Update();
  return true;
}

void CBackgroundDlg::ChoosePicture() {
  const QString path =
      QFileDialog::getOpenFileName(this, "选择背景图片", QString::fromStdString(image_), kPictureFilter);
  if (!path.isEmpty()) TakePicture(path);
}

}  // namespace cw
