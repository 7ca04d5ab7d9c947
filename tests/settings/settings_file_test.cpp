#include "settings/settings_file.h"

#include <set>

#include "settings_fixture.h"

namespace {

std::string newFileBytes() {
  std::string bytes = "[修改版本]\r\n版本型号=0\r\n[项目配置]\r\n";
  for (const char* name :
       {"小刀娱乐网", "QQ国际娱乐", "深蓝娱乐网", "小高教学网", "小龙娱乐网", "久久辅助网", "我爱辅助网", "可乐资源网",
        "末世辅助网", "木木娱乐网", "小欧娱乐网", "善良娱乐网", "善恶资源网", "爱上资源网", "技术文娱网", "爱收集资源网",
        "好牛娱乐网", "免费软件库", "QQ技术基地", "技术QQ网娱", "QQ钻域乐园", "北辰娱乐网", "茶茶资源网", "悟空资源网",
        "小康资源网", "神音资源网", "木马屋资源网", "青春娱乐网", "206辅助网", "晨讯资源网", "小叶教学网", "零度娱乐网",
        "小果娱乐网", "优越娱乐网", "资源爱好者", "信仰娱乐网", "小K娱乐网", "世界娱乐网", "黑手安全网", "爱Q生活网"})
    bytes += std::string(name) + "=获取\r\n";
  return bytes;
}

}  // namespace

TEST(SettingsFile, FirstStartWritesBothSectionsInTheDefaultOrder) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  EXPECT_EQ(settings.path, run.path() + "/ZeZa.ini");
  ensureSettingsFile(settings, "0");
  const std::string bytes = fileBytes(settings.path);
  EXPECT_EQ(bytes, newFileBytes());
  // The literal bytes are code page 936: 获取 is BB F1 C8 A1.
  EXPECT_NE(bytes.find("\xBB\xF1\xC8\xA1\r\n"), std::string::npos);
  // A second start with the same version changes nothing.
  ensureSettingsFile(settings, "0");
  EXPECT_EQ(fileBytes(settings.path), bytes);
}

TEST(SettingsFile, DefaultNamesAreFortyDistinctNamesJoinedByCrLf) {
  const auto names = defaultSourceNameList();
  ASSERT_EQ(names.size(), 40u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 40u);
  EXPECT_EQ(names.front(), "小刀娱乐网");
  EXPECT_EQ(names.back(), "爱Q生活网");
  EXPECT_NE(std::string(defaultSourceNames).substr(std::string(defaultSourceNames).size() - 2), "\r\n");
}

TEST(SettingsFile, StaleOrMissingVersionResetsOnlyTheDefaultNames) {
  for (const std::string staleVersion : {"版本型号=1\r\n", "", "版本型号=0 1\r\n"}) {
    TemporaryFolder run{"tovi_settings"};
    SettingsFile settings(run.path());
    ASSERT_TRUE(host::writeFileAtomically(settings.path,
                                          "[修改版本]\r\n" + staleVersion +
                                              "[项目配置]\r\n小刀娱乐网=禁止\r\n自建网=禁止\r\n"
                                              "[站点地址]\r\n小刀娱乐网=http://example.test/\r\n"));
    ensureSettingsFile(settings, "0");
    EXPECT_EQ(settings.read("修改版本", "版本型号"), "0") << staleVersion;
    EXPECT_EQ(settings.read("项目配置", "小刀娱乐网"), "获取");
    EXPECT_EQ(settings.read("项目配置", "爱Q生活网"), "获取");
    EXPECT_EQ(settings.read("项目配置", "自建网"), "禁止");  // not a default name: kept
    EXPECT_EQ(settings.read("站点地址", "小刀娱乐网"), "http://example.test/");
  }
}

TEST(SettingsFile, CurrentFileKeepsItsChoices) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  ensureSettingsFile(settings, "0");
  ASSERT_TRUE(settings.write("项目配置", "深蓝娱乐网", "禁止"));
  ensureSettingsFile(settings, "0");
  EXPECT_EQ(settings.read("项目配置", "深蓝娱乐网"), "禁止");
}

TEST(SettingsFile, OnlyTheExactValueEnablesASource) {
  TemporaryFolder run{"tovi_settings"};
  SettingsFile settings(run.path());
  ASSERT_TRUE(host::writeFileAtomically(settings.path,
                                        "[项目配置]\r\na=获取\r\nb=禁止\r\nc=\r\nd=获取了\r\ne=\"获取\"\r\nf = 获取 \r\n"));
  const std::vector<std::pair<std::string, bool>> cases = {{"a", true},  {"b", false}, {"c", false}, {"d", false},
                                                           {"e", true},  {"f", true},  {"g", false}, {"A", true}};
  for (const auto& [name, enabled] : cases) EXPECT_EQ(isSourceEnabled(settings, name), enabled) << name;
}
