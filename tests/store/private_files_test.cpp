// The data home and the files kept in it are readable by their owner only.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "store/database.h"
#include "store/private_files.h"
#include "support/store_fixture.h"

namespace cw {
namespace {

using PrivateFilesTest = testing::StoreTest;

int ModeOf(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

TEST_F(PrivateFilesTest, NewFilesAndFoldersAreTheOwnersOnly) {
  const std::string data = Database::FilePath(Database::kUserData);
  ASSERT_EQ(1, Database::Execute("CREATE TABLE Scratch (x)"));  // the journals exist now
  for (const std::string& path : {data, data + "-wal", data + "-shm", Database::FilePath(Database::kDemoData)}) {
    EXPECT_EQ(0600, ModeOf(path)) << path;
  }
  const std::string folder = home_.path() + "/new/home";
  std::string error;
  ASSERT_TRUE(MakePrivateFolder(folder, &error)) << error;
  EXPECT_EQ(0700, ModeOf(folder));
  EXPECT_FALSE(MakePrivateFolder(data, &error)) << "a file is no data home";
}

TEST_F(PrivateFilesTest, WiderModesAreNarrowedAtOpenAndToldOnce) {
  Database::CloseDatabase();
  const std::string& home = home_.path();
  std::filesystem::create_directory(home + "/Backup");
  std::ofstream(home + "/Backup/CW_20261210.db") << "backup";
  std::ofstream(home + "/Coinwright.ini") << "[Wnd]\n";
  std::ofstream(home + "/Coinwright.lock") << "4242\n";
  ::chmod(home.c_str(), 0755);
  ::chmod((home + "/Backup").c_str(), 0755);
  ::chmod((home + "/Backup/CW_20261210.db").c_str(), 0644);
  ::chmod((home + "/Coinwright.ini").c_str(), 0644);
  ::chmod((home + "/Coinwright.lock").c_str(), 0644);
  ::chmod(Database::FilePath(Database::kUserData).c_str(), 0664);
  ::chmod(Database::FilePath(Database::kDemoData).c_str(), 0400);

  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ(0700, ModeOf(home));
  EXPECT_EQ(0700, ModeOf(home + "/Backup"));
  EXPECT_EQ(0600, ModeOf(home + "/Backup/CW_20261210.db"));
  EXPECT_EQ(0600, ModeOf(home + "/Coinwright.ini"));
  EXPECT_EQ(0600, ModeOf(Database::FilePath(Database::kUserData)));
  EXPECT_EQ(0400, ModeOf(Database::FilePath(Database::kDemoData))) << "the owner keeps his own rights";
  EXPECT_EQ(0644, ModeOf(home + "/Coinwright.lock")) << "the lock holds no data";
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("数据目录" + home + "中的数据文件原来其他用户也能读取，现已改为只有您自己能读写。", prompter_.shown[0].text);

  Database::CloseDatabase();
  ASSERT_EQ(1, Database::OpenDatabase(Database::kUserData));
  EXPECT_EQ(1u, prompter_.shown.size()) << "said once";
}

}  // namespace
}  // namespace cw
