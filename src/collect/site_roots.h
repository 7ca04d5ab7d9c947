#pragma once
// The site root of each source: configuration, with defaults on the bundled demo web.
#include <string>

struct SettingsFile;

// The site root of a source, ending in "/": its own root from [站点地址], else the
// catalogue server's root followed by "siteNN/" (NN its place in the walk order, 01 to
// 40), so that moving the server moves every such source with it. The empty text for
// a name that is no source.
std::string siteRootFor(const SettingsFile& settings, const std::string& name);
// The built-in root: the demo web's root followed by "siteNN/"; empty for an unknown name.
std::string defaultSiteRootFor(const std::string& name);
