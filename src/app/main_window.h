#pragma once
// The main window: every control under its form name, the hidden pop-up menus, the
// file dialog, and the routines of the window itself (page switching, layout
// adjustment, minimise, close, the recommended-software labels).
#include <functional>
#include <string>

#include "host/controls.h"
#include "host/shell.h"

namespace app {

// Pages of 选择夹1, in order; each page button shows the page of the same number.
enum Page : int {
  pageHome, pageCollect, pageFind, pageSearch, pageShare,
  pageSaved, pageSoftware, pageWebsites, pageSettings, pageSponsor,
};

// Texts of the window as loaded.
extern const char* const loadedStatusText;
extern const char* const homeText;
extern const char* const contactNote;
// Addresses the two recommended-software labels open.
extern const char* const diskGeniusAddress;
extern const char* const shadowSystemAddress;

// Members are declared in creation order: a parent before its children, and among
// siblings the later one lies on top.
struct MainWindow {
  MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  host::Control 图片框1;  // covers the window; its picture is the outline picture
  // left column
  host::Control logo, 透明标签1, 图片框3;
  host::Control 首页, 采集, 查找, 搜索, 分享, 保存, 软件, 网站, 设置, 赞助;
  // top right
  host::Control 按钮_反馈, 按钮_缩小, 按钮_关闭;
  host::TabControl 选择夹1;
  host::Control 编辑框1;  // the status line
  // page 0
  host::Control 标签_首页_装逼标题, 标签_首页_装逼内容, 透明标签3;
  // page 1
  host::Control 图片框2;
  host::ListView 列表框_采集;
  host::Control 刷新采集, 停止采集, 保存采集, 跳过采集;
  // page 2
  host::Control 透明标签5, 图片框6, 编辑框_查找内容, 按钮_开始采集;
  host::ComboBox 组合框_来源选择;
  host::Control 图片框5;
  host::ListView 列表框_查找;
  host::Control 图片框4, 透明标签9, 图片框14;  // the waiting panel over the find page
  // page 3
  host::Control 透明标签6, 图片框7, 编辑框_搜索内容, 按钮_开始搜索, 图片框8;
  host::ListView 列表框_搜索;
  // page 4
  host::Control 图片框9;
  host::ListView 列表框_分享;
  // page 5
  host::Control 图片框11;
  host::ListView 列表框_保存文件显示;
  host::Control 导入保存, 导入保存1, 图片框10;
  host::ListView 列表框_保存内容;
  // page 6
  host::Control 透明标签7, 透明标签8;
  // page 7
  host::Control 图片框12;
  host::ListView 列表框_分享网站;
  host::Control 透明标签4;
  // page 8
  host::Control 图片框13;
  host::ListView 列表框_设置;
  host::Control 按钮_设置获取, 按钮_设置禁止, 按钮_开机启动;
  // page 9
  host::Control 图片_赞助图, 透明标签2;

  host::FileDialog 通用对话框1;
  // Hidden menus, shown only as pop-ups over their lists.
  host::Menu 菜单_采集, 菜单_查找, 菜单_搜索, 菜单_保存, 菜单_设置;

  host::Window window;  // 800 by 500, its controls in creation order

  // The ten page buttons, in page order.
  host::Control* pageButtons[10];
};

// Binds a menu item's handler by its caption, with or without the three trailing
// spaces. Returns false when the menu has no such item.
bool bindMenuItem(host::Menu& menu, const std::string& caption, std::function<void()> handler);

// Wires the window's own handlers: page buttons, pop-up menus on right-press,
// feedback, minimise, close and the two recommended-software labels.
void connectMainWindow(MainWindow& w, host::Shell& shell);

// Unchecks all ten page buttons, checks `button` and shows `page`.
void selectPage(MainWindow& w, host::Control& button, int page);

// The adjustment start-up makes: the website note under its list, the waiting panel
// over the whole find page.
void applyInitialLayout(MainWindow& w);

}  // namespace app
