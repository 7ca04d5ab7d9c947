#include <gtest/gtest.h>

#include <future>

#include "collect/scraper.h"
#include "host/threads.h"

namespace {

std::vector<host::Column> fiveColumns() {
  return {{"编号", 40}, {"来源", 60}, {"名称", 300}, {"时间", 80}, {"链接", 200}};
}

std::vector<std::vector<std::string>> rowsOf(const host::ListView& list) {
  return list.rowsFrom(0).rows;
}

// A small recipe in the shape of the catalogue's: block, items, title and link markers.
Recipe listRecipe() {
  Recipe r;
  r.pageAddress = "http://unused/";
  r.blockStart = "<ul id=new>";
  r.blockEnd = "</ul>";
  r.itemStart = "<li class=";
  r.itemEnd = "</li>";
  r.dayMark = "05-30";
  r.label = "小刀";
  r.titleStart = "title=\"";
  r.titleEnd = "\"";
  r.linkStart = "<a href=\"/";
  r.linkEnd = "\"";
  r.linkPrefix = "http://h/site01/";
  return r;
}

TEST(PiecesBetween, SplitRules) {
  struct Case {
    const char* what;
    std::string text, start, end;
    std::vector<std::string> pieces;
  } cases[] = {
      {"plain", "x<li>a</li><li>b</li>y", "<li>", "</li>", {"a", "b"}},
      {"markers in capitals match", "<LI>a</Li><li>b</LI>", "<li>", "</li>", {"a", "b"}},
      {"half- and full-width spaces trimmed, tabs kept", "<li> \xA1\xA1" "a\t \xA1\xA1</li>", "<li>", "</li>",
       {"a\t"}},
      {"an empty first piece ends the split", "<li>  </li><li>a</li>", "<li>", "</li>", {}},
      {"a start directly followed by the end ends the split", "<li>a</li><li></li><li>b</li>", "<li>", "</li>",
       {"a"}},
      {"the next start is searched from the end marker", "<hr>a<hr>b<hr>c<hr>", "<hr>", "<hr>", {"a", "b", "c"}},
      {"a start without an end stops", "<li>a</li><li>b", "<li>", "</li>", {"a"}},
      {"an empty start marker gives nothing", "<li>a</li>", "", "</li>", {}},
      {"an empty end marker gives nothing", "<li>a</li>", "<li>", "", {}},
      {"empty text", "", "<li>", "</li>", {}},
      // "\x81[" is one double-byte character: its trail byte is no marker.
      {"no match on a trail byte", "\x81[x]", "[", "]", {}},
      {"a match after a double-byte character", "\x81\x81[x]", "[", "]", {"x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(piecesBetween(c.text, c.start, c.end), c.pieces) << c.what;
  // Many pieces that need trimming, each kept whole.
  std::string text;
  std::vector<std::string> want;
  for (int i = 0; i < 300; ++i) {
    text += "<li> item " + std::to_string(i) + " </li>";
    want.push_back("item " + std::to_string(i));
  }
  EXPECT_EQ(piecesBetween(text, "<li>", "</li>"), want);
}

TEST(ScrapeText, NumberingContinuesAfterExistingRowsAndRowsAreWholeAndAsThePageHasThem) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  for (int i = 0; i < 12; ++i) list.appendRow({"old"});
  const std::string page =
      "<li class=x>outside the block 05-30</li>"
      "<ul id=new>"
      "<li class=  \xA1\xA1<a href=\"/news/1.html\" title=\"软件 &amp; <b>工具</b> \">x</a> 05-30 </li>"
      "<li class=a><a href=\"/news/2.html\" title=\"旧的\">x</a> 05-29</li>"
      "<li class=a><a href=\"/news/3.html\" title=\"教程\">x</a> 2018-05-30</li>"
      "<li class=a><a href=\"/news/3.html\" title=\"教程\">x</a> 2018-05-30</li>"
      "</ul>";
  EXPECT_EQ(scrapeText(list, listRecipe(), page, "2018-05-30"), 3);
  const auto rows = rowsOf(list);
  ASSERT_EQ(rows.size(), 15u);
  using Row = std::vector<std::string>;
  EXPECT_EQ(rows[12], (Row{"13", "小刀", "软件 &amp; <b>工具</b> ", "2018-05-30", "http://h/site01/news/1.html"}));
  EXPECT_EQ(rows[13], (Row{"14", "小刀", "教程", "2018-05-30", "http://h/site01/news/3.html"}));
  // A posting the page lists twice gives two rows.
  EXPECT_EQ(rows[14], (Row{"15", "小刀", "教程", "2018-05-30", "http://h/site01/news/3.html"}));
}

TEST(ScrapeText, DayMarkIsSearchedExactlyInTheWholeItemBeforeTheInnerCut) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  Recipe r = listRecipe();
  r.blockStart = "";
  r.blockEnd = "not in the page";  // only the block start decides whether there is a block
  r.innerStart = "<h3>";
  r.innerEnd = "</h3>";
  r.dayMark = "Ab05-30";
  const std::string page =
      "<li class=1><h3><a href=\"/n/Ab05-30.html\" title=\"only the link\">x</a></h3></li>"
      "<li class=2>Ab05-30 <h3><a href=\"/n/2.html\" title=\"outside the inner cut\">x</a></h3></li>"
      "<li class=3><h3><a href=\"/n/3.html\" title=\"case differs\">x</a></h3> ab05-30</li>"
      "<li class=4><h3><a href=\"/n/4.html\" title=\"no date\">x</a></h3></li>"
      // "\x81" followed by "Ab05-30": the A is the trail of a double-byte character.
      "<li class=5><h3><a href=\"/n/5.html\" title=\"trail byte\">x</a></h3>\x81" "Ab05-30</li>";
  EXPECT_EQ(scrapeText(list, r, page, "2018-05-30"), 2);
  ASSERT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(0, 2), "only the link");
  EXPECT_EQ(list.cellText(0, 4), "http://h/site01/n/Ab05-30.html");
  EXPECT_EQ(list.cellText(1, 2), "outside the inner cut");
}

TEST(ScrapeText, AKeptItemIsWrittenEvenWhenItsCutsAreMissing) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  Recipe r = listRecipe();
  r.innerStart = "<div class=\"mark\">";
  r.innerEnd = "</h3>";
  const std::string page =
      "<ul id=new>"
      "<li class=a>05-30 no inner part here <a href=\"/n/1.html\" title=\"t1\">x</a></li>"
      "<li class=a><div class=\"mark\"><h3><a href=\"/n/2.html\">no title</a></h3> 05-30</li>"
      "<li class=a><div class=\"mark\"><h3><a href=\"/n/3.html\" title=\"t3\">x</a></h3> 05-30</li>"
      "</ul>";
  EXPECT_EQ(scrapeText(list, r, page, "2018-05-30"), 3);
  ASSERT_EQ(list.rowCount(), 3);
  EXPECT_EQ(list.cellText(0, 0), "1");
  EXPECT_EQ(list.cellText(0, 2), "");
  EXPECT_EQ(list.cellText(0, 4), "http://h/site01/");
  EXPECT_EQ(list.cellText(1, 2), "");
  EXPECT_EQ(list.cellText(1, 4), "http://h/site01/n/2.html");
  EXPECT_EQ(list.cellText(2, 2), "t3");
}

