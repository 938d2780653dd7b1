// The settings file: missing values, numbers versus texts, and persistence.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "core/settings.h"
#include "support/temp_home.h"

namespace cw {
namespace {

TEST(SettingsTest, MissingValuesReadAsZeroOrEmpty) {
  testing::TempHome home;
  EXPECT_EQ(0, settings::GetNumber("", "TypeUser"));
  EXPECT_FALSE(settings::HasNumber("", "TypeUser"));
  EXPECT_EQ("", settings::GetText("", "InitRichItem"));
  settings::SetText("", "InitRichItem", "502");
  EXPECT_FALSE(settings::HasNumber("", "Nothing"));
  EXPECT_EQ(502, settings::GetNumber("", "InitRichItem")) << "a text of digits reads as its number";
  settings::SetText("", "Word", "abc");
  EXPECT_FALSE(settings::HasNumber("", "Word"));
  EXPECT_EQ(0, settings::GetNumber("", "Word"));
  settings::SetNumber("x", "", 5);  // an empty name does nothing
  EXPECT_EQ(0, settings::GetNumber("x", ""));
}

TEST(SettingsTest, ValuesPersistPerKeyPath) {
  testing::TempHome home;
  settings::SetNumber(settings::TableKey(3, 32930), "Col2", 120);
  settings::SetNumber(settings::UserKey(3), "HideNavigationWnd", 1);
  settings::SetText("Wnd", "Note", "两行\n文字");
  EXPECT_EQ("User3/T930", settings::TableKey(3, 32930));
  struct stat info;
  ASSERT_EQ(0, ::stat(settings::FilePath().c_str(), &info));
  EXPECT_EQ(0600u, info.st_mode & 0777) << "readable by its owner only";
  // Another process writes the file: the change is read back.
  {
    std::ifstream in(settings::FilePath());
    std::string all((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(std::string::npos, all.find("[User3/T930]\nCol2=120\n"));
  }
  std::ofstream(settings::FilePath(), std::ios::app) << "[Wnd]\nWidth=1024\n";
  EXPECT_EQ(1024, settings::GetNumber("Wnd", "Width"));
  EXPECT_EQ(120, settings::GetNumber("User3/T930", "Col2"));
  EXPECT_EQ(1, settings::GetNumber("User3", "HideNavigationWnd"));
  EXPECT_EQ("两行 文字", settings::GetText("Wnd", "Note"));
  EXPECT_EQ(0, settings::GetNumber("User4", "HideNavigationWnd"));
}

}  // namespace
}  // namespace cw
