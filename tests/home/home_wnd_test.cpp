// The home page window on the demonstration household and on a chart with an
// untyped leaf: it builds, shows the figures, animates the picture and turns
// link clicks into page requests.
#include "base/product.h"
#include "home/ui/home_wnd.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>

#include "calendar/calendar.h"
#include "core/data_sets.h"
#include "core/item_cache.h"
#include "home/home_texts.h"
#include "plans/card_cache.h"
#include "store/database.h"
#include "support/ledger_fixture.h"
#include "support/temp_home.h"

namespace cw {
namespace {

QLabel* LabelNamed(QWidget& window, const char* name) { return window.findChild<QLabel*>(QString::fromUtf8(name)); }

class HomeWndDemoTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new testing::TempHome();
    ASSERT_TRUE(CreateDataSet(Database::kDemoData));
    ASSERT_EQ(1, OpenDataSet(Database::kDemoData));  // as at login: the sample data moved up to today
    CItemCache::Instance().MarkDirty();
    CCreditCardCache::Instance().MarkStale();
  }
  static void TearDownTestSuite() {
    delete home_;
    home_ = nullptr;
  }
  static testing::TempHome* home_;
};
testing::TempHome* HomeWndDemoTest::home_ = nullptr;

TEST_F(HomeWndDemoTest, ShowsTheHouseholdToday) {
  CHomeWnd window(HomePageUser{});
  window.resize(900, 700);
  window.show();

  const HomeFigures& figures = window.Figures();
  EXPECT_TRUE(figures.untyped_notice.empty());
  ASSERT_FALSE(figures.card_bills.rows.empty());
  EXPECT_EQ(figures.card_bills.rows[0].key, "20201");
  EXPECT_EQ(figures.card_bills.rows[0].cells[0], "招商银行信用卡");

  const Ymd today = DateOfSerialDay(Today());
  QLabel* date = LabelNamed(window, "dateLine");
  ASSERT_NE(date, nullptr);
  EXPECT_TRUE(date->text().contains(QStringLiteral("<font color=\"red\">%1年%2月%3日</font>")
                                        .arg(today.year)
                                        .arg(today.month)
                                        .arg(today.day)))
      << date->text().toStdString();
  QLabel* greeting = LabelNamed(window, "greeting");
  ASSERT_NE(greeting, nullptr);
  EXPECT_EQ(greeting->text().toStdString(), kDefaultGreeting);
  EXPECT_TRUE(window.PictureIsPlaying());

  QLabel* expenses = LabelNamed(window, "本月支出分类统计表");
  ASSERT_NE(expenses, nullptr);
  EXPECT_TRUE(expenses->text().contains(QStringLiteral("合计")));
}

TEST_F(HomeWndDemoTest, LinksAskForTheirPage) {
  CHomeWnd window(HomePageUser{});
  window.show();
  QSignalSpy spy(&window, &CHomeWnd::openPage);
  QLabel* cards = LabelNamed(window, kCardSectionTitle);
  ASSERT_NE(cards, nullptr);
  emit cards->linkActivated(QStringLiteral("2:20201"));
  emit cards->linkActivated(QStringLiteral("not a page"));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toInt(), 2);
  EXPECT_EQ(spy[0][1].toString(), QStringLiteral("20201"));

  // The category table titles lead to the statistics pages.
  QList<QLabel*> labels = window.findChildren<QLabel*>();
  bool found = false;
  for (QLabel* label : labels) {
    if (label->text().contains(QStringLiteral("href=\"3:7\"")) && label->text().contains(QStringLiteral("本月支出分类统计表")))
      found = true;
  }
  EXPECT_TRUE(found);
}

TEST_F(HomeWndDemoTest, APictureThatCannotBeShownIsLeftOut) {
  HomePageUser user;
  user.welcome_picture = "/no/such/picture.jpg";
  user.welcome_word = "欢迎回家";
  CHomeWnd window(user);
  window.show();
  EXPECT_FALSE(window.PictureIsPlaying());
  EXPECT_EQ(LabelNamed(window, "greeting")->text(), QStringLiteral("欢迎回家"));
}

class HomeWndUntypedTest : public testing::LedgerTest {};

TEST_F(HomeWndUntypedTest, ShowsTheNoticeInsteadOfTables) {
  ASSERT_EQ(1, Database::Execute(Database::LoadStatement(349), {std::string("60201"), std::string("房租"), 0}));
  CItemCache::Instance().MarkDirty();
  CHomeWnd window(HomePageUser{}, nullptr, Day("2024-03-20"));
  window.show();
  int notices = 0;
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().toStdString() == kUntypedLeafNotice) ++notices;
  }
  EXPECT_EQ(notices, 2);  // card bills and statistics
  EXPECT_EQ(LabelNamed(window, "收支统计表"), nullptr);

  // Once the leaf has a type, a refresh shows the tables.
  ASSERT_EQ(1, Database::Execute(Database::LoadStatement(343), {std::string("房租"), 2, std::string("60201")}));
  CItemCache::Instance().MarkDirty();
  window.Refresh();
  EXPECT_NE(LabelNamed(window, "收支统计表"), nullptr);
}

}  // namespace
}  // namespace cw
