// The "显示设置" dialog: moving entries between its lists with the buttons.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "base/scripted_prompter.h"
#include "controls/column_chooser.h"

namespace cw {
namespace {

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

TEST(ColumnChooserTest, ButtonsMoveEntriesAndExplainRefusals) {
  ScriptedPrompter prompter;
  PrompterGuard guard(prompter);
  CColumnChooser chooser({{.title = "日期", .required = true},
                          {.title = "说明"},
                          {.title = "制单", .visible = false}});
  EXPECT_EQ("显示设置", chooser.windowTitle());
  auto* hidden = chooser.findChild<QListWidget*>("hiddenColumns");
  auto* shown = chooser.findChild<QListWidget*>("shownColumns");
  auto press = [&](const char* name) { QTest::mouseClick(chooser.findChild<QPushButton*>(name), Qt::LeftButton); };
  EXPECT_EQ(QStringList({"* 日期", "说明"}), Texts(shown));
  EXPECT_EQ(QStringList({"制单"}), Texts(hidden));

  press("hideButton");
  ASSERT_EQ(1u, prompter.shown.size());
  EXPECT_EQ("请先从表格中选择一条记录，再进行操作。", prompter.shown[0].text);

  shown->item(0)->setSelected(true);
  press("hideButton");
  ASSERT_EQ(2u, prompter.shown.size());
  EXPECT_EQ("日期是必须显示的列，不能删除。", prompter.shown[1].text);
  EXPECT_EQ(QStringList({"* 日期", "说明"}), Texts(shown));

  shown->item(1)->setSelected(true);
  press("hideButton");
  EXPECT_EQ(QStringList({"* 日期"}), Texts(shown));
  press("showAllButton");
  EXPECT_TRUE(Texts(hidden).isEmpty());
  press("hideAllButton");
  EXPECT_EQ(QStringList({"* 日期"}), Texts(shown));
  hidden->item(1)->setSelected(true);
  press("showButton");
  EXPECT_EQ(QStringList({"* 日期", "制单"}), Texts(shown));
  EXPECT_EQ((std::vector<int>{0, 2}), chooser.Choice().Shown());
}

}  // namespace
}  // namespace cw
