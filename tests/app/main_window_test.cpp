#include <gtest/gtest.h>

#include <set>

#include "app/main_window.h"
#include "host/headless/headless_shell.h"
#include "host/status_line.h"

using namespace app;

namespace {

struct MainWindowTest : ::testing::Test {
  host::HeadlessShell shell;
  MainWindow w;
  void SetUp() override { connectMainWindow(w, shell); }

  std::vector<int> checkedButtons() const {
    std::vector<int> checked;
    for (int i = 0; i < 10; ++i)
      if (w.pageButtons[i]->checked()) checked.push_back(i);
    return checked;
  }
};

}  // namespace

TEST_F(MainWindowTest, AsLoadedHomeIsCheckedAndShown) {
  EXPECT_EQ(checkedButtons(), std::vector<int>{pageHome});
  EXPECT_EQ(w.选择夹1.currentPage(), pageHome);
  EXPECT_EQ(w.编辑框1.text(), " Toviing：正在获取第x条数据,还剩下y条数据,请耐心等待或者停止采集！");
}

TEST_F(MainWindowTest, PageButtonsShowTheirPageAndOnlyTheirButtonIsChecked) {
  // includes a click on the page already shown and a return to the first page
  for (int page : {pageSettings, pageSettings, pageSponsor, pageCollect, pageHome, pageFind}) {
    w.pageButtons[page]->onClick();
    EXPECT_EQ(w.选择夹1.currentPage(), page);
    EXPECT_EQ(checkedButtons(), std::vector<int>{page});
  }
}

TEST_F(MainWindowTest, ShowStatusReplacesTheWholeLine) {
  host::showStatus(w.编辑框1, "正在获取小刀这个网站的数据，请耐心等待…");
  EXPECT_EQ(w.编辑框1.text(), " Toviing：正在获取小刀这个网站的数据，请耐心等待…");
  host::showStatus(w.编辑框1, "");
  EXPECT_EQ(w.编辑框1.text(), " Toviing：");
}

TEST_F(MainWindowTest, ApplyInitialLayoutMovesTheNoteAndSpreadsTheWaitingPanel) {
  EXPECT_EQ(w.透明标签4.geometry(), (host::Rect{11, 237, 607, 32}));
  EXPECT_EQ(w.图片框4.geometry(), (host::Rect{32, 72, 79, 88}));
  applyInitialLayout(w);
  EXPECT_EQ(w.透明标签4.geometry(), (host::Rect{11, 413, 607, 32}));
  EXPECT_EQ(w.图片框4.geometry(), (host::Rect{0, 0, 628, 456}));
}

TEST_F(MainWindowTest, RightPressPopsTheListsMenuAndRunsTheChosenItem) {
  int copies = 0;
  ASSERT_TRUE(bindMenuItem(w.菜单_采集, "复制数据", [&] { ++copies; }));
  EXPECT_FALSE(bindMenuItem(w.菜单_采集, "-", [] {}));
  EXPECT_FALSE(bindMenuItem(w.菜单_采集, "没有这项", [] {}));
  shell.menuChoices.push_back("复制数据   ");
  w.列表框_采集.onRightClick();
  EXPECT_EQ(copies, 1);
  w.列表框_设置.onRightClick();
  EXPECT_EQ(shell.shownMenus(), (std::vector<std::string>{"采集", "设置"}));
  // lists without a menu
  EXPECT_FALSE(w.列表框_分享.onRightClick);
  EXPECT_FALSE(w.列表框_分享网站.onRightClick);
  EXPECT_FALSE(w.列表框_保存文件显示.onRightClick);
}

TEST_F(MainWindowTest, MenusHaveTheirItemsWithThreeTrailingSpaces) {
  std::vector<std::string> captions;
  for (auto& item : w.菜单_搜索.items) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"打开链接   ", "-", "复制数据   ", "保存数据   "}));
  EXPECT_EQ(w.菜单_采集.items.size(), 8u);
  EXPECT_EQ(w.菜单_采集.items[4].caption, "-");
}

TEST_F(MainWindowTest, WindowButtonsAndSoftwareLabels) {
  EXPECT_FALSE(w.按钮_开始搜索.onClick);
  w.透明标签8.onMouseDown();
  w.透明标签7.onMouseDown();
  ASSERT_EQ(shell.openedAddresses().size(), 2u);
  EXPECT_EQ(shell.openedAddresses()[0].substr(0, 8), "https://");
  EXPECT_NE(shell.openedAddresses()[0].find("/html/DiskGenius-Pro-Portable.html"), std::string::npos);
  EXPECT_EQ(shell.openedAddresses()[1].substr(0, 7), "http://");
  EXPECT_EQ(shell.openedAddresses()[1].back(), '/');
  w.按钮_缩小.onClick();
  EXPECT_TRUE(shell.minimised());
  w.按钮_反馈.onClick();
  EXPECT_EQ(shell.openedWindows(), std::vector<std::string>{"窗口_反馈"});
  w.按钮_关闭.onClick();
  EXPECT_TRUE(shell.ended());
}

TEST_F(MainWindowTest, WindowListsEveryControlOnceParentsFirst) {
  EXPECT_EQ(w.window.width, 800);
  EXPECT_EQ(w.window.height, 500);
  ASSERT_FALSE(w.window.controls.empty());
  EXPECT_EQ(w.window.controls.front(), &w.图片框1);
  std::set<const host::Control*> seen;
  std::set<std::string> names;
  for (const host::Control* c : w.window.controls) {
    if (c != &w.图片框1) {
      EXPECT_TRUE(seen.count(c->parent())) << c->name();
    }
    EXPECT_TRUE(seen.insert(c).second) << c->name();
    EXPECT_TRUE(names.insert(c->name()).second) << c->name();
    // a control on a page sits on the tab control, directly or inside a frame on the page
    if (c->page >= 0 && c->parent() != &w.选择夹1) {
      EXPECT_EQ(c->parent()->page, c->page) << c->name();
    }
  }
  // every member of the struct that is a control: 64 of them
  EXPECT_EQ(w.window.controls.size(), 64u);
}

TEST_F(MainWindowTest, FramesAreTwoPixelsLargerThanWhatTheyHold) {
  for (const host::Control* c : w.window.controls) {
    const bool framed = c->kind() == host::ControlKind::listView || c == &w.编辑框_查找内容 || c == &w.编辑框_搜索内容;
    if (!framed) continue;
    const host::Rect inner = c->geometry(), outer = c->parent()->geometry();
    EXPECT_EQ(c->parent()->picture, "frame") << c->name();
    EXPECT_EQ(inner, (host::Rect{1, 1, outer.width - 2, outer.height - 2})) << c->name();
  }
  EXPECT_EQ(w.列表框_采集.columns()[2].title, "名称");
  EXPECT_EQ(w.列表框_采集.columns()[1].align, host::Align::centre);
  EXPECT_EQ(w.列表框_保存文件显示.columns()[1].width, 0);
}
