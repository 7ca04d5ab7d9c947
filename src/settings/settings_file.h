#pragma once
// The settings file ZeZa.ini beside the executable: its version key, and one key per
// source display name in 项目配置 whose value "获取" lets the collection run visit the
// source. Other sections (the address overrides) are read elsewhere and never written.
#include <string>
#include <vector>

#include "host/ini_file.h"

struct SettingsFile {
  explicit SettingsFile(const std::string& runDirectory);

  std::string read(const std::string& section, const std::string& key) const { return ini.read(section, key, ""); }
  bool write(const std::string& section, const std::string& key, const std::string& value) {
    return ini.write(section, key, value);
  }

  std::string path;
  host::IniFile ini;
};

inline const char* const versionSection = "修改版本";
inline const char* const versionKey = "版本型号";
inline const char* const sourcesSection = "项目配置";
inline const char* const collectValue = "获取";
inline const char* const leaveOutValue = "禁止";

// The forty display names the file is created and reset with, in the file's own order
// (not the catalogue's walk order), joined by CR LF.
extern const char* const defaultSourceNames;
std::vector<std::string> defaultSourceNameList();

// Creates the file on the first start; resets it when its version differs from
// `settingsVersion`. A new file is written in one step, so it is never found half made.
void ensureSettingsFile(SettingsFile& settings, const std::string& settingsVersion);
// Sets the version and every default name to "获取"; other keys keep their values.
void resetSettingsFile(SettingsFile& settings, const std::string& settingsVersion);

// Only the exact value "获取" lets the collection run visit the source.
bool isSourceEnabled(const SettingsFile& settings, const std::string& name);
