// The interface settings, the window backgrounds and the background music
// inside the main frame: a chosen look is previewed at once, stored and
// applied on OK and taken back on Cancel; a background chosen for the home
// page is stored for its user and shown at once, the statistics and budget
// charts carry theirs; the music menu follows the player.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include "app/ctrl_wnd_main.h"
#include "app/main_frame.h"
#include "app_ui_fixture.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "frame/window_backdrop.h"
#include "home/resource_path.h"
#include "home/ui/background_dialog.h"
#include "home/ui/home_wnd.h"
#include "home/window_background.h"
#include "music/music_texts.h"
#include "music/ui/frame_music.h"
#include "prefs/ui/interface_settings_dialog.h"
#include "prefs/user_records.h"
#include "store/database.h"
#include "support/modal_driver.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

constexpr int kDad = 1;
constexpr int kMom = 2;

class InterfaceSettingsTest : public testing::AppUiTest {
 protected:
  void SetUp() override {
    AppUiTest::SetUp();
    settings::SetNumber(settings::UserKey(kMom), "HideDailyNote", 1);
    EXPECT_EQ(1, Database::OpenDatabase(Database::kDemoData));
    frame_ = std::make_unique<CMainFrame>(true, kMom);
    EXPECT_TRUE(frame_->Create());
    frame_->ShowPlaced();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
  }
  void TearDown() override { frame_->close(); }

  QColor MenuColour() const { return frame_->menuBar()->palette().color(QPalette::Window); }
  QString Greeting() const {
    auto* home = qobject_cast<CCtrlWndMain*>(frame_->Module());
    return home ? home->Home()->findChild<QLabel*>("greeting")->text() : QString();
  }

  std::unique_ptr<CMainFrame> frame_;
};

TEST_F(InterfaceSettingsTest, ChosenLookIsStoredAndAppliedAtOnce) {
  bool done = false;
  testing::OnModal<CInterfaceSettingsDlg>(testing::ChooseLook("金色沙漠", 2, "家和万事兴"), &done);
  frame_->MenuAction(cmd::kDisplaySettings)->trigger();
  ASSERT_TRUE(done);

  const std::optional<UserRecord> mom = FindUserByNumber(kMom);
  ASSERT_TRUE(mom.has_value());
  EXPECT_EQ(mom->color_type, 2);
  EXPECT_EQ(mom->font_type, 2);
  EXPECT_EQ(mom->welcome_word, "家和万事兴");
  EXPECT_EQ(frame_->Profile().welcome_word, "家和万事兴");
  // Applied without logging in again: menu colour, font, and the home page.
  EXPECT_EQ(MenuColour(), StoredColour(0xDCFAFA));
  EXPECT_EQ(QApplication::font().pointSizeF(), 12);
  EXPECT_EQ(Greeting(), "家和万事兴");
  EXPECT_EQ(frame_->Module()->Backdrop()->BaseColour(), StoredColour(0xDCFAFA)) << "the main colour under pictures";
}

TEST_F(InterfaceSettingsTest, CancelTakesThePreviewBack) {
  const QColor before = MenuColour();
  const double font_before = QApplication::font().pointSizeF();
  bool done = false;
  testing::OnModal<CInterfaceSettingsDlg>(
      [&](CInterfaceSettingsDlg* dialog) {
        auto* themes = dialog->findChild<QListWidget*>("themeList");
        themes->setCurrentItem(themes->findItems("粉红玫瑰", Qt::MatchExactly).front());
        // The frame shows the theme being tried while the dialog is open.
        EXPECT_EQ(MenuColour(), StoredColour(0xFAEBFA));
        EXPECT_FALSE(dialog->findChild<QPushButton*>("changeColour")->isEnabled());
        dialog->reject();
      },
      &done);
  frame_->MenuAction(cmd::kDisplaySettings)->trigger();
  ASSERT_TRUE(done);
  EXPECT_EQ(MenuColour(), before);
  EXPECT_EQ(QApplication::font().pointSizeF(), font_before);
  EXPECT_EQ(FindUserByNumber(kMom)->color_type, frame_->Profile().color_type);
}

