// The scraper against the demo web's listing pages, served over real HTTP in-process.
// The expected rows are copied by hand from the page templates (tools/demoweb/pages),
// not worked out from the markers, so a wrong marker or prefix shows up here.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "collect/scraper.h"
#include "demo_web.h"
#include "text/date_text.h"

namespace {

struct Row {
  const char* title;
  const char* path;  // the link is the source's site root followed by this
};

// Today's rows of every source with a recipe on 2018-05-30, in page order.
const std::map<int, std::vector<Row>>& expectedRows() {
  static const std::map<int, std::vector<Row>> rows = {
      {1,
       {{"QQ飞车手游全自动漂移辅助 v3.6", "wz/15833.html"},
        {"易语言多线程采集源码 带注释", "wz/15832.html"},
        {"05-30最新QQ名片赞刷取教程", "wz/15831.html"},
        {"Photoshop 2018 绿色精简版", "wz/15830.html"},
        {"王者荣耀透视辅助 免费版（仅供学习）", "wz/15829.html"},
        {"抖音无水印视频下载器", "wz/15828.html"},
        {"新手建站教程：十分钟搭好个人博客", "wz/15827.html"}}},
      {2,
       {{"QQ空间克隆器 v3.2 免费版", "tougao/5521.html"},
        {"全民K歌 歌曲批量下载工具", "tougao/5520.html"},
        {"易语言 QQ登录协议模块 源码", "tougao/5519.html"},
        {"绝地求生 画质修改器", "tougao/5518.html"}}},
      {3,
       {{"360 安全卫士 去广告绿色版", "ruanjian/2231.html"},
        {"穿越火线 自动瞄准辅助 内部版", "fuzhu/2230.html"},
        {"仿小刀娱乐网 织梦模板 整站源码", "yuanma/2229.html"},
        {"电脑蓝屏代码 0x0000007B 解决方法", "jiaocheng/2228.html"},
        {"5-30 开服预告：新区首充双倍", "huodong/2227.html"}}},
      {4,
       {{"用 Python 批量重命名文件", "archives/911.html"},
        {"WordPress 网站搬家完整教程", "archives/910.html"},
        {"Win10 开机慢的七种解决办法", "archives/909.html"}}},
      {5,
       {{"QQ炫舞 自动按键辅助 v2.1", "news/2301.html"},
        {"易语言 窗口透明化 源码", "news/2300.html"},
        {"酷狗音乐 破解版 免登录下载", "news/2299.html"},
        {"小龙娱乐网 投稿须知", "news/2018-05-30-2290.html"}}},
      {6,
       {{"CF 穿越火线 透视自瞄 免费版", "cf/6071.html"},
        {"DNF 一键分解 连发 辅助", "dnf/6070.html"},
        {"和平精英 广角 画质助手", "shouyou/6069.html"},
        {"LOL 自动补刀 走砍助手", "lol/6068.html"},
        {"CF 一键瞬狙 压枪宏", "cf/6067.html"},
        {"辅助使用必看：关闭杀毒软件再运行", "gonggao/2018-05-30/1.html"}}},
      {7, {{"逆战 刷猎场 辅助", "fuzhu/4410.html"}, {"鼠标连点器 绿色版", "ruanjian/4409.html"}}},
      {8,
       {{"QQ 空间背景音乐 免费设置", "qq/7731.html"},
        {"招商银行 领10元话费", "hd/7730.html"},
        {"QQ 防撤回 补丁 最新版", "rj/7729.html"},
        {"个人发卡 网站源码", "ym/7728.html"},
        {"QQ 等级加速 攻略", "qq/7727.html"},
        {"京东 白条 免息券 领取", "hd/7726.html"},
        {"微信 聊天记录 恢复工具", "rj/7725.html"},
        {"QQ 彩色昵称 代码", "qq/7724.html"}}},
      {9, {}},
      {10, {{"木木 QQ批量加好友工具", "soft-8842.html"}, {"电脑定时关机小助手", "soft-8841.html"}}},
      {11,
       {{"小欧05-30更新：QQ超级会员皮肤包", "rj/1511.html"},
        {"球球大作战 分身辅助", "fz/1510.html"},
        {"Windows 7 停止支持后怎么办", "jc/1509.html"},
        {"表白墙 网站源码 带后台", "ym/1508.html"},
        {"网速测试 小工具", "rj/1507.html"}}},
      {12,
       {{"QQ 音乐 绿钻 破解版", "ruanjian/4521.html"},
        {"易语言 自动登录 源码", "yuanma/4520.html"},
        {"Win10 关闭自动更新 教程", "jiaocheng/4519.html"}}},
      {13,
       {{"QQ 隐身 对单人可见 设置", "qqjs/2018/9921.html"},
        {"显卡 驱动 回滚 教程", "dnjs/2018/9920.html"},
        {"王者荣耀 战力查询 工具", "yl/2018/9919.html"},
        {"QQ 群 匿名聊天 开启", "qqjs/2018/9918.html"}}},
      {14,
       {{"网页 截长图 插件", "ruanjian/660.html"},
        {"在线 答题 系统 源码", "yuanma/659.html"},
        {"抖音 剪辑 入门", "jiaocheng/658.html"},
        {"批量 图片 压缩", "ruanjian/657.html"}}},
      {15, {{"好牛 QQ 群管机器人", "soft/2041.html"}, {"植物大战僵尸 修改器", "game/2040.html"}}},
      {16,
       {{"7-Zip 压缩软件 中文版", "soft-53101.html"},
        {"Notepad++ 绿色便携版", "soft-53100.html"},
        {"PotPlayer 播放器 去广告", "soft-53099.html"},
        {"Everything 文件秒搜", "soft-53098.html"},
        {"福昕PDF阅读器 精简版", "soft-53097.html"},
        {"Bandizip 解压缩", "soft-53096.html"},
        {"CPU-Z 硬件检测", "soft-53095.html"},
        {"DiskGenius 分区工具 专业版", "soft-53094.html"},
        {"Snipaste 截图贴图", "soft-53093.html"},
        {"IDM 下载器 中文破解版", "soft-53092.html"},
        {"ToDesk 远程控制", "soft-53091.html"},
        {"格式工厂 去广告版", "soft-53090.html"}}},
      {17,
       {{"QQ 聊天记录 导出 工具", "rj/3308.html"},
        {"穿越火线 一键连跳", "fz/3307.html"},
        {"零基础 学 易语言 第一课", "zx/3306.html"},
        {"百度 网盘 提取码 破解 工具", "rj/3305.html"},
        {"天天酷跑 刷金币", "fz/3304.html"},
        {"视频 去水印 神器", "rj/3303.html"}}},
      {19,
       {{"QQ 黄钻 免费 领取 方法", "qqjs/5512.html"},
        {"QQ 钱包 新人 红包", "qqhd/5511.html"},
        {"QQ 技术 基地 专用 工具箱", "qqrj/2018-05-30/5510.html"}}},
      {20, {}},
      {21,
       {{"QQ 绿钻 一个月 免费领", "zuan/871.html"},
        {"腾讯 视频 VIP 活动", "hd/870.html"},
        {"QQ 刷钻 软件 测试版", "ck/869.html"}}},
      {22, {{"北辰 一键 装机 工具", "rj/7001.html"}, {"CDR 入门 到 精通", "jc/7000.html"}}},
      {23,
       {{"茶茶 QQ空间秒赞 最新版", "news/903.html"},
        {"百度文库 免费下载方法", "news/902.html"},
        {"火影忍者 手游 挂机脚本", "news/901.html"}}},
      {24,
       {{"西游 手游 自动 挂机", "youxi/3101.html"},
        {"悟空 浏览器 纯净版", "lvse/3100.html"},
        {"路由器 设置 图解", "jiaocheng/3099.html"},
        {"街机 模拟器 合集", "youxi/3098.html"}}},
      {25,
       {{"QQ 透明 头像 生成器", "soft/1770.html"},
        {"QQ 名片 PSD 模板 100 套", "qqpsd/1769.html"},
        {"剪映 电脑版 使用 技巧", "soft/1768.html"},
        {"桌面 日历 便签", "soft/1767.html"},
        {"QQ 空间 封面 PSD", "qqpsd/1766.html"},
        {"GIF 动图 制作", "soft/1765.html"},
        {"电脑 查看 WiFi 密码", "soft/1764.html"},
        {"QQ 气泡 PSD 素材", "qqpsd/1763.html"},
        {"音频 剪辑 工具", "soft/1762.html"},
        {"一键 清理 系统 垃圾", "soft/1761.html"}}},
      {26, {{"易语言 模块 大全 2000+", "post/551.html"}, {"网易云 音乐 下载器", "post/550.html"}}},
      {27,
       {{"木马屋 专用 解压 工具", "ruanjian/5101.html"},
        {"QQ 登录 扫码 源码 PHP", "yuanma/5100.html"},
        {"电脑 一键 还原 教程", "jiaocheng/5099.html"},
        {"今日头条 极速版 去广告", "ruanjian/5098.html"}}},
      {28,
       {{"青春 QQ 秀 免费 装扮", "rj/8001.html"},
        {"手机 NFC 门禁卡 复制 教程", "jc/8000.html"},
        {"青春 个人 博客 源码", "ym/7999.html"},
        {"QQ 空间 访客 记录 查看", "rj/2018-05-30-7998.html"}}},
      {29,
       {{"CF 206 透视 自瞄 二合一", "cf/20601.html"},
        {"LOL 206 走A 助手", "lol/20600.html"},
        {"王者 荣耀 206 技能 提示", "sy/20599.html"},
        {"CF 生化 模式 无敌", "cf/20598.html"},
        {"香肠 派对 透视", "sy/20597.html"},
        {"LOL 一键 连招", "lol/20596.html"},
        {"CF 瞬移 辅助", "cf/20595.html"},
        {"和平 精英 自瞄", "sy/20594.html"},
        {"CF 秒杀 辅助", "cf/20593.html"}}},
      {31,
       {{"Typecho 博客 搭建 全过程", "archives/421/"},
        {"Nginx 反向 代理 配置", "archives/420/"},
        {"电脑 开机 密码 忘了 怎么办", "archives/419/"}}},
  };
  return rows;
}

std::vector<host::Column> fiveColumns() {
  return {{"编号", 40}, {"来源", 60}, {"名称", 300}, {"时间", 80}, {"链接", 200}};
}

class DemoWebScrape : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GT(web.port(), 0); }
  demoweb::DemoWeb web;
};

