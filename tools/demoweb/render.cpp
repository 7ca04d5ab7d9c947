// Dates, the table of the forty sites, and the filling of templates at request time.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "demo_web.h"
#include "embedded.h"
#include "host/codepage.h"

namespace demoweb {

namespace {

// Page kinds: the path that follows the site root without its closing "/".
constexpr const char* kBare = "";
constexpr const char* kHome = "/";
constexpr const char* kAjax = "/ajax/wz.ajax.asp?menu=fy";
constexpr const char* kTurnPage = "/inc/trsyturnpage178888.asp";

struct SiteRow {
  const char* pagePath;  // nullptr: the source has no recipe and no listing page
  bool utf8;
};

// Indexed by source number - 1, in the catalogue's walk order.
constexpr SiteRow kSites[40] = {
    {kAjax, false},     {kHome, true},      {kBare, true},      {kHome, true},
    {kTurnPage, false}, {kHome, false},     {kHome, true},      {kBare, false},
    {kHome, false},     {kTurnPage, false}, {kHome, true},      {kHome, false},
    {kBare, false},     {kBare, false},     {kBare, true},      {kTurnPage, false},
    {kBare, false},     {nullptr, false},   {kBare, false},     {kBare, false},
    {kBare, false},     {kBare, false},     {kTurnPage, false}, {kBare, true},
    {kBare, true},      {kBare, true},      {kBare, true},      {kBare, false},
    {kBare, false},     {nullptr, false},   {kBare, true},      {nullptr, false},
    {nullptr, true},    {nullptr, false},   {nullptr, true},    {nullptr, false},
    {nullptr, false},   {nullptr, true},    {nullptr, false},   {nullptr, false},
};

std::string twoDigits(int n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

std::string siteFolder(int n) { return "site" + twoDigits(n); }

// The value of one placeholder: D<form> (today) or D<form>-<days> (that many days
// before), ROOT (the site root), SERVER (the server root), SITE<nn> (another site's
// root), YEAR. Unknown names are left in the page as they stand, so a test sees them.
bool placeholderValue(std::string_view key, const Day& today, const std::string& serverRoot,
                      const std::string& root, std::string& out) {
  if (key == "ROOT") return out = root, true;
  if (key == "SERVER") return out = serverRoot, true;
  if (key == "YEAR") return out = std::to_string(today.year), true;
  if (key.size() == 6 && key.substr(0, 4) == "SITE") {
    const int n = (key[4] - '0') * 10 + (key[5] - '0');
    if (n < 1 || n > 40) return false;
    return out = siteRoot(serverRoot, n), true;
  }
  if (key.size() >= 2 && key[0] == 'D' && key[1] >= '0' && key[1] <= '4') {
    int back = 0;
    if (key.size() > 2) {
      if (key[2] != '-' || key.size() == 3) return false;
      for (char c : key.substr(3)) {
        if (c < '0' || c > '9') return false;
        back = back * 10 + (c - '0');
      }
    }
    return out = dayText(today.minusDays(back), key[1] - '0'), true;
  }
  return false;
}

std::string fill(std::string_view text, const Day& today, const std::string& serverRoot,
                 const std::string& root) {
  std::string out;
  out.reserve(text.size() + 256);
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find("{{", pos);
    const size_t close = open == std::string_view::npos ? open : text.find("}}", open + 2);
    if (close == std::string_view::npos) break;
    out.append(text.substr(pos, open - pos));
    std::string value;
    if (placeholderValue(text.substr(open + 2, close - open - 2), today, serverRoot, root,
                         value))
      out += value;
    else
      out.append(text.substr(open, close + 2 - open));
    pos = close + 2;
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

Day Day::today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Day Day::minusDays(int n) const {
  using namespace std::chrono;
  const sys_days base = year_month_day{std::chrono::year{year},
                                       std::chrono::month{unsigned(month)},
                                       std::chrono::day{unsigned(day)}};
  const year_month_day d{base - days{n}};
  return {int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))};
}

std::string dayText(const Day& d, int form) {
  const std::string y = std::to_string(d.year);
  switch (form) {
    case 0: return twoDigits(d.month) + "-" + twoDigits(d.day);
    case 1: return std::to_string(d.month) + "-" + std::to_string(d.day);
    case 2: return y + "." + std::to_string(d.month) + "." + std::to_string(d.day);
    case 3: return twoDigits(d.month) + "/" + twoDigits(d.day);
    case 4: return y + "-" + twoDigits(d.month) + "-" + twoDigits(d.day);
    default: return "";
  }
}

SiteInfo siteInfo(int n) {
  if (n < 1 || n > 40) return {};
  const SiteRow& row = kSites[n - 1];
  return {n, row.pagePath != nullptr, row.utf8, row.pagePath ? row.pagePath : ""};
}

std::string siteRoot(const std::string& serverRoot, int n) {
  return serverRoot + siteFolder(n) + "/";
}

std::string pageAddress(const std::string& serverRoot, int n) {
  const std::string root = siteRoot(serverRoot, n);
  return root.substr(0, root.size() - 1) + siteInfo(n).pagePath;
}

// Templates are UTF-8 in the repository; a GBK site gets them converted, as its
// server would have stored them.
std::string renderPage(int n, const Day& today, const std::string& serverRoot) {
  const SiteInfo info = siteInfo(n);
  if (!info.hasPage) return "";
  const std::string_view tpl = embeddedFile(siteFolder(n) + ".html");
  const std::string page = fill(tpl, today, serverRoot, siteRoot(serverRoot, n));
  return info.utf8 ? page : host::utf8ToCp936(page);
}

std::string renderArticle(int n, const std::string& path, const std::string& serverRoot) {
  const SiteInfo info = siteInfo(n);
  std::string page = fill(embeddedFile("article.html"), Day::today(), serverRoot,
                          siteRoot(serverRoot, n));
  // The article shows the address asked for; escape what could break the markup.
  std::string shown;
  for (char c : path) {
    if (c == '<') shown += "&lt;";
    else if (c == '>') shown += "&gt;";
    else if (c == '&') shown += "&amp;";
    else shown += c;
  }
  const size_t at = page.find("@PATH@");
  if (at != std::string::npos) page.replace(at, 6, shown);
  const size_t cs = page.find("@CHARSET@");
  if (cs != std::string::npos) page.replace(cs, 9, info.utf8 ? "utf-8" : "gb2312");
  return info.utf8 ? page : host::utf8ToCp936(page);
}

std::string renderCatalogueFile(const std::string& name, const std::string& serverRoot) {
  if (name != "ylw.txt" && name != "sl_fx.txt" && name != "sl_wz.txt") return "";
  return host::utf8ToCp936(fill(embeddedFile(name), Day::today(), serverRoot, serverRoot));
}

std::string renderIndex(const std::string& serverRoot) {
  return host::utf8ToCp936(
      fill(embeddedFile("index.html"), Day::today(), serverRoot, serverRoot));
}

std::string_view embeddedFile(std::string_view name) {
  for (unsigned i = 0; i < kEmbeddedFileCount; ++i)
    if (name == kEmbeddedFiles[i].name)
      return {reinterpret_cast<const char*>(kEmbeddedFiles[i].data), kEmbeddedFiles[i].size};
  return {};
}

}  // namespace demoweb
