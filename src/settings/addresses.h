#pragma once
// Where the catalogue server and the forty sources live. The defaults point at the
// bundled demo web; the settings file may override each of them without a rebuild:
//   [服务器]   地址=<catalogue server root>
//   [站点地址] <display name>=<site root>
// Both sections are only read; a root without its closing "/" gets one. A source
// without its own root sits under the catalogue server's root, as on the demo web, so
// moving the server moves every such source with it.
#include <string>

struct SettingsFile;

inline const char* const defaultCatalogueServerRoot = "http://127.0.0.1:18936/";
inline const char* const serverSection = "服务器";
inline const char* const serverKey = "地址";
inline const char* const siteSection = "站点地址";

// The catalogue server's root, ending in "/".
std::string catalogueServerRoot(const SettingsFile& settings);
// The site root of a source, ending in "/": its own configured root, else the server
// root followed by "siteNN/"; the empty text for a name that is no source.
std::string siteRootFor(const SettingsFile& settings, const std::string& name);
// The built-in site root of a source: the server root followed by "siteNN/", NN being
// the source's place in the walk order (01 to 40); empty for an unknown name.
std::string defaultSiteRootFor(const std::string& name);

// The catalogue server's three files.
std::string sourceListAddress(const SettingsFile& settings);   // /book/kpzw/ylw.txt
std::string shareListAddress(const SettingsFile& settings);    // /book/kpzw/sl_fx.txt
std::string websiteListAddress(const SettingsFile& settings);  // /book/kpzw/sl_wz.txt
