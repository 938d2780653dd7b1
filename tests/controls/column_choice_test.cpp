// The choice of shown columns: the two lists, the messages for a missing
// choice and for a required column, and the moves of all entries.
#include <gtest/gtest.h>

#include "base/scripted_prompter.h"
#include "controls/column_choice.h"

namespace cw {
namespace {

class ColumnChoiceTest : public ::testing::Test {
 protected:
  ColumnChoiceTest()
      : choice_({{.title = "日期", .required = true},
                 {.title = "说明"},
                 {.title = "收入", .required = true},
                 {.title = "制单", .visible = false},
                 {.title = "审核", .visible = false}}) {}

  ScriptedPrompter prompter_;
  PrompterGuard guard_{prompter_};
  ColumnChoice choice_;
};

TEST_F(ColumnChoiceTest, ListsAndLabels) {
  EXPECT_EQ((std::vector<int>{0, 1, 2}), choice_.Shown());
  EXPECT_EQ((std::vector<int>{3, 4}), choice_.Hidden());
  EXPECT_EQ("* 日期", choice_.Label(0));
  EXPECT_EQ("说明", choice_.Label(1));
}

TEST_F(ColumnChoiceTest, NothingChosenAsksForAChoice) {
  EXPECT_FALSE(choice_.Hide({}));
  EXPECT_FALSE(choice_.Show({}));
  ASSERT_EQ(2u, prompter_.shown.size());
  EXPECT_EQ("请先从表格中选择一条记录，再进行操作。", prompter_.shown[0].text);
  EXPECT_EQ("操作错误", prompter_.shown[0].caption);
}

TEST_F(ColumnChoiceTest, RequiredColumnStaysShownAndTheUserIsTold) {
  EXPECT_TRUE(choice_.Hide({1, 2}));
  ASSERT_EQ(1u, prompter_.shown.size());
  EXPECT_EQ("收入是必须显示的列，不能删除。", prompter_.shown[0].text);
  EXPECT_EQ((std::vector<int>{0, 2}), choice_.Shown());

  EXPECT_TRUE(choice_.Show({3}));
  EXPECT_EQ((std::vector<int>{0, 2, 3}), choice_.Shown());
}

TEST_F(ColumnChoiceTest, MovingAllKeepsRequiredColumnsSilently) {
  choice_.HideAll();
  EXPECT_EQ((std::vector<int>{0, 2}), choice_.Shown());
  EXPECT_TRUE(prompter_.shown.empty());
  choice_.ShowAll();
  EXPECT_TRUE(choice_.Hidden().empty());
}

TEST_F(ColumnChoiceTest, AppliesVisibilityToTheTable) {
  GridModel model;
  model.SetColumns({{.title = "日期", .required = true},
                    {.title = "说明"},
                    {.title = "收入", .required = true},
                    {.title = "制单", .visible = false},
                    {.title = "审核", .visible = false}});
  choice_.Hide({1});
  choice_.Show({4});
  choice_.ApplyTo(model);
  std::vector<bool> visible;
  for (const GridColumn& column : model.Columns()) visible.push_back(column.visible);
  EXPECT_EQ((std::vector<bool>{true, false, true, false, true}), visible);
}

}  // namespace
}  // namespace cw
