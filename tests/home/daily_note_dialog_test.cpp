// The tip dialog: browsing with wrap-around and the "show after login" box.
#include "home/ui/daily_note.h"

#include <gtest/gtest.h>

#include <QCheckBox>

#include "core/settings.h"
#include "support/temp_home.h"

namespace cw {
namespace {

TEST(DailyNoteDialog, BrowsesAndRemembersTheLoginChoice) {
  testing::TempHome home;
  CDailyNote dialog(5);
  dialog.SetNotes({{"第一帖", "一的正文"}, {"第二帖", "二的正文"}, {"第三帖", "三的正文"}}, 0);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("每日一帖"));
  EXPECT_TRUE(dialog.ShownText().contains(QStringLiteral("第一帖")));

  dialog.ShowPrevious();
  EXPECT_EQ(dialog.CurrentNote().name, "第三帖");
  EXPECT_TRUE(dialog.ShownText().contains(QStringLiteral("第三帖")));
  EXPECT_TRUE(dialog.ShownText().endsWith(QStringLiteral("\n\n三的正文")));
  dialog.ShowNext();
  dialog.ShowNext();
  EXPECT_EQ(dialog.CurrentNote().name, "第二帖");

  QCheckBox* at_login = dialog.findChild<QCheckBox*>();
  ASSERT_NE(at_login, nullptr);
  EXPECT_TRUE(at_login->isChecked());
  at_login->click();
  EXPECT_EQ(settings::GetNumber(settings::UserKey(5), "HideDailyNote"), 1);
  at_login->click();
  EXPECT_EQ(settings::GetNumber(settings::UserKey(5), "HideDailyNote"), 0);
}

}  // namespace
}  // namespace cw
