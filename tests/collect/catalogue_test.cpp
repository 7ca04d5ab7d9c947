#include <gtest/gtest.h>

#include "collect/catalogue.h"
#include "text/date_text.h"

namespace {

const SourceEntry& entry(int number) { return sourceCatalogue().at(number - 1); }

TEST(Catalogue, FortySourcesInWalkOrderOfThreeKinds) {
  const char* const names[] = {
      "小刀娱乐网", "QQ国际娱乐", "深蓝娱乐网", "小高教学网", "小龙娱乐网", "久久辅助网", "我爱辅助网",
      "可乐资源网", "末世辅助网", "木木娱乐网", "小欧娱乐网", "善良娱乐网", "技术文娱网", "爱收集资源网",
      "好牛娱乐网", "免费软件库", "善恶资源网", "爱上资源网", "QQ技术基地", "技术QQ网娱", "QQ钻域乐园",
      "北辰娱乐网", "茶茶资源网", "悟空资源网", "小康资源网", "神音资源网", "木马屋资源网", "青春娱乐网",
      "206辅助网",  "晨讯资源网", "小叶教学网", "零度娱乐网", "小果娱乐网", "优越娱乐网", "资源爱好者",
      "黑手安全网", "爱Q生活网",  "信仰娱乐网", "小K娱乐网",  "世界娱乐网"};
  const auto& all = sourceCatalogue();
  ASSERT_EQ(all.size(), 40u);
  int kinds[3] = {};
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].name, names[i]) << "entry " << i + 1;
    ++kinds[static_cast<int>(all[i].kind)];
    // Entries without markers carry nothing but their name.
    if (all[i].kind != RecipeKind::withRecipe) {
      EXPECT_EQ(all[i].label, "") << all[i].name;
      EXPECT_EQ(all[i].itemStart, "") << all[i].name;
      EXPECT_EQ(all[i].dayMark, DayMark::none) << all[i].name;
    } else {
      EXPECT_NE(all[i].label, "") << all[i].name;
      EXPECT_NE(all[i].itemStart, "") << all[i].name;
    }
  }
  EXPECT_EQ(kinds[static_cast<int>(RecipeKind::withRecipe)], 29);
  EXPECT_EQ(kinds[static_cast<int>(RecipeKind::emptyRecipe)], 10);
  EXPECT_EQ(kinds[static_cast<int>(RecipeKind::noRecipe)], 1);
  EXPECT_EQ(entry(18).kind, RecipeKind::noRecipe);
}

// The markers whose bytes are easy to get wrong, written here with plain escapes.
TEST(Catalogue, NotedMarkersHoldTheirExactBytes) {
  EXPECT_EQ(entry(2).itemStart, "<li ");
  EXPECT_EQ(entry(3).linkStart, "<a   href=\"");
  EXPECT_EQ(entry(4).innerStart, " <h3>");
  EXPECT_EQ(entry(12).linkStart, " href=\"/");
  EXPECT_EQ(entry(26).titleStart, "target=\"_blank\">\x09");
  EXPECT_EQ(entry(29).linkEnd, " ");
  EXPECT_EQ(entry(1).titleStart, "\" title=\"");
  EXPECT_EQ(entry(1).titleEnd, "\" style=\"");
  EXPECT_EQ(entry(1).linkEnd, "\" title=\"");
  for (int n : {5, 10, 16, 23}) {
    EXPECT_EQ(entry(n).itemEnd, "<\\/li>") << n;
    EXPECT_EQ(entry(n).titleStart, "title=\\\"") << n;
    EXPECT_EQ(entry(n).titleEnd, "\\\">") << n;
    EXPECT_EQ(entry(n).linkEnd, "\\\"") << n;
  }
  EXPECT_EQ(entry(5).linkStart, "<a href=\\\".\\/news\\/");
  EXPECT_EQ(entry(23).linkStart, "<a href=\\\".\\/news\\/");
  EXPECT_EQ(entry(10).linkStart, "<a href=\\\"..\\/");
  EXPECT_EQ(entry(16).linkStart, "<a href=\\\"..\\/");
  EXPECT_EQ(entry(31).itemStart, "li class=");
  // Chinese markers are code page 936 bytes: "∷" is A1 CB, "：" is A3 BA.
  EXPECT_EQ(entry(20).blockStart, "\xA1\xCBQQ\xBC\xBC\xCA\xF5\xBD\xCC\xB3\xCC\xA1\xCB");
  EXPECT_EQ(entry(19).blockStart.substr(12, 2), "\xA3\xBA");
}