TEST_F(InterfaceSettingsTest, PictureThatCannotBeShownIsNotTaken) {
  const QString junk = QString::fromStdString(home_.path()) + "/not-a-picture.gif";
  QFile file(junk);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("GIF? no");
  file.close();
  bool done = false;
  testing::OnModal<CInterfaceSettingsDlg>(
      [&](CInterfaceSettingsDlg* dialog) {
        EXPECT_FALSE(dialog->TakePhoto(junk));
        EXPECT_TRUE(dialog->Result().welcome_picture.empty()) << "the stored photo (the default) stays";
        dialog->accept();
      },
      &done);
  frame_->MenuAction(cmd::kDisplaySettings)->trigger();
  ASSERT_TRUE(done);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"文件格式错误，不能打开这种格式的文件。"});
  EXPECT_TRUE(FindUserByNumber(kMom)->welcome_picture.empty());
}

TEST_F(InterfaceSettingsTest, HomeBackgroundIsStoredForItsUserAndShownAtOnce) {
  auto* home = qobject_cast<CCtrlWndMain*>(frame_->Module());
  ASSERT_NE(home, nullptr);
  const QColor plain = home->Home()->viewport()->grab().toImage().pixelColor(2, 2);
  QAction* background = frame_->ToolbarAction(cmd::kBackground);
  ASSERT_TRUE(background->isEnabled());
  const std::string flower = ResourcePath("Image/Flower2.jpg");
  bool done = false;
  testing::OnModal<CBackgroundDlg>(
      [&](CBackgroundDlg* dialog) {
        dialog->findChild<QCheckBox*>("isPicture")->click();
        EXPECT_TRUE(dialog->TakePicture(QString::fromStdString(flower)));
        dialog->findChild<QRadioButton*>("placement2")->click();
        dialog->accept();
      },
      &done);
  background->trigger();
  ASSERT_TRUE(done);

  const WindowBackground tiled{true, flower, DisplayCode(Placement::kTiled, true), 70};
  EXPECT_EQ(LoadWindowBackground(kMom, kHomeWindow), tiled);
  EXPECT_EQ(LoadWindowBackground(kDad, kHomeWindow), DefaultWindowBackground(kHomeWindow));
  EXPECT_EQ(home->Backdrop()->Background(), tiled);
  EXPECT_NE(home->Home()->viewport()->grab().toImage().pixelColor(2, 2), plain) << "the picture shows at once";
}

TEST_F(InterfaceSettingsTest, StatisticsAndBudgetChartsCarryTheirBackgrounds) {
  const struct {
    int page;
    int window;
  } cases[] = {{32920, kStatisticsWindow}, {32960, kBudgetWindow}};
  for (const auto& c : cases) {
    ASSERT_TRUE(frame_->ShowPage(c.page)) << c.page;
    const WindowBackdrop* shown = frame_->Module()->Backdrop();
    EXPECT_EQ(shown->Background(), DefaultWindowBackground(c.window)) << c.page;
    EXPECT_FALSE(shown->Picture().isNull()) << c.page;
    EXPECT_EQ(shown->BaseColour(), frame_->Module()->palette().color(QPalette::Window)) << c.page;
  }
  // A background stored for the user replaces the default when the window opens.
  const WindowBackground plain{false, "", 0, 50};
  ASSERT_TRUE(StoreWindowBackground(kMom, kStatisticsWindow, plain));
  ASSERT_TRUE(frame_->ShowPage(32920));
  EXPECT_EQ(frame_->Module()->Backdrop()->Background(), plain);
}

TEST_F(InterfaceSettingsTest, MusicMenuFollowsThePlayer) {
  QAction* play = frame_->MenuAction(cmd::kMusicPlay);
  EXPECT_TRUE(play->isEnabled());
  EXPECT_FALSE(frame_->MenuAction(cmd::kMusicPause)->isEnabled());
  EXPECT_FALSE(frame_->MenuAction(cmd::kMusicStop)->isEnabled());
  EXPECT_TRUE(frame_->MenuAction(cmd::kMusicInOrder)->isChecked());
  frame_->MenuAction(cmd::kMusicRandom)->trigger();
  EXPECT_TRUE(frame_->MenuAction(cmd::kMusicRandom)->isChecked());
  EXPECT_FALSE(frame_->MenuAction(cmd::kMusicInOrder)->isChecked());
  EXPECT_EQ(settings::GetNumber(settings::UserKey(kMom), "MusicPlaySequence"), 1);
  // No folder yet: asked, and No leaves the music off.
  play->trigger();
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{music_texts::kAskSetFolder});
  EXPECT_EQ(frame_->Music().Music().state(), CMusicPlayer::kNotOpen);
}

}  // namespace
}  // namespace cw
