// The tips of the day: reading the file, browsing with wrap-around, the
// text layout, when the dialog opens, and the shipped tips file.
#include "home/daily_notes.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/scripted_prompter.h"
#include "core/settings.h"
#include "home/daily_note_start.h"
#include "home/resource_path.h"
#include "support/temp_home.h"

namespace cw {
namespace {

class DailyNotesTest : public ::testing::Test {
 protected:
  void SetUp() override { guard_ = std::make_unique<PrompterGuard>(prompter_); }
  void TearDown() override { guard_.reset(); }

  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = home_.path() + "/" + name;
    std::ofstream(path) << content;
    return path;
  }

  testing::TempHome home_;
  ScriptedPrompter prompter_;
  std::unique_ptr<PrompterGuard> guard_;
};

constexpr char kThreeNotes[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<DailyNotes>
  <note name="记账"><p>第一段。</p><p>第二段。</p></note>
  <other name="忽略"><p>不是帖子</p></other>
  <note name="预算"><p>只有一段。</p></note>
  <note name="空帖"/>
</DailyNotes>
)";

TEST_F(DailyNotesTest, ReadsNotesInFileOrder) {
  std::vector<DailyNote> notes;
  ASSERT_TRUE(ReadDailyNotes(Write("notes.xml", kThreeNotes), &notes));
  EXPECT_EQ(notes, (std::vector<DailyNote>{{"记账", "第一段。\n第二段。"}, {"预算", "只有一段。"}, {"空帖", ""}}));
}

TEST_F(DailyNotesTest, MissingOrBrokenFilesAreFailures) {
  std::vector<DailyNote> notes{{"旧", "旧"}};
  EXPECT_FALSE(ReadDailyNotes(home_.path() + "/none.xml", &notes));
  EXPECT_TRUE(notes.empty());
  EXPECT_FALSE(ReadDailyNotes(Write("broken.xml", "<DailyNotes><note name=\"x\"><p>y</note>"), &notes));
  EXPECT_TRUE(ReadDailyNotes(Write("empty.xml", "<DailyNotes/>"), &notes));
  EXPECT_TRUE(notes.empty());
}

TEST_F(DailyNotesTest, BrowsingWrapsAroundBothWays) {
  const std::vector<DailyNote> notes{{"一", ""}, {"二", ""}, {"三", ""}};
  DailyNoteBrowser browser(notes, 0);
  EXPECT_EQ(browser.Current().name, "一");
  browser.Previous();
  EXPECT_EQ(browser.Current().name, "三");
  browser.Next();
  browser.Next();
  EXPECT_EQ(browser.Current().name, "二");

  DailyNoteBrowser at_last(notes, 10002);  // 10002 mod 3 = 0
  EXPECT_EQ(at_last.Current().name, "一");
  at_last.Next();
  at_last.Next();
  at_last.Next();
  EXPECT_EQ(at_last.Current().name, "一");
  EXPECT_GE(DailyNoteBrowser::RandomStart(), 10000);
}

TEST_F(DailyNotesTest, NameIsCentredAboveTheText) {
  const DailyNote note{"理财", "正文"};
  // 20 columns, a name 4 columns wide: (20 - 4) / 2 - 2 = 6 blanks.
  EXPECT_EQ(NoteDisplayText(note, 20), "\n      理财\n\n正文");
  EXPECT_EQ(NoteDisplayText(note, 8), "\n理财\n\n正文");
  EXPECT_EQ(NoteDisplayText(note, 2), "\n理财\n\n正文");
}

TEST_F(DailyNotesTest, WhenTheDialogOpens) {
  const std::string good = Write("good.xml", kThreeNotes);
  const std::string empty = Write("empty.xml", "<DailyNotes/>");
  const std::string missing = home_.path() + "/missing.xml";
  struct Case {
    bool hidden;
    bool at_login;
    const std::string& path;
    bool opens;
    bool reports;
  } cases[] = {
      {false, true, good, true, false},     {true, true, good, false, false},
      {true, false, good, true, false},     // the menu ignores the login choice
      {false, true, missing, false, false}, {false, false, missing, false, true},
      {false, false, empty, false, true},
  };
  for (const Case& c : cases) {
    prompter_.shown.clear();
    settings::SetNumber(settings::UserKey(2), "HideDailyNote", c.hidden ? 1 : 0);
    const auto notes = NotesToShow(2, c.at_login, c.path);
    EXPECT_EQ(notes.has_value(), c.opens) << c.path << " hidden " << c.hidden << " login " << c.at_login;
    if (c.reports) {
      ASSERT_EQ(prompter_.shown.size(), 1u);
      EXPECT_EQ(prompter_.shown[0].text, "无法打开每日一帖文件。");
    } else {
      EXPECT_TRUE(prompter_.shown.empty());
    }
  }
}

TEST_F(DailyNotesTest, TheLoginChoiceIsStoredPerUser) {
  SetShowDailyNoteAtLogin(3, false);
  EXPECT_EQ(settings::GetNumber("User3", "HideDailyNote"), 1);
  EXPECT_FALSE(ShowDailyNoteAtLogin(3));
  EXPECT_TRUE(ShowDailyNoteAtLogin(4));
  SetShowDailyNoteAtLogin(3, true);
  EXPECT_EQ(settings::GetNumber("User3", "HideDailyNote"), 0);
}

TEST_F(DailyNotesTest, TheShippedFileHoldsUsefulNotes) {
  std::vector<DailyNote> notes;
  ASSERT_TRUE(ReadDailyNotes(DailyNotesPath(), &notes)) << DailyNotesPath();
  EXPECT_GE(notes.size(), 20u);
  for (const DailyNote& note : notes) {
    EXPECT_FALSE(note.name.empty());
    EXPECT_GE(note.text.size(), 30u) << note.name;
  }
}

TEST(ResourcePath, FindsShippedFilesAndNamesMissingOnes) {
  const std::string picture = ResourcePath("Default.gif");
  EXPECT_TRUE(std::ifstream(picture).good()) << picture;
  const std::string missing = ResourcePath("Image/NoSuchPicture.jpg");
  EXPECT_NE(missing.find("share/coinwright/Image/NoSuchPicture.jpg"), std::string::npos) << missing;
  EXPECT_FALSE(std::ifstream(missing).good());
}

}  // namespace
}  // namespace cw
