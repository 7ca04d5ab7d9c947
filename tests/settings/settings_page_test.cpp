#include "settings/settings_page.h"

#include <atomic>
#include <thread>

#include "host/headless/headless_shell.h"
#include "settings/addresses.h"
#include "settings/settings_file.h"
#include "settings_fixture.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string entry(const std::string& name, const std::string& address) {
  return "丨名称：" + name + "丨链接：" + address + "丨\r\n";
}

struct SettingsPageTest : ::testing::Test {
  SettingsPageTest() {
    ensureSettingsFile(settings, "0");
    // The page finds the catalogue server through the settings file.
    settings.write("服务器", "地址", server.root());
    server.put("/book/kpzw/ylw.txt", entry("小刀娱乐网", "http://xiaodao.example/") +
                                         entry("自建网", "http://own.example/") +
                                         entry("QQ国际娱乐", "https://qq.example/"));
  }
  Rows rows() const { return list.rowsFrom(0).rows; }
  std::string status() const { return statusLine.text(); }

  TemporaryFolder run{"tovi_settings"};
  CatalogueServer server;
  host::ListView list{"列表框_设置", nullptr, {}, {{"网站名称", 100}, {"网站链接", 100}, {"今日资源", 60}, {"可否获取", 60}}};
  host::Control statusLine{host::ControlKind::edit, "编辑框1", nullptr, {}};
  host::HeadlessShell shell;
  SettingsFile settings{run.path()};
  SettingsPage page{list, statusLine, shell, settings, ""};
};

}  // namespace

TEST_F(SettingsPageTest, ReloadShowsEveryListedNameWithItsValueReadAfresh) {
  settings.write("项目配置", "QQ国际娱乐", "禁止");
  list.appendRow({"旧", "行", "3", "获取"});
  reloadSettingsList(page);
  EXPECT_EQ(rows(), (Rows{{"小刀娱乐网", "http://xiaodao.example/", "请等待获取", "获取"},
                          {"自建网", "http://own.example/", "请等待获取", ""},
                          {"QQ国际娱乐", "https://qq.example/", "请等待获取", "禁止"}}));
  // A source list that cannot be fetched leaves the list empty and the file alone.
  const std::string before = fileBytes(settings.path);
  page.sourceListAddress = server.root() + "missing.txt";
  reloadSettingsList(page);
  EXPECT_EQ(list.rowCount(), 0);
  setAllSourcesOff(page);
  EXPECT_EQ(fileBytes(settings.path), before);
}

TEST_F(SettingsPageTest, NamesPastTheLastAddressGetAnEmptyAddress) {
  server.put("/book/kpzw/ylw.txt", "说明文字\r\n" + entry("甲", "http://a.example/") +
                                       "丨名称：乙丨\r\n" + entry("丙", "http://c.example/"));
  reloadSettingsList(page);
  // An entry without its address part swallows the next name: rows pair by position.
  EXPECT_EQ(rows(), (Rows{{"甲", "http://a.example/", "请等待获取", ""},
                          {"乙丨\r\n丨名称：丙", "http://c.example/", "请等待获取", ""}}));
  server.put("/book/kpzw/ylw.txt", entry("甲", "http://a.example/") + "丨名称：乙丨链接：http://b.example/");
  reloadSettingsList(page);
  EXPECT_EQ(rows(), (Rows{{"甲", "http://a.example/", "请等待获取", ""}, {"乙", "", "请等待获取", ""}}));
}

TEST_F(SettingsPageTest, OneRowSwitchWritesTheFileTheCellAndTheStatus) {
  reloadSettingsList(page);
  list.setSelectedRow(0);
  setSelectedSourceOff(page);
  EXPECT_EQ(settings.read("项目配置", "小刀娱乐网"), "禁止");
  EXPECT_FALSE(isSourceEnabled(settings, "小刀娱乐网"));
  EXPECT_EQ(list.cellText(0, settingsValueColumn), "禁止");
  EXPECT_EQ(status(), " Toviing：设置数据获取 禁止 成功！刷新即可！");
  list.setSelectedRow(1);  // a name the file has no key for gets one
  setSelectedSourceOn(page);
  EXPECT_EQ(settings.read("项目配置", "自建网"), "获取");
  EXPECT_EQ(list.cellText(1, settingsValueColumn), "获取");
  EXPECT_EQ(status(), " Toviing：设置数据获取 获取 成功！刷新即可！");
  EXPECT_EQ(settings.read("项目配置", "小刀娱乐网"), "禁止");
}

TEST_F(SettingsPageTest, WithNoRowSelectedNothingHappens) {
  reloadSettingsList(page);
  statusLine.setText("before");
  const std::string before = fileBytes(settings.path);
  const Rows shown = rows();
  for (auto action : {setSelectedSourceOff, setSelectedSourceOn, openSelectedWebsite, openDoubleClickedWebsite})
    action(page);
  EXPECT_EQ(fileBytes(settings.path), before);
  EXPECT_EQ(status(), "before");
  EXPECT_EQ(rows(), shown);
  EXPECT_TRUE(shell.openedAddresses().empty());
}

