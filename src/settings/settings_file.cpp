#include "settings/settings_file.h"

#include "host/files.h"
#include "text/cp936.h"

const char* const defaultSourceNames =
    "小刀娱乐网\r\nQQ国际娱乐\r\n深蓝娱乐网\r\n小高教学网\r\n小龙娱乐网\r\n久久辅助网\r\n我爱辅助网\r\n"
    "可乐资源网\r\n末世辅助网\r\n木木娱乐网\r\n小欧娱乐网\r\n善良娱乐网\r\n善恶资源网\r\n爱上资源网\r\n"
    "技术文娱网\r\n爱收集资源网\r\n好牛娱乐网\r\n免费软件库\r\nQQ技术基地\r\n技术QQ网娱\r\nQQ钻域乐园\r\n"
    "北辰娱乐网\r\n茶茶资源网\r\n悟空资源网\r\n小康资源网\r\n神音资源网\r\n木马屋资源网\r\n青春娱乐网\r\n"
    "206辅助网\r\n晨讯资源网\r\n小叶教学网\r\n零度娱乐网\r\n小果娱乐网\r\n优越娱乐网\r\n资源爱好者\r\n"
    "信仰娱乐网\r\n小K娱乐网\r\n世界娱乐网\r\n黑手安全网\r\n爱Q生活网";

SettingsFile::SettingsFile(const std::string& runDirectory)
    : path(host::joinPath(runDirectory, "ZeZa.ini")), ini(path) {}

std::vector<std::string> defaultSourceNameList() { return text::splitText(defaultSourceNames, "\r\n"); }

namespace {

// The version key first, then every default name set to collect, in the default order.
std::vector<host::IniEntry> freshEntries(const std::string& settingsVersion) {
  std::vector<host::IniEntry> entries{{versionSection, versionKey, settingsVersion}};
  for (const auto& name : defaultSourceNameList()) entries.push_back({sourcesSection, name, collectValue});
  return entries;
}

}  // namespace

void ensureSettingsFile(SettingsFile& settings, const std::string& settingsVersion) {
  if (!host::fileExists(settings.path)) settings.ini.writeAll(freshEntries(settingsVersion));
  if (settings.read(versionSection, versionKey) != settingsVersion) resetSettingsFile(settings, settingsVersion);
}

void resetSettingsFile(SettingsFile& settings, const std::string& settingsVersion) {
  settings.ini.writeAll(freshEntries(settingsVersion));
}

bool isSourceEnabled(const SettingsFile& settings, const std::string& name) {
  return settings.read(sourcesSection, name) == collectValue;
}
