#pragma once
// The demo web: a local stand-in, on 127.0.0.1 only, for the catalogue server and the
// forty source websites. It serves the three catalogue files, a listing page for each
// source with a recipe (hand-written templates in pages/, dated at request time), a
// small article page for any other address of a site, and under /bad/ addresses that
// misbehave on purpose. See README.md beside this file for the address scheme.
#include <memory>
#include <string>

namespace demoweb {

// A calendar day; the pages are dated from it ("today" and the days before it).
struct Day {
  int year = 2018;
  int month = 5;
  int day = 30;

  static Day today();  // the local date, as the program's own day mark sees it
  Day minusDays(int n) const;
  bool operator==(const Day&) const = default;
};

// The day mark of the catalogue's date forms: 0 "05-30", 1 "5-30", 2 "2018.5.30",
// 3 "05/30", 4 "2018-05-30". Other forms give "".
std::string dayText(const Day& d, int form);

// What the demo web knows of source number 1..40 (the No. of the catalogue).
struct SiteInfo {
  int number = 0;
  bool hasPage = false;  // a listing page is served (the sources with a recipe)
  bool utf8 = false;     // served in UTF-8; otherwise in GBK (code page 936)
  // What follows the site root without its closing "/": "" (bare host), "/",
  // "/ajax/wz.ajax.asp?menu=fy" or "/inc/trsyturnpage178888.asp".
  std::string pagePath;
};
// Number outside 1..40: a SiteInfo with number 0.
SiteInfo siteInfo(int sourceNumber);

// "http://127.0.0.1:PORT/siteNN/" for serverRoot "http://127.0.0.1:PORT/".
std::string siteRoot(const std::string& serverRoot, int sourceNumber);
// The page address of a source: the site root without its closing "/" plus pagePath.
std::string pageAddress(const std::string& serverRoot, int sourceNumber);

// The listing page of a source exactly as served on `today` (GBK or UTF-8 bytes), with
// its links under `serverRoot`. Empty for a source without a page.
std::string renderPage(int sourceNumber, const Day& today, const std::string& serverRoot);

// The catalogue server's files as served (GBK bytes): "ylw.txt" (source list),
// "sl_fx.txt" (share list), "sl_wz.txt" (website list); "" for another name.
std::string renderCatalogueFile(const std::string& fileName, const std::string& serverRoot);

class DemoWeb {
 public:
  // Binds 127.0.0.1:port (0: any free port) and serves on a background thread; returns
  // once connections are accepted. A port that cannot be bound gives port() == -1.
  explicit DemoWeb(int port = 0);
  ~DemoWeb();
  DemoWeb(const DemoWeb&) = delete;
  DemoWeb& operator=(const DemoWeb&) = delete;

  int port() const;
  std::string root() const;  // "http://127.0.0.1:PORT/"
  // Source pages served from now on carry `d` as today's date in place of the
  // local date (for tests that want a fixed date over HTTP).
  void setToday(const Day& d);
  // Ends every request in progress (a "never" or "slow" one included) and stops.
  void stop();

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace demoweb
