#include "collect/catalogue.h"

namespace {

// Short names that keep one source on one row of the table below.
constexpr auto R = RecipeKind::withRecipe;
constexpr auto E = RecipeKind::emptyRecipe;
constexpr auto N = RecipeKind::noRecipe;
constexpr auto f0 = DayMark::form0, f1 = DayMark::form1, f2 = DayMark::form2, f3 = DayMark::form3,
               f4 = DayMark::form4, jr = DayMark::todayWord;
constexpr auto none = LinkPrefix::none, root = LinkPrefix::siteRoot, news = LinkPrefix::siteRootNews;
// Page paths: the bare host, the home page, and two paging endpoints. The second one
// escapes every "/" and '"' of its text with a backslash, so its markers carry them.
const char* const bare = "";
const char* const home = "/";
const char* const ajax = "/ajax/wz.ajax.asp?menu=fy";
const char* const turn = "/inc/trsyturnpage178888.asp";

// An entry with an empty recipe or none: only the name and the kind.
SourceEntry unmarked(const char* name, RecipeKind kind) {
  SourceEntry entry;
  entry.name = name;
  entry.kind = kind;
  return entry;
}

// Markers are written byte for byte as raw strings: what stands between R"( and )"
// is the marker. Leading and trailing spaces and the one tab (entry 26) are part of it.
// clang-format off
const std::vector<SourceEntry>& catalogueTable() {
static const std::vector<SourceEntry> table = {
  //  name           kind label      page  day  prefix
  //    blockStart, blockEnd,
  //    itemStart, itemEnd, innerStart, innerEnd, titleStart, titleEnd, linkStart, linkEnd
  /* 1 */ {"小刀娱乐网", R, "小刀", ajax, f0, root,
    "", "",
    R"(<li class=)", R"(</li>)", "", "", R"(" title=")", R"(" style=")", R"(<a href="/)", R"(" title=")"},
  /* 2 */ {"QQ国际娱乐", R, "QQ国际", home, f0, root,
    R"(<!-- 投稿排行榜 -->)", R"(>发送弹幕/投稿作品<)",
    R"(<li )", R"(</li>)", R"(点击查看投稿人)", R"(</em>)", R"(title=")", R"(")", R"(<a href="/)", R"(")"},
  /* 3 */ {"深蓝娱乐网", R, "深蓝", bare, f1, none,
    R"(>最新更新资源<)", R"(自学教程 </h3>)",
    R"(<li class=)", R"(</li>)", "", "", R"(" title=")", R"(")", R"(<a   href=")", R"(")"},
  /* 4 */ {"小高教学网", R, "小高", home, f2, none,
    R"(>最新更新资源<)", R"(<h3>站内公告</h3>)",
    R"(<li class=)", R"(</li>)", R"( <h3>)", R"(</h3>)", R"(target="_blank">)", R"(</a>)", R"(<a href=")", R"(")"},
  /* 5 */ {"小龙娱乐网", R, "小龙", turn, f0, news,
    "", "",
    R"(trnewtime178888)", R"(<\/li>)", "", "", R"(title=\")", R"(\">)", R"(<a href=\".\/news\/)", R"(\")"},
  /* 6 */ {"久久辅助网", R, "久久", home, f0, root,
    R"(>关键词为2个字搜索最精准<)", R"(>图文资讯<)",
    R"(<li>)", R"(</li>)", "", "", R"(" title=")", R"(")", R"(<a href="/)", R"(")"},
  /* 7 */ {"我爱辅助网", R, "爱辅助", home, f0, none,
    R"(温馨提示：需要看更多资源可以在左边翻页哦)", R"(<h3>游戏辅助</h3>)",
    R"(<li>)", R"(</li>)", "", "", R"(" title=")", R"(")", R"(<a href=")", R"(")"},
  /* 8 */ {"可乐资源网", R, "可乐", bare, f0, none,
    R"(提示：需要看更多资源可以在左边翻页哦)", R"(<!--首页_上部结束 -->)",
    R"(<li class=)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 9 */ {"末世辅助网", R, "末世", home, f0, none,
    R"(提示：需要看更多资源可以在左边翻页哦)", R"(<h3>游戏辅助</h3>)",
    R"(<li style=)", R"(</li>)", "", "", R"(title=")", R"(")", R"(href=")", R"(")"},
  /* 10 */ {"木木娱乐网", R, "木木", turn, f0, root,
    "", "",
    R"(trnewtime178888)", R"(<\/li>)", "", "", R"(title=\")", R"(\">)", R"(<a href=\"..\/)", R"(\")"},
  /* 11 */ {"小欧娱乐网", R, "小欧", home, f0, root,
    R"(最新更新</div>)", R"(>更多教程<)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 12 */ {"善良娱乐网", R, "善良", home, f0, root,
    R"(提示：需要看更多的资源可以在左边翻页哦)", R"(>Zarnel源码<)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(title=")", R"(")", R"( href="/)", R"(")"},
  /* 13 */ {"技术文娱网", R, "技术文", bare, f0, root,
    R"(提示：需要看更多的资源可以在左边翻页哦)", R"(<!--bugTab-end-->)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(" title=")", R"(")", R"(href="/)", R"(")"},
  /* 14 */ {"爱收集资源网", R, "爱收集", bare, f3, root,
    R"(>资源关键词<)", R"(HtmlMoKua_27235130)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(title=")", R"(")", R"(<a href="/)", R"(")"},
  /* 15 */ {"好牛娱乐网", R, "好牛", bare, f0, root,
    R"(最新更新</div>)", R"(>更多教程</a>)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 16 */ {"免费软件库", R, "软件库", turn, f0, root,
    "", "",
    R"(trnewtime178888)", R"(<\/li>)", "", "", R"(title=\")", R"(\">)", R"(<a href=\"..\/)", R"(\")"},
  /* 17 */ {"善恶资源网", R, "善恶", bare, f0, root,
    R"(提示：需要看昨天的资源可以在左边翻页哦)", R"(>自学教程<)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 18 */ unmarked("爱上资源网", N),
  /* 19 */ {"QQ技术基地", R, "QQ技术", bare, f0, root,
    R"(每日点击搜索：QQ技术网)", R"(<!--首页_上部结束 -->)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(title=")", R"(")", R"(<a href="/)", R"(")"},
  /* 20 */ {"技术QQ网娱", R, "技术QQ", bare, f0, root,
    R"(∷QQ技术教程∷)", R"(>更多教程<)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href='/)", R"(')"},
  /* 21 */ {"QQ钻域乐园", R, "QQ钻域", bare, f0, root,
    R"(提示：需要看昨天的资源可以在左边翻页哦)", R"(>软件仓库<)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href="/)", R"(")"},
  /* 22 */ {"北辰娱乐网", R, "北辰", bare, f0, root,
    R"(需要看更多的资源在左边翻页哦)", R"(>值得一看</a>)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(title=")", R"(")", R"(href="/)", R"(")"},
  /* 23 */ {"茶茶资源网", R, "茶茶", turn, f0, news,
    "", "",
    R"(<li class=)", R"(<\/li>)", "", "", R"(title=\")", R"(\">)", R"(<a href=\".\/news\/)", R"(\")"},
  /* 24 */ {"悟空资源网", R, "悟空", bare, f0, none,
    R"(<h3>本站最新内容</h3>)", R"(<h3>绿色软件</h3>)",
    R"(<li style=)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 25 */ {"小康资源网", R, "小康", bare, f4, none,
    R"(<h2>全部更新</h2>)", R"(<h2>QQPSD源码</h2>)",
    R"(<li>)", R"(</li>)", "", "", R"(title=")", R"(")", R"(<a href=")", R"(")"},
  /* 26 */ {"神音资源网", R, "神音", bare, f2, none,
    R"(最新精彩内容)", R"(<!--底部广告位置放这里-->)",
    R"(<li class=)", R"(>阅读全文</a>)", "", "", R"(target="_blank">)" "\t", R"(</b>)", R"(<h3><a href=")", R"(")"},
  /* 27 */ {"木马屋资源网", R, "木马屋", bare, jr, root,
    R"(<span>最近更新</span>)", R"(<span>热门排行</span>)",
    R"(<li class=)", R"(</li>)", "", "", R"(title=")", R"(")", R"(href="/)", R"(")"},
  /* 28 */ {"青春娱乐网", R, "青春", bare, f0, root,
    R"(提示：需要看更多的资源可以在左边翻页哦)", R"(>Zarnel源码<)",
    R"(<td width=)", R"(&nbsp; &nbsp;</td>)", "", "", R"(title=")", R"(")", R"(href="/)", R"(")"},
  /* 29 */ {"206辅助网", R, "206", bare, f0, root,
    R"(提示：需要看更多资源可以在左边翻页哦)", R"(<div class="imgBox list">)",
    R"(<li class=)", R"(</li>)", "", "", R"(target="_blank">)", R"(</a>)", R"(<a href=)", R"( )"},
  /* 30 */ unmarked("晨讯资源网", E),
  /* 31 */ {"小叶教学网", R, "小叶", bare, f2, none,
    R"(>今日更新资源<)", R"(<h3>Zarnel资源</h3>)",
    R"(li class=)", R"(</li>)", R"(<div class="mark">)", R"(</h3>)", R"(target="_blank">)", R"(</a>)", R"(<a href=")", R"(")"},
  /* 32 */ unmarked("零度娱乐网", E),
  /* 33 */ unmarked("小果娱乐网", E),
  /* 34 */ unmarked("优越娱乐网", E),
  /* 35 */ unmarked("资源爱好者", E),
  /* 36 */ unmarked("黑手安全网", E),
  /* 37 */ unmarked("爱Q生活网", E),
  /* 38 */ unmarked("信仰娱乐网", E),
  /* 39 */ unmarked("小K娱乐网", E),
  /* 40 */ unmarked("世界娱乐网", E),
};
return table;
}
// clang-format on

}  // namespace

const std::vector<SourceEntry>& sourceCatalogue() { return catalogueTable(); }

const SourceEntry* findSource(std::string_view name) {
  for (const auto& entry : catalogueTable())
    if (entry.name == name) return &entry;
  return nullptr;
}

std::string dayMarkText(const SourceEntry& entry) { return dayMarkText(entry, localNow()); }

std::string dayMarkText(const SourceEntry& entry, const DateTime& day) {
  switch (entry.dayMark) {
    case DayMark::form0: return todayText(0, day);
    case DayMark::form1: return todayText(1, day);
    case DayMark::form2: return todayText(2, day);
    case DayMark::form3: return todayText(3, day);
    case DayMark::form4: return todayText(4, day);
    case DayMark::todayWord: return "今日";
    case DayMark::none: break;
  }
  return {};
}

Recipe recipeFor(const SourceEntry& entry, const std::string& siteRoot, const std::string& dayMarkText) {
  if (entry.kind != RecipeKind::withRecipe) return {};
  // A root given without its closing "/" still makes whole addresses.
  std::string host = siteRoot;
  if (!host.empty() && host.back() == '/') host.pop_back();
  const std::string rootWithSlash = host.empty() ? std::string() : host + "/";
  std::string prefix;
  if (entry.linkPrefix == LinkPrefix::siteRoot) prefix = rootWithSlash;
  if (entry.linkPrefix == LinkPrefix::siteRootNews) prefix = rootWithSlash + "news/";
  return Recipe{host + entry.pagePath,
                entry.blockStart, entry.blockEnd,
                entry.itemStart, entry.itemEnd,
                dayMarkText,
                entry.label,
                entry.titleStart, entry.titleEnd,
                entry.linkStart, entry.linkEnd,
                prefix,
                entry.innerStart, entry.innerEnd};
}
