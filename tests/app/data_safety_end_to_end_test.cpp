// The user data set kept safe as a household meets it in the desktop program,
// offscreen, on days set with COINWRIGHT_TODAY: every exit leaves a backup, a
// second exit the same day rotates nothing, the first exit of a new month
// compacts and reminds of the manual backup, a backup is restored through
// "数据库管理" and a text file offered as a backup is refused. And a data set
// written by an older version is upgraded after the login, with its questions.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/coinwright_app.h"
#include "app/ctrl_wnd_system.h"
#include "app/main_frame.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "calendar/calendar.h"
#include "controls/list_wnd.h"
#include "core/backup_settings.h"
#include "core/data_sets.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/schema_version.h"
#include "core/settings.h"
#include "desktop_driver.h"
#include "frame/app_commands.h"
#include "plans/ui/convert_credit_card.h"
#include "store/database.h"
#include "store/row_reader.h"
#include "store/ui/database_commands.h"
#include "store/ui/db_upgrade.h"
#include "store/ui/db_wnd.h"
#include "store/ui/manual_backup_db.h"
#include "support/modal_driver.h"
#include "ui/operate_prompt.h"

namespace cw {
namespace {

namespace fs = std::filesystem;
using testing::OnModal;

constexpr int kIncomePage = 32900;

class DataSafetyEndToEndTest : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv("COINWRIGHT_TODAY");
    SetFileChooser({});
  }

  // Runs the program once on `day` as the administrator of the user data:
  // `work` in the frame, then the exit with its backup, compaction and reminder.
  void Session(const char* day, const std::function<void(CMainFrame*)>& work) {
    ASSERT_EQ(0, setenv("COINWRIGHT_TODAY", day, 1));
    CCoinwrightApp app;
    CMainFrame* frame = testing::StartDesktop(app, home_.path(), {.user = "管理员"});
    ASSERT_NE(nullptr, frame);
    work(frame);
    frame->close();
    app.ExitInstance(0);
    EXPECT_FALSE(Database::IsOpen());
  }

  std::vector<std::string> BackupFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(DefaultBackupFolder())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  QTemporaryDir home_;
};

// The descriptions of a data file's vouchers, in number order.
std::vector<std::string> Descriptions() {
  std::vector<std::string> texts;
  CDBPack rows;
  rows.Open("SELECT D.Content FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No "
            "WHERE D.Line_No = 0 ORDER BY A.Voucher_No");
  for (; !rows.IsEnd(); rows.MoveNext()) texts.push_back(rows.GetText("Content"));
  return texts;
}

CDBWnd* DatabasePage(CMainFrame* frame) {
  auto* system = qobject_cast<CCtrlWndSystem*>(frame->Module());
  return system ? system->DatabasePage() : nullptr;
}

TEST_F(DataSafetyEndToEndTest, ExitsBackUpCompactMonthlyAndABackupIsRestored) {
  const testing::BookingEntry salary{.option = 0, .accounts = {"501", "101"}, .amount1 = "8000", .description = "三月工资"};

  // ---- The first exit ever: a backup, a compaction, the reminder's start.
  Session("2026-03-10", [&](CMainFrame* frame) {
    ASSERT_TRUE(testing::ShowPage(frame, kIncomePage));
    ASSERT_TRUE(testing::BookOnPage(frame, salary));
  });
  EXPECT_EQ(std::vector<std::string>{"CW_1.db"}, BackupFiles());
  const int march_compacted = settings::GetNumber("", "CompressTime");
  EXPECT_EQ(20260310, LocalDate(march_compacted));
  EXPECT_EQ(20260310, LocalDate(static_cast<std::time_t>(settings::GetNumber("", "ManualBackupTime")) * 86400));

  // ---- Again the same day: CW_1.db refreshed with the bonus, no rotation, no compaction.
  Session("2026-03-10", [&](CMainFrame* frame) {
    ASSERT_TRUE(testing::ShowPage(frame, kIncomePage));
    ASSERT_TRUE(testing::BookOnPage(frame, {.accounts = {"501", "101"}, .amount1 = "1500", .description = "三月奖金"}));
  });
  EXPECT_EQ(std::vector<std::string>{"CW_1.db"}, BackupFiles());
  EXPECT_EQ(march_compacted, settings::GetNumber("", "CompressTime"));

  // ---- The first exit in April: rotation, compaction, and after 33 days the reminder.
  QString greeting;
  bool reminded = false;
  Session("2026-04-12", [&](CMainFrame* frame) {
    ASSERT_TRUE(testing::ShowPage(frame, kIncomePage));
    ASSERT_TRUE(testing::BookOnPage(frame, {.accounts = {"501", "101"}, .amount1 = "8200", .description = "四月工资"}));
    OnModal<CManualBackupDB>(
        [&, frame](CManualBackupDB* reminder) {
          EXPECT_FALSE(frame->isVisible()) << "the window has gone; the reminder stands alone";
          greeting = reminder->findChild<QLabel*>("greeting")->text();
          auto* intervals = reminder->findChild<QComboBox*>("intervals");
          intervals->setCurrentIndex(intervals->findText("15天"));
          reminder->reject();
        },
        &reminded);
  });
  ASSERT_TRUE(reminded);
  EXPECT_TRUE(greeting.contains("您有33天没有备份数据库文件了")) << greeting.toStdString();
  EXPECT_EQ(15, settings::GetNumber("", "ManualBackupFreq"));
  EXPECT_EQ((std::vector<std::string>{"CW_1.db", "CW_2.db"}), BackupFiles());
  EXPECT_EQ(20260412, LocalDate(settings::GetNumber("", "CompressTime")));

  // ---- Restore March's copy through 数据库管理; then a text file is refused.
  const std::string march_copy = (fs::path(DefaultBackupFolder()) / "CW_2.db").string();
  QTemporaryDir documents;
  const std::string text_file = (fs::path(documents.path().toStdString()) / "notes.db").string();
  std::ofstream(text_file) << "这不是数据库\n";
  Session("2026-04-12", [&](CMainFrame* frame) {
    ASSERT_TRUE(testing::ShowPage(frame, cmd::kDatabaseManagement));
    ASSERT_NE(nullptr, DatabasePage(frame));
    std::string offered = march_copy;
    SetFileChooser([&](QWidget*, const std::string& title, const std::string&, bool save) {
      EXPECT_EQ("还原数据库", title);
      EXPECT_FALSE(save);
      return offered;
    });
    QString question, told;
    OnModal<COperatePrompt>([&](COperatePrompt* prompt) {
      testing::Answer(true, &question)(prompt);
      OnModal<COperatePrompt>(testing::Answer(true, &told));
    });
    frame->ToolbarAction(CDBWnd::kRestore)->trigger();
    EXPECT_TRUE(question.startsWith("还原数据库后将用所选择的数据库替换当前使用的")) << question.toStdString();
    EXPECT_TRUE(told.startsWith("数据库已还原。")) << told.toStdString();
    EXPECT_TRUE(told.contains(QString::fromStdString(DefaultBackupFolder() + "/CW_before_restore_20260412_")))
        << told.toStdString();
    EXPECT_EQ((std::vector<std::string>{"三月工资", "三月奖金"}), Descriptions());

    // The April page shows March's income in the year's total, and no April voucher.
    ASSERT_TRUE(testing::ShowPage(frame, kIncomePage));
    const GridModel& table = qobject_cast<CCtrlWndAccountEasy*>(frame->Module())->Grid()->Model();
    EXPECT_EQ(-1, testing::RowWhere(table, "说明", "四月工资"));
    const int year_total = testing::RowWhere(table, "说明", "  2026 年 统 计");
    ASSERT_GE(year_total, 0);
    EXPECT_EQ("  2026 年 统 计|9500.00", testing::GridRows(table, {"说明", "收入"}).at(year_total));

    ASSERT_TRUE(testing::ShowPage(frame, cmd::kDatabaseManagement));
    offered = text_file;
    QString refusal;
    OnModal<COperatePrompt>([&](COperatePrompt* prompt) {
      testing::Answer(true)(prompt);
      OnModal<COperatePrompt>(testing::Answer(true, &refusal));
    });
    frame->ToolbarAction(CDBWnd::kRestore)->trigger();
    EXPECT_TRUE(refusal.contains("所选文件不是本程序的数据库文件")) << refusal.toStdString();
    EXPECT_EQ((std::vector<std::string>{"三月工资", "三月奖金"}), Descriptions());
  });
}

