// The page scraper over a 16 MB listing page of GBK text with 20,000 items, 5,000 of
// them today's, without the fetch, into a list view with no front-end. Beside it, in
// the same run, memmem walking the same page from item start to item start.
//   scrapeText     the whole scrape: block cut, split, day marks, cuts, rows
//   piecesBetween  the split alone
//   memmem         the plain byte search it has to keep up with
// Run: bench_scrape_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "gbk_text.h"
#include "collect/scraper.h"

namespace {

constexpr int kItems = 20000;
constexpr int kToday = 5000;

// A listing page the way the sources write theirs: a head and a menu, the list block
// with its items (titles and notes in GBK, tags and ASCII mixed in), a footer.
const std::string& page() {
  static const std::string buffer = [] {
    std::mt19937 random(936);
    const auto chinese = [&](int count) { return randomGbkText(random, count); };
    const size_t itemSize = ((16u << 20) - 4096) / kItems;
    std::string out = "<!DOCTYPE html><html><head><meta charset=\"gbk\"><title>" + chinese(8) +
                      "</title></head><body><ul class=\"nav\"><li><a href=\"/\">" + chinese(2) +
                      "</a></li></ul>\r\n<div class=\"tips\">提示：需要看更多资源可以在左边翻页哦</div>\r\n<ul>\r\n";
    for (int n = 0; n < kItems; ++n) {
      const size_t itemStart = out.size();
      const std::string title = chinese(6 + static_cast<int>(random() % 20));
      // Every fourth item is today's.
      const char* date = n % (kItems / kToday) == 0 ? "05-30" : "05-29";
      out += "<li class=\"item\"><span class=\"date\">" + std::string(date) + "</span><a href=\"/soft/" +
             std::to_string(100000 + n) + ".html\" title=\"" + title + "\" target=\"_blank\">" + title +
             "</a>\r\n<p class=\"desc\">";
      while (out.size() - itemStart < itemSize - 12) {
        out += chinese(5 + static_cast<int>(random() % 30));
        switch (random() % 4) {
          case 0: out += "<b>" + chinese(3) + "</b>"; break;
          case 1: out += " Windows 10/11 x64 "; break;
          case 2: out += "<br />\r\n"; break;
          default: out += "\xA3\xAC"; break;  // full-width comma
        }
      }
      out += "</p></li>\r\n";
    }
    out += "</ul>\r\n<h3>游戏辅助</h3><div class=\"foot\">" + chinese(20) + "</div></body></html>";
    return out;
  }();
  return buffer;
}

Recipe recipe() {
  Recipe r;
  r.blockStart = "提示：需要看更多资源可以在左边翻页哦";
  r.blockEnd = "<h3>游戏辅助</h3>";
  r.itemStart = "<li class=";
  r.itemEnd = "</li>";
  r.dayMark = "05-30";
  r.label = "末世";
  r.titleStart = "title=\"";
  r.titleEnd = "\"";
  r.linkStart = "<a href=\"/";
  r.linkEnd = "\"";
  r.linkPrefix = "http://127.0.0.1:18936/site09/";
  return r;
}

void BM_scrapeText(benchmark::State& state) {
  const std::string& text = page();
  const Recipe r = recipe();
  host::ListView list("列表框_采集", nullptr, {}, {{"编号"}, {"来源"}, {"名称"}, {"时间"}, {"链接"}});
  long rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    list.clearRows();
    state.ResumeTiming();
    rows = scrapeText(list, r, text, "2018-05-30");
    benchmark::DoNotOptimize(rows);
  }
  if (rows != kToday) state.SkipWithError("wrong number of rows");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_scrapeText)->Unit(benchmark::kMillisecond);

void BM_piecesBetween(benchmark::State& state) {
  const std::string& text = page();
  size_t pieces = 0;
  for (auto _ : state) {
    pieces = piecesBetween(text, "<li class=", "</li>").size();
    benchmark::DoNotOptimize(pieces);
  }
  if (pieces != kItems + 0u) state.SkipWithError("wrong number of pieces");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_piecesBetween)->Unit(benchmark::kMillisecond);

// The reference: memmem from each item start to its end and on to the next start.
void BM_memmem(benchmark::State& state) {
  const std::string& text = page();
  size_t found = 0;
  for (auto _ : state) {
    found = 0;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (;;) {
      const void* s = memmem(at, end - at, "<li class=", 10);
      if (!s) break;
      const void* e = memmem(static_cast<const char*>(s) + 10, end - static_cast<const char*>(s) - 10, "</li>", 5);
      if (!e) break;
      ++found;
      at = static_cast<const char*>(e);
    }
    benchmark::DoNotOptimize(found);
  }
  if (found != kItems + 0u) state.SkipWithError("wrong number of items");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_memmem)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