TEST(ScrapeText, NothingFromAMissingBlockAnEmptyPageOrAnEmptyRecipe) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  const std::string items = "<li class=a><a href=\"/n/1.html\" title=\"t\">x</a> 05-30</li>";
  EXPECT_EQ(scrapeText(list, listRecipe(), items, "2018-05-30"), 0);  // the block start is not in the page
  EXPECT_EQ(scrapeText(list, listRecipe(), "", "2018-05-30"), 0);
  EXPECT_EQ(scrapeText(list, Recipe{}, "<ul id=new>" + items + "</ul>", "2018-05-30"), 0);
  EXPECT_EQ(list.rowCount(), 0);
  // An empty day mark keeps every item.
  Recipe r = listRecipe();
  r.dayMark = "";
  EXPECT_EQ(scrapeText(list, r, "<ul id=new>" + items + "<li class=b>x</li></ul>", "2018-05-30"), 2);
}

TEST(ScrapePage, EmptyPageAddressYieldsNoRows) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  Recipe r = listRecipe();
  r.pageAddress = "";
  r.blockStart = "";
  r.dayMark = "";
  EXPECT_EQ(scrapePage(list, r), 0);
  EXPECT_EQ(scrapePage(list, Recipe{}), 0);
  EXPECT_EQ(list.rowCount(), 0);
}

TEST(ScrapeText, AKilledWorkerAppendsNoRow) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  std::promise<void> killed;
  std::promise<long> result;
  host::ThreadSlot worker;
  auto killedFuture = killed.get_future();
  host::startThread(
      [&] {
        killedFuture.wait();
        Recipe r = listRecipe();
        r.blockStart = "";
        result.set_value(scrapeText(list, r, "<li class=a>05-30</li><li class=b>05-30</li>", "2018-05-30"));
      },
      worker);
  host::killThread(worker);
  killed.set_value();
  EXPECT_EQ(result.get_future().get(), 0);
  EXPECT_EQ(list.rowCount(), 0);
}

}  // namespace