TEST_F(SettingsPageTest, OpeningAWebsite) {
  server.put("/book/kpzw/ylw.txt", entry("小刀娱乐网", "http://xiaodao.example/") + entry("坏站", "file:///etc/passwd"));
  reloadSettingsList(page);
  list.setSelectedRow(0);
  openSelectedWebsite(page);
  EXPECT_EQ(shell.openedAddresses(), std::vector<std::string>{"http://xiaodao.example/"});
  EXPECT_EQ(status(), " Toviing：打开网址成功！请稍后自动加载浏览器！");
  statusLine.setText("");
  openDoubleClickedWebsite(page);
  EXPECT_EQ(shell.openedAddresses().size(), 2u);
  EXPECT_EQ(status(), "");  // a double-click shows no status text
  // An address the opener refuses is neither opened nor reported as opened.
  list.setSelectedRow(1);
  openSelectedWebsite(page);
  openDoubleClickedWebsite(page);
  EXPECT_EQ(shell.openedAddresses().size(), 2u);
  EXPECT_EQ(status(), "");
}

TEST_F(SettingsPageTest, NamesThatWouldBreakTheFileShowButAreNeverWritten) {
  const std::vector<std::string> evil = {"坏\r\n[项目配置]\r\n小刀娱乐网=禁止", "换\n行", "a=b", "[节]"};
  std::string list_;
  for (const auto& name : evil) list_ += entry(name, "http://evil.example/");
  server.put("/book/kpzw/ylw.txt", list_ + entry("QQ国际娱乐", "https://qq.example/"));
  reloadSettingsList(page);
  ASSERT_EQ(list.rowCount(), 5);
  for (size_t i = 0; i < evil.size(); ++i) EXPECT_EQ(list.cellText(static_cast<int>(i), settingsNameColumn), evil[i]);

  setAllSourcesOff(page);
  const std::string bytes = fileBytes(settings.path);
  for (const std::string fragment : {"坏", "换", "a=b", "[节]", "\n行"}) EXPECT_EQ(bytes.find(fragment), std::string::npos) << fragment;
  EXPECT_EQ(settings.read("项目配置", "小刀娱乐网"), "获取");  // no line was smuggled in
  EXPECT_EQ(settings.read("项目配置", "QQ国际娱乐"), "禁止");
  EXPECT_EQ(list.rowCount(), 5);  // reloaded: the rows still show
  EXPECT_EQ(list.cellText(4, settingsValueColumn), "禁止");

  // One row: not written, and the status line does not claim success.
  list.setSelectedRow(0);
  setSelectedSourceOn(page);
  EXPECT_EQ(fileBytes(settings.path), bytes);
  EXPECT_EQ(list.cellText(0, settingsValueColumn), "");
  EXPECT_EQ(status(), " Toviing：设置数据获取 获取 失败！");
}

TEST_F(SettingsPageTest, AllRowsButtonsWriteEveryListedNameThenReload) {
  reloadSettingsList(page);
  list.setCell(0, settingsCountColumn, "7");  // a count written by a collection run
  const int requestsBefore = server.requests();
  setAllSourcesOff(page);
  EXPECT_EQ(server.requests(), requestsBefore + 1);  // downloaded again
  EXPECT_EQ(rows(), (Rows{{"小刀娱乐网", "http://xiaodao.example/", "请等待获取", "禁止"},
                          {"自建网", "http://own.example/", "请等待获取", "禁止"},
                          {"QQ国际娱乐", "https://qq.example/", "请等待获取", "禁止"}}));
  EXPECT_EQ(settings.read("项目配置", "深蓝娱乐网"), "获取");  // not listed: untouched
  setAllSourcesOn(page);
  for (const auto& row : rows()) EXPECT_EQ(row[settingsValueColumn], "获取") << row[0];
  EXPECT_EQ(settings.read("项目配置", "自建网"), "获取");
}

TEST_F(SettingsPageTest, ReloadsFromTwoThreadsNeverMixTheirRows) {
  // Both downloads end at the same moment, so the two rebuilds meet.
  std::string sources;
  for (int i = 0; i < 300; ++i) sources += entry("站" + std::to_string(i), "http://s" + std::to_string(i) + ".example/");
  server.put("/paired.txt", sources);
  page.sourceListAddress = server.root() + "paired.txt";
  std::atomic<bool> done{false};
  std::atomic<int> mostRows{0};
  std::thread watcher([&] {
    while (!done) mostRows = std::max(mostRows.load(), list.rowCount());
  });
  auto reloads = [&] {
    for (int i = 0; i < 10; ++i) reloadSettingsList(page);
  };
  std::thread a(reloads), b(reloads);
  a.join();
  b.join();
  done = true;
  watcher.join();
  EXPECT_EQ(list.rowCount(), 300);
  EXPECT_LE(mostRows, 300);
  for (const auto& row : rows()) EXPECT_EQ(row.size(), 4u);
}
