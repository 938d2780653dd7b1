// The database management page, the reminder and the credit-card choice, offscreen.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "core/backup_settings.h"
#include "core/data_sets.h"
#include "plans/ui/convert_credit_card.h"
#include "store/database.h"
#include "store/ui/database_commands.h"
#include "store/ui/db_wnd.h"
#include "store/ui/manual_backup_db.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

class DatabasePageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(1, OpenDataSet(Database::kUserData)); }
  void TearDown() override { SetFileChooser({}); }

  testing::TempHome home_;
  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
};

QString PageText(const CDBWnd& page) {
  QString text;
  for (const QLabel* label : page.findChildren<QLabel*>()) text += label->text() + "\n";
  return text;
}

TEST_F(DatabasePageTest, PageNamesTheFoldersAndFollowsTheSettings) {
  CDBWnd page;
  QString text = PageText(page);
  EXPECT_TRUE(text.contains("  备份数据库") && text.contains("  还原数据库") && text.contains("  压缩数据库"));
  EXPECT_TRUE(text.contains(QString::fromStdString("数据库自动备份到" + DefaultBackupFolder() + "目录中")));
  EXPECT_TRUE(text.contains("保留最近5次的备份文件"));
  EXPECT_TRUE(text.contains(QString::fromStdString("复制到" + home_.path() + "目录中，删除或备份原有的CW.db文件")));
  ASSERT_TRUE(StoreBackupSettings({3, "/media/usb/Backup"}));
  page.Reload();
  EXPECT_TRUE(PageText(page).contains("自动备份到/media/usb/Backup目录中。\n    保留最近3次"));
  EXPECT_FALSE(page.RunCommand(999));
}

TEST_F(DatabasePageTest, ReminderClosesOnlyWhenACopyWasWritten) {
  CManualBackupDB reminder(7, 12, nullptr);
  EXPECT_TRUE(reminder.findChild<QLabel*>("greeting")->text().contains("您有12天没有备份数据库文件了"));
  auto* intervals = reminder.findChild<QComboBox*>("intervals");
  EXPECT_EQ("10天", intervals->currentText()) << "an interval not offered shows as 10 days";
  intervals->setCurrentIndex(intervals->findText("30天"));
  EXPECT_EQ(30, reminder.Interval());

  std::string proposed;
  SetFileChooser([&](QWidget*, const std::string& title, const std::string& path, bool save) {
    EXPECT_EQ("备份数据库", title);
    EXPECT_TRUE(save);
    proposed = path;
    return Database::FilePath(Database::kUserData);  // the live file: refused
  });
  reminder.show();
  reminder.findChild<QPushButton*>("backup")->click();
  EXPECT_TRUE(reminder.isVisible()) << "a refused backup keeps the reminder open";
  EXPECT_EQ(0u, proposed.find(home_.path() + "/CW_")) << proposed;
  ASSERT_EQ(1u, prompter_.shown.size());

  const std::string target = home_.path() + "/usb.db";
  SetFileChooser([&](QWidget*, const std::string&, const std::string&, bool) { return target; });
  reminder.findChild<QPushButton*>("backup")->click();
  EXPECT_FALSE(reminder.isVisible());
  EXPECT_EQ(QDialog::Accepted, reminder.result());
  EXPECT_TRUE(fs::exists(target));
}

TEST_F(DatabasePageTest, CardChoiceMovesAccountsBetweenTheLists) {
  CConvertCreditCard dialog({{{"20102", "向朋友借"}, {"20103", "房贷"}}, {{"20101", "招商信用卡"}}});
  auto* borrowing = dialog.findChild<QListWidget*>("borrowing");
  dialog.findChild<QPushButton*>("add")->click();
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("请先从表格中选择一条记录，再进行操作。", prompter_.shown[0].text);
  borrowing->item(1)->setSelected(true);
  dialog.findChild<QPushButton*>("add")->click();
  EXPECT_EQ((std::vector<AccountRef>{{"20101", "招商信用卡"}, {"20103", "房贷"}}), dialog.Choice().cards);
  dialog.findChild<QPushButton*>("removeAll")->click();
  EXPECT_TRUE(dialog.Choice().cards.empty());
  EXPECT_EQ(3u, dialog.Choice().borrowing.size());
}

}  // namespace
}  // namespace cw
