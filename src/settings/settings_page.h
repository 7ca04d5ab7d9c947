#pragma once
// The settings page: 列表框_设置 mirrors the catalogue server's source list with each
// name's value in the settings file, and its buttons and menu switch sources on or off.
#include <string>

#include "host/controls.h"
#include "host/shell.h"

struct SettingsFile;

// Columns of 列表框_设置: 网站名称, 网站链接, 今日资源, 可否获取.
constexpr int settingsNameColumn = 0, settingsAddressColumn = 1, settingsCountColumn = 2, settingsValueColumn = 3;

struct SettingsPage {
  host::ListView& 列表框_设置;
  host::Control& statusLine;  // 编辑框1
  host::Shell& shell;
  SettingsFile& settings;
  // The source list to download; empty: the one on the catalogue server that the
  // settings file names.
  std::string sourceListAddress;
};

inline const char* const waitingForCountText = "请等待获取";

// Downloads the source list and rebuilds the list from it: one row per name, with the
// name's value read afresh from the settings file. Reloads from two threads never mix
// their rows.
void reloadSettingsList(SettingsPage& page);

// 按钮_设置获取 / 按钮_设置禁止: every listed name gets the value, then the list is reloaded.
void setAllSourcesOn(SettingsPage& page);
void setAllSourcesOff(SettingsPage& page);
// The menu items 设置获取 / 设置禁止: the selected row's name gets the value.
void setSelectedSourceOn(SettingsPage& page);
void setSelectedSourceOff(SettingsPage& page);
// The menu item 打开网站.
void openSelectedWebsite(SettingsPage& page);
// A double-click on 列表框_设置: opens the selected row's site without a status text.
void openDoubleClickedWebsite(SettingsPage& page);