TEST_F(DemoWebScrape, EverySourceWithARecipeYieldsItsHandWrittenRowsOnAFixedDay) {
  web.setToday({2018, 5, 30});
  const DateTime day{2018, 5, 30, 12, 0, 0};
  ASSERT_EQ(expectedRows().size(), 29u);
  const auto& catalogue = sourceCatalogue();
  for (int number = 1; number <= 40; ++number) {
    const SourceEntry& entry = catalogue[number - 1];
    if (entry.kind != RecipeKind::withRecipe) {
      EXPECT_EQ(expectedRows().count(number), 0u) << number;
      continue;
    }
    SCOPED_TRACE(entry.name);
    const std::string root = demoweb::siteRoot(web.root(), number);
    host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
    const std::string date = 时间_到文本(std::nullopt, 1, 1);
    const long count = scrapePage(list, recipeFor(entry, root, dayMarkText(entry, day)));
    const auto& want = expectedRows().at(number);
    EXPECT_EQ(count, static_cast<long>(want.size()));
    ASSERT_EQ(list.rowCount(), static_cast<int>(want.size()));
    for (size_t i = 0; i < want.size(); ++i) {
      const int row = static_cast<int>(i);
      EXPECT_EQ(list.cellText(row, 0), std::to_string(i + 1));
      EXPECT_EQ(list.cellText(row, 1), entry.label);
      EXPECT_EQ(list.cellText(row, 2), want[i].title) << "row " << i + 1;
      EXPECT_EQ(list.cellText(row, 3), date);
      EXPECT_EQ(list.cellText(row, 4), root + want[i].path) << "row " << i + 1;
    }
  }
}

