#include "collect/site_roots.h"

#include "collect/catalogue.h"
#include "settings/addresses.h"

namespace {

// "siteNN/" under a server root; empty for a name that is no source.
std::string siteUnder(const std::string& serverRoot, const std::string& name) {
  const SourceEntry* entry = findSource(name);
  if (!entry) return {};
  const int n = static_cast<int>(entry - sourceCatalogue().data()) + 1;
  const char digits[] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
  return serverRoot + "site" + digits + "/";
}

}  // namespace

std::string defaultSiteRootFor(const std::string& name) { return siteUnder(defaultCatalogueServerRoot, name); }

std::string siteRootFor(const SettingsFile& settings, const std::string& name) {
  if (!findSource(name)) return {};
  const std::string configured = configuredSiteRoot(settings, name);
  return configured.empty() ? siteUnder(catalogueServerRoot(settings), name) : configured;
}
