#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/date_text.h"

namespace {
const DateTime newYear{2019, 1, 1, 0, 0, 0};
const DateTime morning{2018, 5, 30, 7, 8, 9};
const std::string badArguments = "时间_到文本() 命令参数填写有误";
}  // namespace

TEST(TodayText, EveryForm) {
  const std::vector<std::string> expected = {"01-01", "1-1", "2019.1.1", "01/01", "2019-01-01", "", ""};
  const int forms[] = {0, 1, 2, 3, 4, 5, -1};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(todayText(forms[i], newYear), expected[i]) << forms[i];
  const DateTime late{2018, 12, 31, 23, 59, 59};
  EXPECT_EQ(todayText(0, late), "12-31");
  EXPECT_EQ(todayText(2, late), "2018.12.31");
}

TEST(TodayText, UsesTheLocalDate) {
  const DateTime now = localNow();
  const std::string form4 = todayText(4);
  // Unless the day turned over between the two calls.
  if (localNow().day == now.day) {
    EXPECT_EQ(form4, todayText(4, now));
  }
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
}

TEST(DateParts, YearPlainTheRestPadded) {
  EXPECT_EQ(dateParts(morning), (std::vector<std::string>{"2018", "05", "30", "07", "08", "09"}));
  EXPECT_EQ(dateParts({987, 12, 1, 23, 0, 59}), (std::vector<std::string>{"987", "12", "01", "23", "00", "59"}));
}

TEST(TimeToText, EveryFormatAndPart) {
  // [part][format] for 2018-05-30 07:08:09.
  const char* expected[6][4] = {
      {"2018年5月30日7时8分9秒", "2018-05-30 07:08:09", "2018/05/30 07/08/09", "20180530070809"},
      {"2018年05月30日", "2018-05-30", "2018/05/30", "20180530"},
      {"05月30日", "05-30", "05/30", "0530"},
      {"07时08分09秒", "07:08:09", "07/08/09", "070809"},
      {"07时08分", "07:08", "07/08", "0708"},
      {"08分09秒", "08:09", "08/09", "0809"},
  };
  for (int part = 0; part < 6; ++part)
    for (int format = 0; format < 4; ++format)
      EXPECT_EQ(时间_到文本(morning, format, part), expected[part][format]) << "part " << part << " format " << format;
}

TEST(TimeToText, SpokenFormLeavesOffZeroUnitsFromTheRight) {
  struct Case {
    DateTime when;
    const char* expected;
  };
  const Case cases[] = {
      {{2018, 5, 30, 0, 0, 0}, "2018年5月30日"},
      {{2018, 5, 30, 10, 0, 0}, "2018年5月30日10时"},
      {{2018, 5, 30, 9, 5, 0}, "2018年5月30日9时5分"},
      {{2018, 5, 30, 0, 0, 7}, "2018年5月30日0时0分7秒"},
      {{2018, 5, 30, 0, 3, 0}, "2018年5月30日0时3分"},
  };
  for (const Case& c : cases) EXPECT_EQ(时间_到文本(c.when), c.expected);
}

TEST(TimeToText, BadArgumentsGiveTheMessage) {
  for (auto [format, part] : {std::pair{0, 6}, {4, 0}, {-1, 1}, {1, -1}})
    EXPECT_EQ(时间_到文本(morning, format, part), badArguments) << format << "/" << part;
}

TEST(TimeToText, NowWhenNoDateIsGiven) {
  const DateTime before = localNow();
  const std::string date = 时间_到文本({}, 1, 1);
  if (localNow().day == before.day) {
    EXPECT_EQ(date, todayText(4, before));
  }
}
