#include "settings/addresses.h"

#include "settings/settings_file.h"
#include "settings_fixture.h"

TEST(Addresses, DefaultsPointAtTheDemoWebInWalkOrder) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  EXPECT_EQ(catalogueServerRoot(settings), "http://127.0.0.1:18936/");
  EXPECT_EQ(sourceListAddress(settings), "http://127.0.0.1:18936/book/kpzw/ylw.txt");
  EXPECT_EQ(shareListAddress(settings), "http://127.0.0.1:18936/book/kpzw/sl_fx.txt");
  EXPECT_EQ(websiteListAddress(settings), "http://127.0.0.1:18936/book/kpzw/sl_wz.txt");
}

TEST(Addresses, TheSettingsFileOverridesEachAddress) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  ASSERT_TRUE(host::writeFileAtomically(settings.path,
                                        "[服务器]\r\n地址=http://10.0.0.5:8080\r\n"
                                        "[站点地址]\r\n小刀娱乐网=https://xiaodao.example/\r\n深蓝娱乐网=http://shenlan.example\r\n"));
  EXPECT_EQ(catalogueServerRoot(settings), "http://10.0.0.5:8080/");
  EXPECT_EQ(sourceListAddress(settings), "http://10.0.0.5:8080/book/kpzw/ylw.txt");
  EXPECT_EQ(configuredSiteRoot(settings, "小刀娱乐网"), "https://xiaodao.example/");
  EXPECT_EQ(configuredSiteRoot(settings, "深蓝娱乐网"), "http://shenlan.example/");
  EXPECT_EQ(configuredSiteRoot(settings, "QQ国际娱乐"), "");
  // Resetting the file leaves the overrides alone.
  resetSettingsFile(settings, "0");
  EXPECT_EQ(configuredSiteRoot(settings, "小刀娱乐网"), "https://xiaodao.example/");
}