TEST_F(DataSafetyEndToEndTest, AnOlderDataSetIsUpgradedAfterTheLoginWithItsQuestions) {
  // A data set of version 1.5: a fund conversion from cash to the bank (a
  // withdrawal now) and a borrowing account named as a card.
  Database::SetDataHome(home_.path().toStdString());
  ASSERT_TRUE(EnsureDataSets());
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(349), {std::string("20101"), std::string("招商信用卡"), 7}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(263), {202603001, std::string("2026-03-05"), 0, 1, 4, 0, 0}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(264), {202603001, 0, std::string("取现"), std::string("101"), 500.0, 0}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(264), {202603001, 1, std::string("取现"), std::string("102"), 500.0, 1}));
  ASSERT_TRUE(Database::Execute(Database::LoadStatement(398), {EncodeVersion(1.5)}));
  Database::CloseDatabase();

  std::string interest_account;
  bool asked_interest = false, asked_cards = false;
  OnModal<CDBUpgrade>(
      [&](CDBUpgrade* dialog) {
        EXPECT_EQ("数据库升级 - 用户数据库", dialog->windowTitle().toStdString());
        interest_account = dialog->Account();
        dialog->accept();
      },
      &asked_interest);
  OnModal<CConvertCreditCard>([](CConvertCreditCard* dialog) { dialog->accept(); }, &asked_cards);
  CCoinwrightApp app;
  CMainFrame* frame = testing::StartDesktop(app, home_.path(), {.user = "管理员"});
  ASSERT_NE(nullptr, frame);
  EXPECT_TRUE(asked_interest);
  EXPECT_TRUE(asked_cards);
  EXPECT_FALSE(interest_account.empty());

  EXPECT_TRUE(fs::exists(fs::path(DefaultBackupFolder()) / "CW_before_upgrade_1.50.db"));
  CDBPack voucher;
  voucher.Open("SELECT A.Input_Type, D.Item_No FROM AccountInput A JOIN Detail_Input D ON D.Voucher_No = A.Voucher_No "
               "WHERE A.Voucher_No = 202603001 AND D.Line_No = 2");
  ASSERT_FALSE(voucher.IsEnd()) << "the withdrawal's interest line";
  EXPECT_EQ(41, voucher.GetByte("Input_Type"));
  EXPECT_EQ(interest_account, voucher.GetText("Item_No"));
  voucher.Close();
  CDBPack version;
  version.Open(Database::LoadStatement(383));
  EXPECT_EQ(EncodeVersion(ProgramVersion()), version.GetLong("Ver_DB"));
  version.Close();
  EXPECT_EQ(kTypeCreditCard, CItemCache::Instance().TypeOf("20101")) << "the borrowing account named as a card";

  frame->close();
  app.ExitInstance(0);
}

}  // namespace
}  // namespace cw
