#include "settings/addresses.h"

#include <array>

#include "settings/settings_file.h"

namespace {

// The forty display names in walk order: a source's number is its place here.
constexpr std::array<const char*, 40> walkOrder = {
    "小刀娱乐网", "QQ国际娱乐", "深蓝娱乐网", "小高教学网", "小龙娱乐网",   "久久辅助网", "我爱辅助网",
    "可乐资源网", "末世辅助网", "木木娱乐网", "小欧娱乐网", "善良娱乐网",   "技术文娱网", "爱收集资源网",
    "好牛娱乐网", "免费软件库", "善恶资源网", "爱上资源网", "QQ技术基地",   "技术QQ网娱", "QQ钻域乐园",
    "北辰娱乐网", "茶茶资源网", "悟空资源网", "小康资源网", "神音资源网",   "木马屋资源网", "青春娱乐网",
    "206辅助网",  "晨讯资源网", "小叶教学网", "零度娱乐网", "小果娱乐网",   "优越娱乐网", "资源爱好者",
    "黑手安全网", "爱Q生活网",  "信仰娱乐网", "小K娱乐网",  "世界娱乐网"};

std::string withClosingSlash(std::string root) {
  if (!root.empty() && root.back() != '/') root += '/';
  return root;
}

int sourceNumber(const std::string& name) {
  for (size_t i = 0; i < walkOrder.size(); ++i)
    if (name == walkOrder[i]) return static_cast<int>(i) + 1;
  return 0;
}

// "siteNN/" under a server root; empty for a name that is no source.
std::string siteUnder(const std::string& serverRoot, const std::string& name) {
  const int n = sourceNumber(name);
  if (n == 0) return {};
  const char digits[] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
  return serverRoot + "site" + digits + "/";
}

}  // namespace

std::string catalogueServerRoot(const SettingsFile& settings) {
  const std::string configured = settings.read(serverSection, serverKey);
  return withClosingSlash(configured.empty() ? defaultCatalogueServerRoot : configured);
}

std::string defaultSiteRootFor(const std::string& name) { return siteUnder(defaultCatalogueServerRoot, name); }

std::string siteRootFor(const SettingsFile& settings, const std::string& name) {
  if (sourceNumber(name) == 0) return {};
  const std::string configured = settings.read(siteSection, name);
  // A site without its own root stays beside the catalogue server, wherever that is.
  return configured.empty() ? siteUnder(catalogueServerRoot(settings), name) : withClosingSlash(configured);
}

std::string sourceListAddress(const SettingsFile& settings) {
  return catalogueServerRoot(settings) + "book/kpzw/ylw.txt";
}
std::string shareListAddress(const SettingsFile& settings) {
  return catalogueServerRoot(settings) + "book/kpzw/sl_fx.txt";
}
std::string websiteListAddress(const SettingsFile& settings) {
  return catalogueServerRoot(settings) + "book/kpzw/sl_wz.txt";
}
