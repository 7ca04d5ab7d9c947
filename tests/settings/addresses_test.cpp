#include "settings/addresses.h"

#include <set>

#include "settings/settings_file.h"
#include "settings_fixture.h"

TEST(Addresses, DefaultsPointAtTheDemoWebInWalkOrder) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  EXPECT_EQ(catalogueServerRoot(settings), "http://127.0.0.1:18936/");
  EXPECT_EQ(sourceListAddress(settings), "http://127.0.0.1:18936/book/kpzw/ylw.txt");
  EXPECT_EQ(shareListAddress(settings), "http://127.0.0.1:18936/book/kpzw/sl_fx.txt");
  EXPECT_EQ(websiteListAddress(settings), "http://127.0.0.1:18936/book/kpzw/sl_wz.txt");
  // Numbered by the walk order, which differs from the settings file's own order.
  const std::vector<std::pair<std::string, std::string>> numbered = {
      {"小刀娱乐网", "01"}, {"技术文娱网", "13"}, {"善恶资源网", "17"}, {"爱上资源网", "18"},
      {"黑手安全网", "36"}, {"信仰娱乐网", "38"}, {"世界娱乐网", "40"}};
  for (const auto& [name, n] : numbered) {
    EXPECT_EQ(siteRootFor(settings, name), "http://127.0.0.1:18936/site" + n + "/") << name;
    EXPECT_EQ(defaultSiteRootFor(name), "http://127.0.0.1:18936/site" + n + "/") << name;
  }
  EXPECT_EQ(siteRootFor(settings, "不存在的网"), "");
  EXPECT_EQ(siteRootFor(settings, ""), "");
  // Every default name is a source, each with its own number.
  std::set<std::string> roots;
  for (const auto& name : defaultSourceNameList()) roots.insert(siteRootFor(settings, name));
  EXPECT_EQ(roots.size(), 40u);
  EXPECT_EQ(roots.count(""), 0u);
}

TEST(Addresses, TheSettingsFileOverridesEachAddress) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  ASSERT_TRUE(host::writeFileAtomically(settings.path,
                                        "[服务器]\r\n地址=http://10.0.0.5:8080\r\n"
                                        "[站点地址]\r\n小刀娱乐网=https://xiaodao.example/\r\n深蓝娱乐网=http://shenlan.example\r\n"));
  EXPECT_EQ(catalogueServerRoot(settings), "http://10.0.0.5:8080/");
  EXPECT_EQ(sourceListAddress(settings), "http://10.0.0.5:8080/book/kpzw/ylw.txt");
  EXPECT_EQ(siteRootFor(settings, "小刀娱乐网"), "https://xiaodao.example/");
  EXPECT_EQ(siteRootFor(settings, "深蓝娱乐网"), "http://shenlan.example/");
  // A source without its own root moves with the server.
  EXPECT_EQ(siteRootFor(settings, "QQ国际娱乐"), "http://10.0.0.5:8080/site02/");
  EXPECT_EQ(defaultSiteRootFor("QQ国际娱乐"), "http://127.0.0.1:18936/site02/");
  // An override for a name that is no source gives it no site.
  ASSERT_TRUE(settings.write("站点地址", "自建网", "http://x.example/"));
  EXPECT_EQ(siteRootFor(settings, "自建网"), "");
  // Resetting the file leaves the overrides alone.
  resetSettingsFile(settings, "0");
  EXPECT_EQ(siteRootFor(settings, "小刀娱乐网"), "https://xiaodao.example/");
}
