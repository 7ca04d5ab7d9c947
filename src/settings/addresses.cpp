#include "settings/addresses.h"

#include "settings/settings_file.h"

namespace {

std::string withClosingSlash(std::string root) {
  if (!root.empty() && root.back() != '/') root += '/';
  return root;
}

}  // namespace

std::string catalogueServerRoot(const SettingsFile& settings) {
  const std::string configured = settings.read(serverSection, serverKey);
  return withClosingSlash(configured.empty() ? defaultCatalogueServerRoot : configured);
}

std::string configuredSiteRoot(const SettingsFile& settings, const std::string& name) {
  return withClosingSlash(settings.read(siteSection, name));
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