TEST(Catalogue, FindSourceComparesNamesByteForByte) {
  ASSERT_NE(findSource("QQ国际娱乐"), nullptr);
  EXPECT_EQ(findSource("QQ国际娱乐")->label, "QQ国际");
  EXPECT_EQ(findSource("世界娱乐网"), &entry(40));
  EXPECT_EQ(findSource("qq国际娱乐"), nullptr);
  EXPECT_EQ(findSource("小刀娱乐网 "), nullptr);
  EXPECT_EQ(findSource("小刀"), nullptr);
  EXPECT_EQ(findSource(""), nullptr);
}

TEST(Catalogue, RecipeJoinsTheSiteRootPagePathAndLinkPrefix) {
  struct Case {
    int number;
    const char* root;
    const char* page;
    const char* prefix;
  } cases[] = {
      {1, "http://h:9/site01/", "http://h:9/site01/ajax/wz.ajax.asp?menu=fy", "http://h:9/site01/"},
      {2, "http://h:9/site02/", "http://h:9/site02/", "http://h:9/site02/"},
      {3, "http://h:9/site03/", "http://h:9/site03", ""},
      {5, "http://h:9/site05/", "http://h:9/site05/inc/trsyturnpage178888.asp", "http://h:9/site05/news/"},
      {23, "http://www.cc.com/", "http://www.cc.com/inc/trsyturnpage178888.asp", "http://www.cc.com/news/"},
      {27, "http://h:9/site27/", "http://h:9/site27", "http://h:9/site27/"},
      // A root written without its closing "/" makes the same addresses.
      {5, "http://h:9/site05", "http://h:9/site05/inc/trsyturnpage178888.asp", "http://h:9/site05/news/"},
  };
  for (const auto& c : cases) {
    const Recipe r = recipeFor(entry(c.number), c.root, "05-30");
    EXPECT_EQ(r.pageAddress, c.page) << c.number;
    EXPECT_EQ(r.linkPrefix, c.prefix) << c.number;
    EXPECT_EQ(r.dayMark, "05-30") << c.number;
    EXPECT_EQ(r.label, entry(c.number).label);
  }
  // Every marker lands in its own slot of the recipe.
  const Recipe r = recipeFor(entry(31), "http://h/", "2018.5.30");
  EXPECT_EQ(r.blockStart, ">今日更新资源<");
  EXPECT_EQ(r.blockEnd, "<h3>Zarnel资源</h3>");
  EXPECT_EQ(r.itemStart, "li class=");
  EXPECT_EQ(r.itemEnd, "</li>");
  EXPECT_EQ(r.innerStart, "<div class=\"mark\">");
  EXPECT_EQ(r.innerEnd, "</h3>");
  EXPECT_EQ(r.titleStart, "target=\"_blank\">");
  EXPECT_EQ(r.titleEnd, "</a>");
  EXPECT_EQ(r.linkStart, "<a href=\"");
  EXPECT_EQ(r.linkEnd, "\"");
}

TEST(Catalogue, EntriesWithoutMarkersGiveFourteenEmptyTexts) {
  for (const char* name : {"晨讯资源网", "世界娱乐网", "爱上资源网"}) {
    const SourceEntry* e = findSource(name);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(dayMarkText(*e), "");
    const Recipe r = recipeFor(*e, "http://h:9/site30/", "05-30");
    for (const std::string* t : {&r.pageAddress, &r.blockStart, &r.blockEnd, &r.itemStart, &r.itemEnd, &r.dayMark,
                                 &r.label, &r.titleStart, &r.titleEnd, &r.linkStart, &r.linkEnd, &r.linkPrefix,
                                 &r.innerStart, &r.innerEnd})
      EXPECT_EQ(*t, "") << name;
  }
}

TEST(Catalogue, DayMarkTextIsWorkedOutWithTheEntrysForm) {
  EXPECT_EQ(dayMarkText(entry(27)), "今日");
  const std::pair<int, int> forms[] = {{1, 0}, {3, 1}, {4, 2}, {14, 3}, {25, 4}, {26, 2}, {31, 2}};
  for (auto [number, form] : forms) EXPECT_EQ(dayMarkText(entry(number)), todayText(form)) << number;
  const DateTime newYear{2019, 1, 1, 0, 0, 0};
  const std::pair<int, const char*> onNewYear[] = {{1, "01-01"},     {3, "1-1"},   {4, "2019.1.1"}, {14, "01/01"},
                                                   {25, "2019-01-01"}, {27, "今日"}, {30, ""}};
  for (auto [number, text] : onNewYear) EXPECT_EQ(dayMarkText(entry(number), newYear), text) << number;
}

}  // namespace
