// The date sentence and the greeting at the top of the home page.
#include "base/product.h"
#include "home/date_line.h"

#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "home/home_texts.h"
#include "home/welcome.h"

namespace cw {
namespace {

TEST(DateLine, GregorianWeekdayAndLunarDate) {
  struct Case {
    const char* day;
    const char* date;
    const char* text;
  } cases[] = {
      {"2015-02-19", "2015年2月19日", "今天是2015年2月19日，星期四，农历二○一五年正月初一。"},
      // Before the lunar new year the lunar year is still the previous one.
      {"2023-01-21", "2023年1月21日", "今天是2023年1月21日，星期六，农历二○二二年十二月三十。"},
      {"2023-01-22", "2023年1月22日", "今天是2023年1月22日，星期日，农历二○二三年正月初一。"},
      {"2023-03-22", "2023年3月22日", "今天是2023年3月22日，星期三，农历二○二三年闰二月初一。"},
  };
  for (const Case& c : cases) {
    int serial = 0;
    ASSERT_TRUE(ParseIsoDate(c.day, &serial));
    const DateLine line = MakeDateLine(serial);
    EXPECT_EQ(line.date, c.date) << c.day;
    EXPECT_EQ(line.Text(), c.text) << c.day;
  }
}

TEST(Welcome, EmptyGreetingAndPictureTakeTheDefaults) {
  EXPECT_EQ(GreetingText(""), kDefaultGreeting);
  EXPECT_EQ(GreetingText("早上好"), "早上好");
  EXPECT_EQ(WelcomePicturePath("/photos/me.jpg"), "/photos/me.jpg");
  const std::string picture = WelcomePicturePath("");
  EXPECT_NE(picture.find("share/coinwright/Default.gif"), std::string::npos) << picture;
}

}  // namespace
}  // namespace cw
