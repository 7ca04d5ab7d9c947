#include "settings/settings_page.h"

#include <mutex>
#include <vector>

#include "host/status_line.h"
#include "settings/addresses.h"
#include "settings/settings_file.h"
#include "text/markers.h"
#include "web/http_request.h"

namespace {

// The window thread and the collection thread both reload; this keeps one reload's
// clear and rows together, so the list never holds two reloads' rows at once.
std::mutex reloadMutex;

void setAllSources(SettingsPage& page, const std::string& value) {
  const int rows = page.列表框_设置.rowCount();
  std::vector<host::IniEntry> entries;
  for (int r = 0; r < rows; ++r) entries.push_back({sourcesSection, page.列表框_设置.cellText(r, settingsNameColumn), value});
  // One change of the file for all of them; names the file cannot hold are left out.
  page.settings.ini.writeAll(entries);
  reloadSettingsList(page);
}

void setSelectedSource(SettingsPage& page, const std::string& value) {
  const int row = page.列表框_设置.selectedRow();
  if (row == -1) return;
  const std::string name = page.列表框_设置.cellText(row, settingsNameColumn);
  if (page.settings.write(sourcesSection, name, value)) {
    page.列表框_设置.setCell(row, settingsValueColumn, value);
    host::showStatus(page.statusLine, "设置数据获取 " + value + " 成功！刷新即可！");
  } else {
    // Not written (a name the file cannot hold, or a read-only folder): the row keeps
    // showing what the file holds, and the status line does not claim success.
    page.列表框_设置.setCell(row, settingsValueColumn, page.settings.read(sourcesSection, name));
    host::showStatus(page.statusLine, "设置数据获取 " + value + " 失败！");
  }
}

}  // namespace

void reloadSettingsList(SettingsPage& page) {
  page.列表框_设置.clearRows();
  const std::string address = page.sourceListAddress.empty() ? sourceListAddress(page.settings) : page.sourceListAddress;
  const std::string text = httpRequest(address);
  std::vector<std::string> names, addresses;
  allTextsBetween(text, "丨名称：", "丨链接：", names);
  allTextsBetween(text, "链接：", "丨", addresses);
  // Names and addresses pair by position; a name past the last address has none.
  std::vector<std::vector<std::string>> rows;
  for (size_t i = 0; i < names.size(); ++i) {
    rows.push_back({names[i], i < addresses.size() ? addresses[i] : std::string(), waitingForCountText,
                    page.settings.read(sourcesSection, names[i])});
  }
  std::lock_guard lock(reloadMutex);
  page.列表框_设置.clearRows();
  for (const auto& row : rows) page.列表框_设置.appendRow(row);
}

void setAllSourcesOn(SettingsPage& page) { setAllSources(page, collectValue); }
void setAllSourcesOff(SettingsPage& page) { setAllSources(page, leaveOutValue); }
void setSelectedSourceOn(SettingsPage& page) { setSelectedSource(page, collectValue); }
void setSelectedSourceOff(SettingsPage& page) { setSelectedSource(page, leaveOutValue); }

void openSelectedWebsite(SettingsPage& page) {
  const int row = page.列表框_设置.selectedRow();
  if (row == -1) return;
  const std::string address = page.列表框_设置.cellText(row, settingsAddressColumn);
  if (!host::isWebAddress(address)) return;  // refused by the opener: nothing to report as opened
  host::openUrl(page.shell, address);
  host::showStatus(page.statusLine, "打开网址成功！请稍后自动加载浏览器！");
}

void openDoubleClickedWebsite(SettingsPage& page) {
  const int row = page.列表框_设置.selectedRow();
  if (row == -1) return;
  host::openUrl(page.shell, page.列表框_设置.cellText(row, settingsAddressColumn));
}
