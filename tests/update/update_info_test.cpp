#include "update/update_info.h"

#include <gtest/gtest.h>

namespace cw::update {
namespace {

std::string Files(const std::optional<UpdateInfo>& info) {
  std::string out;
  for (const auto& f : info->files) out += f.path + "=" + std::to_string(f.checkNumber) + ";";
  return out;
}

TEST(UpdateInfoTest, ReadsEntriesWithAnySeparatorAndSurroundingText) {
  const auto info = ParseUpdateInfo(
      "[Version=2.35]\r\n[Date:2026-12-01]\r\n[Description#修正了错误\r\n第二行]\r\n"
      "[File=Coinwright.exe,CheckNumber=622872]\r\n"
      "[File Config\\DailyNotes.xml, CheckNumber=-5]\r\n");
  ASSERT_TRUE(info);
  EXPECT_DOUBLE_EQ(2.35, info->version);
  EXPECT_EQ("2026-12-01", info->date);
  EXPECT_EQ("修正了错误\r\n第二行", info->description);
  EXPECT_EQ("Coinwright.exe=622872;Config\\DailyNotes.xml=-5;", Files(info));
}

TEST(UpdateInfoTest, SearchesEachKeyAfterThePreviousValue) {
  // "Date" inside the version text is not taken; keys are plain substrings, so
  // "MyFile" counts as a File key; a Version value that atof cannot read is 0.
  const auto info = ParseUpdateInfo("Version= x Date ]Date=d]Description=v]MyFile=a.txt,CheckNumber= +7]");
  ASSERT_TRUE(info);
  EXPECT_EQ(0.0, info->version);
  EXPECT_EQ("d", info->date);
  EXPECT_EQ("a.txt=7;", Files(info));
}

TEST(UpdateInfoTest, RefusesIncompleteFiles) {
  const struct {
    const char* name;
    const char* text;
  } kCases[] = {
      {"empty", ""},
      {"no version", "Date=d]Description=x]File=a,CheckNumber=1]"},
      {"no date", "Version=1]Description=x]File=a,CheckNumber=1]"},
      {"date before version", "Date=d]Version=1]Description=x]File=a,CheckNumber=1]"},
      {"no description", "Version=1]Date=d]File=a,CheckNumber=1]"},
      {"no file", "Version=1]Date=d]Description=x]"},
      {"file without check number", "Version=1]Date=d]Description=x]File=a,CheckNumber=1]File=b,"},
      {"file without terminator", "Version=1]Date=d]Description=x]File=a"},
      {"version without terminator", "Version=1"},
      {"key at the very end", "Version"},
      {"check number not a number", "Version=1]Date=d]Description=x]File=a,CheckNumber=x]"},
      {"check number beyond 32 bits", "Version=1]Date=d]Description=x]File=a,CheckNumber=4294967296]"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ParseUpdateInfo(c.text));
  }
}

TEST(UpdateInfoTest, SurvivesTruncationAtEveryByte) {
  const std::string text = "Version=2.5]Date=d]Description=x]File=a,CheckNumber=1]";
  for (std::size_t n = 0; n < text.size(); ++n) EXPECT_FALSE(ParseUpdateInfo(text.substr(0, n))) << n;
  EXPECT_TRUE(ParseUpdateInfo(text));
}

TEST(UpdateInfoTest, UpdateNeededOnlyBeyondTolerance) {
  EXPECT_TRUE(UpdateNeeded(2.35, 2.34));
  EXPECT_FALSE(UpdateNeeded(2.35, 2.35));
  EXPECT_FALSE(UpdateNeeded(2.35, 2.3 + 0.05));  // equal within 1e-7 though not bitwise
  EXPECT_FALSE(UpdateNeeded(2.35 + 0.5e-7, 2.35));
  EXPECT_TRUE(UpdateNeeded(2.35 + 2e-7, 2.35));
  EXPECT_FALSE(UpdateNeeded(2.34, 2.35));
}

}  // namespace
}  // namespace cw::update
