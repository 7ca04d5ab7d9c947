#include "text/date_text.h"

#include <ctime>

#include "text/cp936.h"

namespace {

std::string padded(int n) {
  std::string s = text::decimalText(n);
  return s.size() < 2 ? "0" + s : s;
}

std::string plain(int n) { return text::decimalText(n); }

// Format 0 part 0 writes the numbers as they are and leaves off the time units from
// the right while they are zero, so midnight shows the date alone.
std::string spokenDateTime(const DateTime& d) {
  std::string s = plain(d.year) + "年" + plain(d.month) + "月" + plain(d.day) + "日";
  if (d.second != 0) return s + plain(d.hour) + "时" + plain(d.minute) + "分" + plain(d.second) + "秒";
  if (d.minute != 0) return s + plain(d.hour) + "时" + plain(d.minute) + "分";
  if (d.hour != 0) return s + plain(d.hour) + "时";
  return s;
}

}  // namespace

DateTime localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string todayText(int form) { return todayText(form, localNow()); }

std::string todayText(int form, const DateTime& date) {
  const std::string y = plain(date.year);
  switch (form) {
    case 0: return padded(date.month) + "-" + padded(date.day);
    case 1: return plain(date.month) + "-" + plain(date.day);
    case 2: return y + "." + plain(date.month) + "." + plain(date.day);
    case 3: return padded(date.month) + "/" + padded(date.day);
    case 4: return y + "-" + padded(date.month) + "-" + padded(date.day);
    default: return {};
  }
}

std::vector<std::string> dateParts(const DateTime& d) {
  return {plain(d.year), padded(d.month), padded(d.day), padded(d.hour), padded(d.minute), padded(d.second)};
}

std::string 时间_到文本(std::optional<DateTime> when, int format, int part) {
  if (format < 0 || format > 3 || part < 0 || part > 5) return "时间_到文本() 命令参数填写有误";
  const DateTime d = when ? *when : localNow();
  if (format == 0 && part == 0) return spokenDateTime(d);
  const std::vector<std::string> p = dateParts(d);
  const std::string &Y = p[0], &Mo = p[1], &D = p[2], &H = p[3], &Mi = p[4], &S = p[5];
  // Per format: what joins the date, what joins date and time, what joins the time.
  struct Joins {
    std::string date, between, time;
  };
  // Format 0 puts a unit after each part instead of joining them.
  if (format == 0) {
    switch (part) {
      case 1: return Y + "年" + Mo + "月" + D + "日";
      case 2: return Mo + "月" + D + "日";
      case 3: return H + "时" + Mi + "分" + S + "秒";
      case 4: return H + "时" + Mi + "分";
      default: return Mi + "分" + S + "秒";
    }
  }
  static const Joins joins[] = {{}, {"-", " ", ":"}, {"/", " ", "/"}, {"", "", ""}};
  const Joins& j = joins[format];
  switch (part) {
    case 0: return Y + j.date + Mo + j.date + D + j.between + H + j.time + Mi + j.time + S;
    case 1: return Y + j.date + Mo + j.date + D;
    case 2: return Mo + j.date + D;
    case 3: return H + j.time + Mi + j.time + S;
    case 4: return H + j.time + Mi;
    default: return Mi + j.time + S;
  }
}