// The whole walk as a collection run makes it: catalogue order, today's day marks
// worked out per source, one list whose numbers run on from source to source.
TEST_F(DemoWebScrape, TheWholeCatalogueScrapedInWalkOrder) {
  host::ListView list("列表框_采集", nullptr, {}, fiveColumns());
  long total = 0;
  std::string counts;
  for (int number = 1; number <= 40; ++number) {
    const SourceEntry& entry = sourceCatalogue()[number - 1];
    long count = 0;
    if (entry.kind != RecipeKind::noRecipe) {
      const int before = list.rowCount();
      count = scrapePage(list, recipeFor(entry, demoweb::siteRoot(web.root(), number), dayMarkText(entry)));
      EXPECT_EQ(list.rowCount(), before + count) << entry.name;
    }
    // The pages hold the same number of today's items whatever the day.
    const auto expected = expectedRows().find(number);
    EXPECT_EQ(count, expected == expectedRows().end() ? 0 : static_cast<long>(expected->second.size()))
        << entry.name;
    total += count;
    counts += (number > 1 ? " " : "") + std::to_string(count);
  }
  std::printf("rows per source in walk order: %s (total %ld)\n", counts.c_str(), total);
  ASSERT_EQ(list.rowCount(), total);
  for (int row = 0; row < list.rowCount(); ++row) ASSERT_EQ(list.cellText(row, 0), std::to_string(row + 1));
}

}  // namespace
