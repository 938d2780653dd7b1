// A family member makes the program her own, as a person does it: log in,
// open "界面设置" from the home page's toolbar, choose a theme, the large font
// and a greeting, and see them at once (her animated photo plays on); choose a
// picture for the home page with 背景图片; log in as someone else and back, and
// each sees their own look.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/coinwright_app.h"
#include "app/ctrl_wnd_main.h"
#include "app/main_frame.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "frame/window_backdrop.h"
#include "home/resource_path.h"
#include "home/ui/background_dialog.h"
#include "home/ui/home_wnd.h"
#include "prefs/ui/interface_settings_dialog.h"
#include "support/modal_driver.h"
#include "ui/own_dialog.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

constexpr int kMom = 2;

QString Greeting(CMainFrame* frame) {
  auto* home = qobject_cast<CCtrlWndMain*>(frame->Module());
  return home ? home->Home()->findChild<QLabel*>("greeting")->text() : QString();
}

bool PhotoPlays(CMainFrame* frame) {
  auto* home = qobject_cast<CCtrlWndMain*>(frame->Module());
  return home && home->Home()->PictureIsPlaying();
}

QColor MenuColour(CMainFrame* frame) { return frame->menuBar()->palette().color(QPalette::Window); }

TEST(LookEndToEndTest, ThemeFontAndGreetingOfOneUser) {
  QTemporaryDir home;
  ASSERT_TRUE(testing::PrepareDemoUserPassword(home.path().toStdString(), kMom, "mama2024"));
  CCoinwrightApp app;
  const testing::Login mom{"妈妈", "mama2024", /*demo=*/true};
  CMainFrame* frame = testing::StartDesktop(app, home.path(), mom);
  ASSERT_NE(nullptr, frame);
  EXPECT_NE(QApplication::font().pointSizeF(), 12);

  bool chosen = false;
  testing::OnModal<CInterfaceSettingsDlg>(testing::ChooseLook("绿色草原", 2, "一家人记好每一笔账"), &chosen);
  frame->ToolbarAction(cmd::kDisplaySettings)->trigger();
  ASSERT_TRUE(chosen);
  EXPECT_EQ(MenuColour(frame), StoredColour(0xE6FFE1));
  EXPECT_EQ(COwnDialog::Background(), StoredColour(0xE6FFE1)) << "dialogs take the theme too";
  EXPECT_EQ(QApplication::font().pointSizeF(), 12);
  EXPECT_EQ(Greeting(frame), "一家人记好每一笔账");
  EXPECT_TRUE(PhotoPlays(frame));

  const std::string scenery = ResourcePath("Image/Scenery1.jpg");
  bool pictured = false;
  testing::OnModal<CBackgroundDlg>(
      [&](CBackgroundDlg* dialog) {
        dialog->findChild<QCheckBox*>("isPicture")->click();
        dialog->TakePicture(QString::fromStdString(scenery));
        dialog->accept();
      },
      &pictured);
  frame->ToolbarAction(cmd::kBackground)->trigger();
  ASSERT_TRUE(pictured);
  EXPECT_TRUE(frame->Module()->Backdrop()->Background().picture);
  EXPECT_FALSE(frame->Module()->Backdrop()->Picture().isNull());

  // Someone else logs in: his own look; back to her: hers again.
  ASSERT_TRUE(testing::LogInAgain(frame, {"爸爸", "", /*demo=*/true}, 1));
  const UserLook his = LookOfUser(frame->Profile().color_type, frame->Profile().font_type, frame->Profile().own_colours);
  EXPECT_EQ(MenuColour(frame), StoredColour(his.colours[kFrameColour]));
  EXPECT_NE(MenuColour(frame), StoredColour(0xE6FFE1));
  EXPECT_EQ(QApplication::font().pointSizeF(), his.font_points);
  EXPECT_NE(Greeting(frame), "一家人记好每一笔账");
  EXPECT_FALSE(frame->Module()->Backdrop()->Background().picture) << "his home page stays plain";

  ASSERT_TRUE(testing::LogInAgain(frame, mom, kMom));
  EXPECT_EQ(MenuColour(frame), StoredColour(0xE6FFE1));
  EXPECT_EQ(QApplication::font().pointSizeF(), 12);
  EXPECT_EQ(Greeting(frame), "一家人记好每一笔账");
  EXPECT_EQ(frame->Module()->Backdrop()->Background().image, scenery);
  EXPECT_TRUE(frame->Module()->Backdrop()->Background().picture);

  frame->close();
  EXPECT_EQ(0, app.ExitInstance(0));
}

}  // namespace
}  // namespace cw
