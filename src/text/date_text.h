#pragma once
// Dates and times as texts: today's date in the short forms the sources print, and
// a date-time in the formats of the result rows and saved files.
#include <optional>
#include <string>
#include <vector>

struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The machine's local date and time now.
DateTime localNow();

// Today's (or `date`'s) date: form 0 "05-30", 1 "5-30", 2 "2018.5.30", 3 "05/30",
// 4 "2018-05-30"; any other form gives the empty text.
std::string todayText(int form);
std::string todayText(int form, const DateTime& date);

// `when` (now when absent) in format 0 (年月日时分秒), 1 ("-" and ":"), 2 ("/") or
// 3 (digits only), showing part 0 (date and time), 1 (date), 2 (month and day),
// 3 (time), 4 (hour and minute) or 5 (minute and second). A format or part outside
// those gives the message "时间_到文本() 命令参数填写有误" as the text.
std::string 时间_到文本(std::optional<DateTime> when = {}, int format = 0, int part = 0);

// Year, month, day, hour, minute, second as texts; all but the year zero-padded to
// two digits.
std::vector<std::string> dateParts(const DateTime& date);
