#include "collect/site_roots.h"

#include <gtest/gtest.h>

#include <set>

#include "host/files.h"
#include "settings/settings_file.h"
#include "support/temporary_folder.h"

TEST(SiteRoots, DefaultsPointAtTheDemoWebInWalkOrder) {
  TemporaryFolder run{"tovi_collect"};
  SettingsFile settings(run.path());
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
  // Every default name of the settings file is a source, each with its own number.
  std::set<std::string> roots;
  for (const auto& name : defaultSourceNameList()) roots.insert(siteRootFor(settings, name));
  EXPECT_EQ(roots.size(), 40u);
  EXPECT_EQ(roots.count(""), 0u);
}

TEST(SiteRoots, OwnRootsOverrideAndTheRestMoveWithTheServer) {
  TemporaryFolder run{"tovi_collect"};
  SettingsFile settings(run.path());
  ASSERT_TRUE(host::writeFileAtomically(settings.path,
                                        "[服务器]\r\n地址=http://10.0.0.5:8080\r\n"
                                        "[站点地址]\r\n小刀娱乐网=https://xiaodao.example/\r\n深蓝娱乐网=http://shenlan.example\r\n"));
  EXPECT_EQ(siteRootFor(settings, "小刀娱乐网"), "https://xiaodao.example/");
  EXPECT_EQ(siteRootFor(settings, "深蓝娱乐网"), "http://shenlan.example/");
  EXPECT_EQ(siteRootFor(settings, "QQ国际娱乐"), "http://10.0.0.5:8080/site02/");
  EXPECT_EQ(defaultSiteRootFor("QQ国际娱乐"), "http://127.0.0.1:18936/site02/");
  // An override for a name that is no source gives it no site.
  ASSERT_TRUE(settings.write("站点地址", "自建网", "http://x.example/"));
  EXPECT_EQ(siteRootFor(settings, "自建网"), "");
}
