#pragma once
// Where the catalogue server lives (and, in collect/site_roots.h, the forty sources).
// The defaults point at the bundled demo web; the settings file may override each of
// them without a rebuild:
//   [服务器]   地址=<catalogue server root>
//   [站点地址] <display name>=<site root>
// Both sections are only read; a root without its closing "/" gets one.
#include <string>

struct SettingsFile;

inline const char* const defaultCatalogueServerRoot = "http://127.0.0.1:18936/";
inline const char* const serverSection = "服务器";
inline const char* const serverKey = "地址";
inline const char* const siteSection = "站点地址";

// The catalogue server's root, ending in "/".
std::string catalogueServerRoot(const SettingsFile& settings);
// The root configured for a site in [站点地址], ending in "/"; empty when there is none.
std::string configuredSiteRoot(const SettingsFile& settings, const std::string& name);

// The catalogue server's three files.
std::string sourceListAddress(const SettingsFile& settings);   // /book/kpzw/ylw.txt
std::string shareListAddress(const SettingsFile& settings);    // /book/kpzw/sl_fx.txt
std::string websiteListAddress(const SettingsFile& settings);  // /book/kpzw/sl_wz.txt
