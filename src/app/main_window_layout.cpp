// The main window as loaded: every control with its kind, parent, place, text, font,
// tooltip, picture and page.
#include <initializer_list>

#include "app/main_window.h"

namespace app {

using host::Align;
using host::Column;
using host::ControlKind;

namespace {

// The member's own name is its form name.
#define TOVI_CONTROL(member, kind, parent, ...) member(ControlKind::kind, #member, parent, __VA_ARGS__)
#define TOVI_LIST(member, parent, ...) member(#member, parent, __VA_ARGS__)

std::vector<Column> resultColumns() {
  return {{"编号", 40, Align::left}, {"来源", 60, Align::centre}, {"名称", 300, Align::left},
          {"时间", 110, Align::centre}, {"链接", 70, Align::left}};
}

// A list or keyword box sits at (1,1) inside a picture box 2 pixels larger, which
// shows as a one-pixel frame around it.
host::Rect inside(host::Rect frame) { return {1, 1, frame.width - 2, frame.height - 2}; }

constexpr host::Rect frame2{5, 5, 615, 400}, frame6{200, 8, 218, 26}, frame5{5, 40, 615, 400},
    frame7{198, 8, 265, 26}, frame8{5, 40, 615, 400}, frame9{5, 8, 616, 424}, frame11{5, 8, 143, 361},
    frame10{152, 8, 463, 416}, frame12{5, 8, 615, 404}, frame13{5, 16, 615, 369};

std::vector<host::MenuItem> menuItems(std::initializer_list<const char*> captions) {
  std::vector<host::MenuItem> items;
  for (const char* caption : captions)
    items.push_back({std::string(caption) == "-" ? std::string("-") : std::string(caption) + "   ", {}});
  return items;
}

void setPage(int page, std::initializer_list<host::Control*> controls) {
  for (host::Control* c : controls) c->page = page;
}

void setFont(int height, std::initializer_list<host::Control*> controls) {
  for (host::Control* c : controls) c->fontHeight = height;
}

}  // namespace

MainWindow::MainWindow()
    : TOVI_CONTROL(图片框1, picture, nullptr, {0, 0, 800, 500}),
      TOVI_CONTROL(logo, picture, &图片框1, {32, 18, 100, 100}),
      TOVI_CONTROL(透明标签1, label, &图片框1, {19, 126, 141, 24}, "Tovi - 分享世间美好"),
      TOVI_CONTROL(图片框3, picture, &图片框1, {19, 151, 128, 1}),
      TOVI_CONTROL(首页, pageButton, &图片框1, {1, 162, 163, 32}, "我的首页"),
      TOVI_CONTROL(采集, pageButton, &图片框1, {1, 194, 163, 32}, "资源采集"),
      TOVI_CONTROL(查找, pageButton, &图片框1, {1, 226, 163, 32}, "资源查找"),
      TOVI_CONTROL(搜索, pageButton, &图片框1, {1, 258, 163, 32}, "资源搜索"),
      TOVI_CONTROL(分享, pageButton, &图片框1, {1, 290, 163, 32}, "资源分享"),
      TOVI_CONTROL(保存, pageButton, &图片框1, {1, 322, 163, 32}, "保存查询"),
      TOVI_CONTROL(软件, pageButton, &图片框1, {1, 354, 163, 32}, "必备软件"),
      TOVI_CONTROL(网站, pageButton, &图片框1, {1, 386, 163, 32}, "实用网站"),
      TOVI_CONTROL(设置, pageButton, &图片框1, {2, 418, 163, 32}, "软件设置"),
      TOVI_CONTROL(赞助, pageButton, &图片框1, {1, 450, 163, 32}, "赞助作者"),
      TOVI_CONTROL(按钮_反馈, button, &图片框1, {699, 2, 32, 32}),
      TOVI_CONTROL(按钮_缩小, button, &图片框1, {732, 2, 32, 32}, "－"),
      TOVI_CONTROL(按钮_关闭, button, &图片框1, {765, 2, 32, 32}, "×"),
      TOVI_LIST(选择夹1, &图片框1, {169, 32, 628, 456},
                {"首页", "采集", "查找", "搜索", "分享", "保存", "软件", "网站", "设置", "赞助"}),
      TOVI_CONTROL(编辑框1, edit, &图片框1, {167, 478, 631, 20}, loadedStatusText),
      // page 0
      TOVI_CONTROL(标签_首页_装逼标题, label, &选择夹1, {16, 16, 496, 24}, "Tovi资源采集器 - 一个专注免费分享软件的工具"),
      TOVI_CONTROL(标签_首页_装逼内容, label, &选择夹1, {16, 56, 584, 368}, homeText),
      TOVI_CONTROL(透明标签3, label, &选择夹1, {16, 408, 607, 32}, contactNote),
      // page 1
      TOVI_CONTROL(图片框2, picture, &选择夹1, frame2),
      TOVI_LIST(列表框_采集, &图片框2, inside(frame2), resultColumns()),
      TOVI_CONTROL(刷新采集, button, &选择夹1, {8, 416, 80, 24}, "刷新采集"),
      TOVI_CONTROL(停止采集, button, &选择夹1, {96, 416, 80, 24}, "停止采集"),
      TOVI_CONTROL(保存采集, button, &选择夹1, {184, 416, 80, 24}, "保存全部"),
      TOVI_CONTROL(跳过采集, button, &选择夹1, {480, 416, 136, 24}, "获取不了？点我跳过"),
      // page 2
      TOVI_CONTROL(透明标签5, label, &选择夹1, {8, 8, 199, 24}, "从[资源采集]中要查找的内容："),
      TOVI_CONTROL(图片框6, picture, &选择夹1, frame6),
      TOVI_CONTROL(编辑框_查找内容, edit, &图片框6, inside(frame6)),
      TOVI_CONTROL(按钮_开始采集, button, &选择夹1, {424, 8, 80, 24}, "开始搜索"),
      TOVI_CONTROL(组合框_来源选择, comboBox, &选择夹1, {513, 9, 109, 20}),
      TOVI_CONTROL(图片框5, picture, &选择夹1, frame5),
      TOVI_LIST(列表框_查找, &图片框5, inside(frame5), resultColumns()),
      TOVI_CONTROL(图片框4, picture, &选择夹1, {32, 72, 79, 88}),
      TOVI_CONTROL(透明标签9, label, &图片框4, {185, 200, 384, 48}, "请耐心等待【资源采集】的数据获取完毕吧！"),
      TOVI_CONTROL(图片框14, picture, &图片框4, {97, 192, 64, 64}),
      // page 3
      TOVI_CONTROL(透明标签6, label, &选择夹1, {8, 8, 199, 24}, "娱乐网搜索引擎的搜索内容："),
      TOVI_CONTROL(图片框7, picture, &选择夹1, frame7),
      TOVI_CONTROL(编辑框_搜索内容, edit, &图片框7, inside(frame7)),
      TOVI_CONTROL(按钮_开始搜索, button, &选择夹1, {472, 8, 136, 26}, "开始搜索"),
      TOVI_CONTROL(图片框8, picture, &选择夹1, frame8),
      TOVI_LIST(列表框_搜索, &图片框8, inside(frame8), resultColumns()),
      // page 4
      TOVI_CONTROL(图片框9, picture, &选择夹1, frame9),
      TOVI_LIST(列表框_分享, &图片框9, inside(frame9),
                {{"分享名称   【双击打开网站自动复制密码】", 270, Align::left}, {"投稿作者", 90, Align::centre},
                 {"作者QQ号", 80, Align::centre}, {"链接密码", 80, Align::centre}, {"分享链接", 80, Align::left}}),
      // page 5
      TOVI_CONTROL(图片框11, picture, &选择夹1, frame11),
      TOVI_LIST(列表框_保存文件显示, &图片框11, inside(frame11),
                {{"文件名称[双击打开]", 130, Align::left}, {"路径", 0, Align::left}}),
      TOVI_CONTROL(导入保存, button, &选择夹1, {5, 373, 143, 24}, "导入文件"),
      TOVI_CONTROL(导入保存1, button, &选择夹1, {5, 400, 143, 24}, "删除文件"),
      TOVI_CONTROL(图片框10, picture, &选择夹1, frame10),
      TOVI_LIST(列表框_保存内容, &图片框10, inside(frame10),
                {{"名称", 250, Align::left}, {"时间", 110, Align::centre}, {"链接", 70, Align::left}}),
      // page 6
      TOVI_CONTROL(透明标签7, label, &选择夹1, {23, 24, 472, 32}, "↘影子系统，保护电脑的家居必备工具，点我下载[必备]"),
      TOVI_CONTROL(透明标签8, label, &选择夹1, {23, 56, 599, 32}, "↘DiskGenius，再也不用担心文件误删，点我下载[必备]"),
      // page 7
      TOVI_CONTROL(图片框12, picture, &选择夹1, frame12),
      TOVI_LIST(列表框_分享网站, &图片框12, inside(frame12),
                {{"编号", 40, Align::left}, {"收录名称", 130, Align::centre}, {"收录时间", 110, Align::centre},
                 {"收录介绍", 200, Align::left}, {"收录链接", 130, Align::left}}),
      TOVI_CONTROL(透明标签4, label, &选择夹1, {11, 237, 607, 32}, "【双击打开网站】如果您有实用的网站您可以让我们添加上去"),
      // page 8
      TOVI_CONTROL(图片框13, picture, &选择夹1, frame13),
      TOVI_LIST(列表框_设置, &图片框13, inside(frame13),
                {{"网站名称", 200, Align::left}, {"网站链接", 150, Align::left}, {"今日资源", 110, Align::centre},
                 {"可否获取", 60, Align::left}}),
      TOVI_CONTROL(按钮_设置获取, button, &选择夹1, {5, 392, 113, 32}, "全部设置[获取]状态"),
      TOVI_CONTROL(按钮_设置禁止, button, &选择夹1, {124, 392, 113, 32}, "全部设置[禁止]状态"),
      TOVI_CONTROL(按钮_开机启动, button, &选择夹1, {504, 392, 113, 32}, "开机自动启动[关]"),
      // page 9
      TOVI_CONTROL(图片_赞助图, picture, &选择夹1, {24, 24, 550, 375}),
      TOVI_CONTROL(透明标签2, label, &选择夹1, {8, 408, 600, 32},
                   "注：赞助时请备注自身联系方式列如QQ号码等，已方便我们第一时间通知最新软件！"),
      通用对话框1{"通用对话框1", "请选择本软历史保存的TXT文件", ""},
      菜单_采集{"采集", menuItems({"刷新采集", "停止采集", "保存全部", "跳过采集", "-", "打开链接", "-", "复制数据"})},
      菜单_查找{"查找", menuItems({"打开链接", "-", "复制数据"})},
      菜单_搜索{"搜索", menuItems({"打开链接", "-", "复制数据", "保存数据"})},
      菜单_保存{"保存", menuItems({"打开链接", "-", "复制数据"})},
      菜单_设置{"设置", menuItems({"打开网站", "-", "设置获取", "设置禁止"})},
      pageButtons{&首页, &采集, &查找, &搜索, &分享, &保存, &软件, &网站, &设置, &赞助} {
  // pictures of our own, drawn by the front-end
  图片框1.picture = "background";
  logo.picture = "logo";
  图片框3.picture = "rule";
  按钮_反馈.picture = "pen";
  按钮_反馈.hoverPicture = "pen_hover";
  图片_赞助图.picture = "sponsor";
  图片框14.picture = "waiting";
  图片框4.picture = "panel";
  for (host::Control* frame : {&图片框2, &图片框6, &图片框5, &图片框7, &图片框8, &图片框9, &图片框11, &图片框10,
                               &图片框12, &图片框13})
    frame->picture = "frame";

  按钮_反馈.tooltip = "软件反馈";
  按钮_缩小.tooltip = "缩小窗口";
  按钮_关闭.tooltip = "关闭软件";

  setFont(15, {&透明标签1, &首页, &采集, &查找, &搜索, &分享, &保存, &软件, &网站, &设置, &赞助});
  setFont(16, {&按钮_缩小, &按钮_关闭, &透明标签9});
  setFont(19, {&标签_首页_装逼标题});
  setFont(13, {&标签_首页_装逼内容, &编辑框_查找内容, &编辑框_搜索内容});
  setFont(14, {&透明标签3, &透明标签5, &透明标签6, &透明标签7, &透明标签8, &透明标签4, &透明标签2});

  setPage(pageHome, {&标签_首页_装逼标题, &标签_首页_装逼内容, &透明标签3});
  setPage(pageCollect, {&图片框2, &列表框_采集, &刷新采集, &停止采集, &保存采集, &跳过采集});
  setPage(pageFind, {&透明标签5, &图片框6, &编辑框_查找内容, &按钮_开始采集, &组合框_来源选择, &图片框5, &列表框_查找,
                     &图片框4, &透明标签9, &图片框14});
  setPage(pageSearch, {&透明标签6, &图片框7, &编辑框_搜索内容, &按钮_开始搜索, &图片框8, &列表框_搜索});
  setPage(pageShare, {&图片框9, &列表框_分享});
  setPage(pageSaved, {&图片框11, &列表框_保存文件显示, &导入保存, &导入保存1, &图片框10, &列表框_保存内容});
  setPage(pageSoftware, {&透明标签7, &透明标签8});
  setPage(pageWebsites, {&图片框12, &列表框_分享网站, &透明标签4});
  setPage(pageSettings, {&图片框13, &列表框_设置, &按钮_设置获取, &按钮_设置禁止, &按钮_开机启动});
  setPage(pageSponsor, {&图片_赞助图, &透明标签2});

  首页.setChecked(true);

  window.name = "启动窗口";
  window.width = 800;
  window.height = 500;
  window.controls = {&图片框1, &logo, &透明标签1, &图片框3, &首页, &采集, &查找, &搜索, &分享, &保存, &软件, &网站,
                     &设置, &赞助, &按钮_反馈, &按钮_缩小, &按钮_关闭, &选择夹1, &编辑框1,
                     &标签_首页_装逼标题, &标签_首页_装逼内容, &透明标签3,
                     &图片框2, &列表框_采集, &刷新采集, &停止采集, &保存采集, &跳过采集,
                     &透明标签5, &图片框6, &编辑框_查找内容, &按钮_开始采集, &组合框_来源选择, &图片框5, &列表框_查找,
                     &图片框4, &透明标签9, &图片框14,
                     &透明标签6, &图片框7, &编辑框_搜索内容, &按钮_开始搜索, &图片框8, &列表框_搜索,
                     &图片框9, &列表框_分享,
                     &图片框11, &列表框_保存文件显示, &导入保存, &导入保存1, &图片框10, &列表框_保存内容,
                     &透明标签7, &透明标签8,
                     &图片框12, &列表框_分享网站, &透明标签4,
                     &图片框13, &列表框_设置, &按钮_设置获取, &按钮_设置禁止, &按钮_开机启动,
                     &图片_赞助图, &透明标签2};
}

#undef TOVI_CONTROL
#undef TOVI_LIST

}  // namespace app
