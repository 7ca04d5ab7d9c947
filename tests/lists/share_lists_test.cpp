#include "lists/share_lists.h"

#include <httplib.h>

#include <map>
#include <mutex>
#include <thread>

#include "lists_fixture.h"
#include "support/file_server.h"

namespace {

using CatalogueServer = FileServer;

std::vector<host::Column> shareColumns() {
  return {{"分享名称   【双击打开网站自动复制密码】", 270}, {"投稿作者", 90}, {"作者QQ号", 80}, {"链接密码", 80}, {"分享链接", 80}};
}
std::vector<host::Column> websiteColumns() {
  return {{"编号", 40}, {"收录名称", 130}, {"收录时间", 110}, {"收录介绍", 200}, {"收录链接", 130}};
}

// Records in the order the shell was asked to do things.
struct OrderedShell : host::HeadlessShell {
  std::vector<std::string> calls;
  void openAddress(const std::string& address) override {
    calls.push_back("open " + address);
    HeadlessShell::openAddress(address);
  }
  void setClipboardText(const std::string& text) override {
    calls.push_back("clipboard " + text);
    HeadlessShell::setClipboardText(text);
  }
  int messageBox(const std::string& text, int style, const std::string& title) override {
    calls.push_back("box");
    return HeadlessShell::messageBox(text, style, title);
  }
};

struct ShareListTest : ::testing::Test {
  CatalogueServer server;
  host::ListView share{"列表框_分享", nullptr, {}, shareColumns()};
  host::ListView websites{"列表框_分享网站", nullptr, {}, websiteColumns()};
  OrderedShell shell;
};

const std::string shareRecords[] = {
    "名称：工具合集丨作者：小明丨联系：10001丨密码：无丨链接：http://pan.example/1丨",
    "名称：教程\r\n第二部丨作者：小红丨联系：10002丨密码：ab12丨链接：http://pan.example/2丨",
    "名称：空密码丨作者：小刚丨联系：10003丨密码：丨链接：http://pan.example/3丨",
};
const Rows shareRows = {
    {"工具合集", "小明", "10001", "无", "http://pan.example/1"},
    {"教程\r\n第二部", "小红", "10002", "ab12", "http://pan.example/2"},
    {"空密码", "小刚", "10003", "", "http://pan.example/3"},
};

TEST_F(ShareListTest, RecordsOnePerLineOrAllOnOneLineGiveTheSameRows) {
  const std::string perLine = shareRecords[0] + "\r\n" + shareRecords[1] + "\r\n" + shareRecords[2] + "\r\n";
  const std::string oneLine = shareRecords[0] + shareRecords[1] + shareRecords[2];
  for (const std::string& file : {perLine, oneLine}) {
    server.put(shareListPath, file);
    share.appendRow({"stale"});
    loadShareList(share, server.address(shareListPath));
    EXPECT_EQ(rowsOf(share), shareRows);
  }
}

TEST_F(ShareListTest, WebsitesAreNumberedFromOneInFileOrder) {
  server.put(websiteListPath,
             "名称：甲站丨时间：2018-01-01丨介绍：好用丨网址：http://a.example/丨\n"
             "名称：乙站丨时间：2018-02-02丨介绍：也好用丨网址：http://b.example/丨\n"
             "名称：丙站丨时间：2018-03-03丨介绍：多行\n介绍丨网址：http://c.example/丨\n");
  loadWebsiteList(websites, server.address(websiteListPath));
  EXPECT_EQ(rowsOf(websites), (Rows{{"1", "甲站", "2018-01-01", "好用", "http://a.example/"},
                                    {"2", "乙站", "2018-02-02", "也好用", "http://b.example/"},
                                    {"3", "丙站", "2018-03-03", "多行\n介绍", "http://c.example/"}}));
  websites.setSelectedRow(1);
  openWebsiteLink(shell, websites);
  EXPECT_EQ(shell.openedAddresses(), (std::vector<std::string>{"http://b.example/"}));
}

TEST_F(ShareListTest, AMissingFieldGivesEmptyCellsAndOneRowPerName) {
  server.put(shareListPath, shareRecords[0] + "名称：残缺丨作者：某人丨联系：1");
  loadShareList(share, server.address(shareListPath));
  EXPECT_EQ(rowsOf(share), (Rows{shareRows[0], {"残缺", "某人", "", "", ""}}));
  server.put(websiteListPath, "名称：只有名字");
  loadWebsiteList(websites, server.address(websiteListPath));
  EXPECT_TRUE(rowsOf(websites).empty());
  server.put(websiteListPath, "名称：名字丨时间：");
  loadWebsiteList(websites, server.address(websiteListPath));
  EXPECT_EQ(rowsOf(websites), (Rows{{"1", "名字", "", "", ""}}));
}

TEST_F(ShareListTest, UnreachableOrMissingFilesLeaveTheListsEmpty) {
  share.appendRow({"stale"});
  websites.appendRow({"stale"});
  loadShareList(share, server.address("/no/such/file.txt"));
  EXPECT_TRUE(rowsOf(share).empty());
  const std::string gone = server.address(websiteListPath);
  server.put(websiteListPath, "名称：甲站丨时间：t丨介绍：d丨网址：http://a.example/丨");
  server.stop();
  loadWebsiteList(websites, gone);
  EXPECT_TRUE(rowsOf(websites).empty());
}

TEST_F(ShareListTest, DoubleClickOpensTheLinkThenCopiesAnyPasswordButNo) {
  fill(share, shareRows);
  openSharedLink(shell, share);
  EXPECT_TRUE(shell.calls.empty()) << "nothing without a selection";

  share.setSelectedRow(0);  // password "无"
  openSharedLink(shell, share);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"open http://pan.example/1"}));

  shell.calls.clear();
  share.setSelectedRow(1);
  openSharedLink(shell, share);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"open http://pan.example/2", "clipboard ab12", "box"}));
  ASSERT_EQ(shell.boxes().size(), 1u);
  EXPECT_EQ(shell.boxes()[0].text, "检测到有密码！已为您复制密码，进入网站后请按Ctrl键+V键（或者右击粘贴）即可！");
  EXPECT_EQ(shell.boxes()[0].style, 0);
  EXPECT_EQ(shell.boxes()[0].title, "信息：");

  shell.calls.clear();
  share.setSelectedRow(2);  // an empty password is not "无"
  openSharedLink(shell, share);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"open http://pan.example/3", "clipboard ", "box"}));
}

}  // namespace
