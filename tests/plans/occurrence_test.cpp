// The occurrence search over rules and start dates, the schedule text and the
// match strings of a plan's description.
#include "plans/occurrence.h"

#include <gtest/gtest.h>

#include "calendar/calendar.h"

namespace cw {
namespace {

int Day(const char* iso) {
  int serial = 0;
  EXPECT_TRUE(ParseIsoDate(iso, &serial)) << iso;
  return serial;
}

std::string Next(const char* start, PlanRule rule) {
  std::optional<int> d = NextOccurrence(Day(start), rule);
  return d ? IsoDate(*d) : "none";
}

TEST(NextOccurrenceTest, FindsTheFirstMatchingDayOnOrAfterTheStart) {
  struct Case {
    const char* name;
    const char* start;
    PlanRule rule;  // year, month, day, week
    const char* want;
  };
  const Case cases[] = {
      {"monthly, the day itself", "2026-02-15", {0, 0, 15, 0}, "2026-02-15"},
      {"monthly, day passed", "2026-02-16", {0, 0, 15, 0}, "2026-03-15"},
      {"monthly across the year end", "2026-12-20", {0, 0, 5, 0}, "2027-01-05"},
      {"day 31 skips April", "2026-04-01", {0, 0, 31, 0}, "2026-05-31"},
      {"day 31 skips February", "2026-02-01", {0, 0, 31, 0}, "2026-03-31"},
      {"day 30 skips February", "2024-01-31", {0, 0, 30, 0}, "2024-03-30"},
      {"29 February every year, from a common year", "2025-03-01", {0, 2, 29, 0}, "2028-02-29"},
      {"29 February in a leap year", "2024-01-10", {0, 2, 29, 0}, "2024-02-29"},
      {"29 February in 2100 (no leap year)", "2097-03-01", {0, 2, 29, 0}, "2104-02-29"},
      {"fixed month passed this year", "2026-04-01", {0, 3, 15, 0}, "2027-03-15"},
      {"fixed month, every day", "2026-03-20", {0, 3, 0, 0}, "2026-03-20"},
      {"fixed month, every day, from before", "2026-01-20", {0, 3, 0, 0}, "2026-03-01"},
      {"every day", "2026-06-30", {0, 0, 0, 0}, "2026-06-30"},
      {"fixed year in the future", "2026-06-30", {2028, 0, 0, 0}, "2028-01-01"},
      {"fixed year past", "2026-06-30", {2025, 0, 0, 0}, "none"},
      {"fixed year and month past", "2026-06-30", {2026, 5, 0, 0}, "none"},
      {"fixed date later that year", "2026-06-30", {2026, 7, 4, 0}, "2026-07-04"},
      {"fixed year, day 31 only in 31-day months", "2026-11-01", {2026, 0, 31, 0}, "2026-12-31"},
      {"fixed year, 30 November", "2026-12-01", {2026, 11, 30, 0}, "none"},
      {"fixed 31 of a 30-day month never", "2026-01-01", {2026, 4, 31, 0}, "none"},
      // 2026-12-10 is a Thursday.
      {"weekly Friday", "2026-12-10", {0, 0, 0, 5}, "2026-12-11"},
      {"weekly Thursday, the day itself", "2026-12-10", {0, 0, 0, 4}, "2026-12-10"},
      {"weekly Wednesday across the month end", "2026-12-31", {0, 0, 0, 3}, "2027-01-06"},
      {"weekly Sunday", "2026-12-10", {0, 0, 0, 7}, "2026-12-13"},
      {"weekly Monday in a fixed month", "2026-12-10", {0, 3, 0, 1}, "2027-03-01"},
      {"weekly Friday, fixed year over", "2026-12-26", {2026, 0, 0, 5}, "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Next(c.start, c.rule), c.want);
  }
}

TEST(NextOccurrenceTest, AWeeklyCatchUpAcrossAMonthEndFindsOnlyFridays) {
  std::vector<std::string> found;
  for (std::optional<int> d = NextOccurrence(Day("2026-11-20"), {0, 0, 0, 5}); d && *d <= Day("2026-12-12");
       d = NextOccurrence(*d + 1, {0, 0, 0, 5})) {
    found.push_back(IsoDate(*d));
  }
  EXPECT_EQ(found, (std::vector<std::string>{"2026-11-20", "2026-11-27", "2026-12-04", "2026-12-11"}));
}

TEST(ScheduleTextTest, NamesTheRule) {
  EXPECT_EQ(ScheduleText({0, 0, 15, 0}), "每月15日");
  EXPECT_EQ(ScheduleText({2015, 3, 0, 0}), "2015年3月每日");
  EXPECT_EQ(ScheduleText({0, 0, 0, 5}), "每月的每星期五");
  EXPECT_EQ(ScheduleText({0, 3, 15, 0}), "每年3月15日");
  EXPECT_EQ(ScheduleText({2026, 0, 0, 7}), "2026年每月的每星期日");
  EXPECT_EQ(ScheduleText({0, 0, 0, 0}), "每月每日");
}

TEST(MatchStringTest, FillsTheDateIntoTheDescription) {
  const int day = Day("2016-03-05");  // a Saturday
  EXPECT_EQ(ReplaceMatchStrings("<YM>房租", day), "2016年3月房租");
  EXPECT_EQ(ReplaceMatchStrings("<YMD>", day), "2016年3月5日");
  EXPECT_EQ(ReplaceMatchStrings("<W>", day), "星期六");
  EXPECT_EQ(ReplaceMatchStrings("<ym>工资<d>", day), "2016年3月工资5日");
  EXPECT_EQ(ReplaceMatchStrings("<X>", day), "X");
  EXPECT_EQ(ReplaceMatchStrings("a<b", day), "a<b");
  EXPECT_EQ(ReplaceMatchStrings("<a<Y>", day), "<a2016年");
  EXPECT_EQ(ReplaceMatchStrings("没有匹配", day), "没有匹配");
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST(PlanRuleTest, AcceptsWhatTheEditorOffers) {
  const int today = Day("2026-12-10");
  EXPECT_EQ(CheckPlanRule({0, 0, 31, 0}, today), "");
  EXPECT_EQ(CheckPlanRule({0, 2, 29, 0}, today), "");
  EXPECT_EQ(CheckPlanRule({2028, 2, 29, 0}, today), "");
  EXPECT_EQ(CheckPlanRule({2035, 0, 0, 5}, today), "");
  EXPECT_NE(CheckPlanRule({2027, 2, 29, 0}, today), "");
  EXPECT_NE(CheckPlanRule({0, 4, 31, 0}, today), "");
  EXPECT_NE(CheckPlanRule({2003, 0, 1, 0}, today), "");
  EXPECT_NE(CheckPlanRule({2036, 0, 1, 0}, today), "");
  EXPECT_NE(CheckPlanRule({0, 13, 1, 0}, today), "");
  EXPECT_NE(CheckPlanRule({0, 0, 3, 5}, today), "");
  EXPECT_NE(CheckPlanRule({0, 0, 0, 8}, today), "");
}

}  // namespace
}  // namespace cw
