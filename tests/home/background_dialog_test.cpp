// The background dialog: which controls a plain or a picture background
// leaves working, the Display code it makes of placement and scrolling, and
// a picture file that cannot be shown.
#include "home/ui/background_dialog.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include "base/scripted_prompter.h"
#include "frame/window_backdrop.h"

namespace cw {
namespace {

struct Controls {
  explicit Controls(CBackgroundDlg& dialog)
      : is_picture(dialog.findChild<QCheckBox*>("isPicture")),
        scrolls(dialog.findChild<QCheckBox*>("scrolls")),
        picture(dialog.findChild<QPushButton*>("choosePicture")),
        transparency(dialog.findChild<QSlider*>("transparency")),
        label(dialog.findChild<QLabel*>("transparencyLabel")) {
    for (int i = 0; i < 3; ++i) placements[i] = dialog.findChild<QRadioButton*>(QString("placement%1").arg(i));
  }
  QCheckBox* is_picture;
  QCheckBox* scrolls;
  QPushButton* picture;
  QSlider* transparency;
  QLabel* label;
  QRadioButton* placements[3];
};

TEST(BackgroundDialogTest, ControlsFollowTheChoicesAndMakeTheDisplayCode) {
  CBackgroundDlg dialog({false, "/pictures/sea.jpg", 11, 70}, Qt::white);
  Controls c(dialog);
  EXPECT_EQ(dialog.windowTitle(), "设置字体、背景");
  EXPECT_EQ(c.label->text(), "透明度：70%");
  // A plain background: nothing about a picture can be set.
  for (QWidget* w : {static_cast<QWidget*>(c.scrolls), static_cast<QWidget*>(c.picture),
                     static_cast<QWidget*>(c.transparency), static_cast<QWidget*>(c.placements[1])})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_FALSE(dialog.Result().picture);
  EXPECT_EQ(dialog.Result().image, "/pictures/sea.jpg") << "the picture stays for when it is wanted again";

  c.is_picture->click();
  EXPECT_TRUE(c.picture->isEnabled());
  EXPECT_TRUE(c.scrolls->isEnabled());
  EXPECT_TRUE(c.scrolls->isChecked());
  EXPECT_EQ(dialog.Result().display, 11);
  // Centred, the picture cannot scroll: the box is off and the code says so.
  c.placements[0]->click();
  EXPECT_FALSE(c.scrolls->isEnabled());
  EXPECT_EQ(dialog.Result().display, 0);
  c.placements[2]->click();
  EXPECT_EQ(dialog.Result().display, 12);
  c.scrolls->click();
  EXPECT_EQ(dialog.Result().display, 2);

  c.transparency->setValue(30);
  EXPECT_EQ(c.label->text(), "透明度：30%");
  EXPECT_EQ(dialog.Result().transparent, 30);
  // The preview shows what Result() holds.
  EXPECT_EQ(dialog.Preview().Background(), dialog.Result());
}

TEST(BackgroundDialogTest, PictureThatCannotBeShownIsNotTaken) {
  ScriptedPrompter prompter;
  PrompterGuard guard(prompter);
  QTemporaryDir dir;
  const QString good = dir.filePath("garden.png");
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  ASSERT_TRUE(image.save(good));
  const QString junk = dir.filePath("junk.jpg");
  QFile file(junk);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();

  CBackgroundDlg dialog({true, "", 1, 50}, Qt::white);
  EXPECT_TRUE(dialog.TakePicture(good));
  EXPECT_FALSE(dialog.Preview().Picture().isNull());
  for (const QString& bad : {junk, dir.filePath("gone.jpg")}) {
    EXPECT_FALSE(dialog.TakePicture(bad));
    EXPECT_EQ(dialog.Result().image, good.toStdString()) << "the picture before stays";
  }
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "文件格式错误，不能打开这种格式的文件。");
}

}  // namespace
}  // namespace cw
