// backup, restore, compact, check and upgrade from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "core/schema_version.h"
#include "prefs/rights.h"
#include "prefs/user_records.h"
#include "store/database.h"

namespace cw::testing {
namespace {

namespace fs = std::filesystem;

int VoucherCount(const CliHome& home) {
  CliResult r = home.Run({"--json", "vouchers"});
  EXPECT_EQ(0, r.code) << r.err;
  return static_cast<int>(r.Json("vouchers").size());
}

void Book(const CliHome& home, const char* day) {
  CliResult r = home.Run({"book", "--date", day, "--kind", "3", "--acc1", "601", "--acc2", "101", "--amount", "10"});
  ASSERT_EQ(0, r.code) << r.err;
}

TEST(DataSafetyVerbs, BackupRestoreCompactAndCheck) {
  CliHome home;
  Book(home, "2026-11-01");
  CliResult rotate = home.Run({"--json", "backup", "--rotate"});
  ASSERT_EQ(0, rotate.code) << rotate.err;
  EXPECT_EQ("rotated", rotate.Json("result")["done"]);
  EXPECT_TRUE(fs::exists(home.path() + "/Backup/CW_1.db"));
  EXPECT_EQ("refreshed the copy of today", home.Run({"--json", "backup", "--rotate"}).Json("result")["done"]);

  const std::string copy = home.path() + "/one.db";
  ASSERT_EQ(0, home.Run({"backup", "--to", copy}).code);
  CliResult live = home.Run({"backup", "--to", home.path() + "/./CW.db"});
  EXPECT_EQ(1, live.code);
  EXPECT_NE(std::string::npos, live.err.find("系统当前使用的数据库")) << live.err;

  Book(home, "2026-11-02");
  EXPECT_EQ(2, home.Run({"restore", copy}).code) << "a restore must be confirmed";
  CliResult text = home.Run({"restore", home.WriteFile("notes.txt", "not a ledger"), "--yes"});
  EXPECT_EQ(1, text.code);
  EXPECT_NE(std::string::npos, text.err.find("不是本程序的数据库文件")) << text.err;
  EXPECT_EQ(2, VoucherCount(home));
  CliResult restore = home.Run({"restore", copy, "--yes"});
  ASSERT_EQ(0, restore.code) << restore.err;
  EXPECT_NE(std::string::npos, restore.err.find("CW_before_restore_")) << "the user is told where the old data is";
  EXPECT_EQ(1, VoucherCount(home));

  EXPECT_EQ(0, home.Run({"compact"}).code);
  CliResult check = home.Run({"check"});
  EXPECT_EQ(0, check.code) << check.err;
  EXPECT_EQ(1, VoucherCount(home));
}

TEST(DataSafetyVerbs, AnOldDataSetIsUpgradedOnlyByTheUpgradeVerb) {
  CliHome home;
  Book(home, "2026-11-01");
  {
    Database::SetDataHome(home.path());
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    Database::Execute(Database::LoadStatement(398), {EncodeVersion(1.5)});
    Database::Execute("UPDATE AccountInput SET Input_Type = 4");
    Database::Execute("UPDATE Detail_Input SET Item_No = '102' WHERE Line_No = 1");  // cash taken from the bank
    Database::Execute("UPDATE Detail_Input SET Item_No = '101' WHERE Line_No = 0");
    Database::CloseDatabase();
  }
  CliResult refused = home.Run({"vouchers"});
  EXPECT_EQ(1, refused.code);
  EXPECT_NE(std::string::npos, refused.err.find("coinwright-cli upgrade")) << refused.err;
  CliResult missing = home.Run({"upgrade"});
  EXPECT_EQ(1, missing.code);
  EXPECT_NE(std::string::npos, missing.err.find("--interest-account")) << missing.err;
  EXPECT_EQ(1, home.Run({"upgrade", "--interest-account", "504", "--card-accounts", "601"}).code)
      << "only borrowing accounts can become cards";

  CliResult upgrade = home.Run({"--json", "upgrade", "--interest-account", "504"});
  ASSERT_EQ(0, upgrade.code) << upgrade.err;
  EXPECT_EQ("data set at version 3.40", upgrade.Json("result")["done"]);
  CliResult shown = home.Run({"--json", "show", "202611001"});
  ASSERT_EQ(0, shown.code) << shown.err;
  EXPECT_NE(std::string::npos, shown.out.find("504")) << "the withdrawal got its interest line: " << shown.out;
  EXPECT_TRUE(fs::exists(home.path() + "/Backup/CW_before_upgrade_1.50.db"));
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The login and the verb's right come before anything is written: a user
// without 系统管理 does not upgrade an old data set.
TEST(DataSafetyVerbs, AnUpgradeIsRefusedBeforeItWritesToAUserWithoutTheRight) {
  CliHome home;
  Book(home, "2026-11-01");
  ASSERT_EQ(0, home.Run({"useradd", "客人", "--new-password-file", home.WriteFile("none", "")}).code);
  {
    Database::SetDataHome(home.path());
    ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
    ASSERT_TRUE(WriteRights(FindUserByName("客人")->person_no, Rights::None()));
    Database::Execute(Database::LoadStatement(398), {EncodeVersion(1.5)});
    Database::CloseDatabase();
  }
  const std::string file = home.path() + "/CW.db";
  const std::string before = FileBytes(file);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--user", "客人", "upgrade", "--interest-account", "504"},
                                               std::vector<std::string>{"--user", "客人", "compact"}}) {
    SCOPED_TRACE(args[2]);
    CliResult refused = home.Run(args);
    EXPECT_EQ(2, refused.code) << refused.err;
    EXPECT_NE(std::string::npos, refused.err.find("系统管理")) << refused.err;
    EXPECT_EQ(before, FileBytes(file)) << "the data set was written before the right was checked";
  }
  EXPECT_FALSE(fs::exists(home.path() + "/Backup/CW_before_upgrade_1.50.db"));
  CliResult upgrade = home.Run({"--json", "upgrade", "--interest-account", "504"});
  ASSERT_EQ(0, upgrade.code) << upgrade.err;
  EXPECT_NE(before, FileBytes(file));
}

}  // namespace
}  // namespace cw::testing
