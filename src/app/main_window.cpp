#include "app/main_window.h"

#include "app/feedback_window.h"
#include "host/status_line.h"

namespace app {

const char* const loadedStatusText = " Toviing：正在获取第x条数据,还剩下y条数据,请耐心等待或者停止采集！";

const char* const homeText =
    "工具的优点以及缺点的介绍\r\n"
    "\r\n"
    "1、[优点]集合了多个娱乐网、资源网、线报网的采集。保证每天获取最好的资源！\r\n"
    "2、[优点]作者每天准时查询资源，随时留意最好的资源放入到资源分享中！\r\n"
    "3、[优点]集合了一键式搜索娱乐网的历史资源,迅速打造快速搜索软件的功能！\r\n"
    "4、[优点]集合了多个实用网站及论坛,每天准时不在迷路,有站相伴！\r\n"
    "5、[优点]可以使用右击保存的文件、存在保存查询（软件目录）自动轻松保存不迷路！\r\n"
    "6、[缺点]软件刚刚开始起步，可能BUG比想象的多，您可以在右上角提交BUG或联系主QQ号\r\n"
    "7、[缺点]软件可能对很多系统造成不适，我们会努力修复这个功能为大家营造更好的资源\r\n"
    "8、[缺点]采集可能会出现可能性的退出软件，如果造成您的不方便还请谅解！\r\n"
    "\r\n"
    "ToviQQ：10001      一个正真的黑客拿出的东西都是他们不用，他们不会收钱，他们不需要这点钱。"
    "我虽然没有黑客的那种才华与自信，可我愿意分享，愿意帮助。  ----  Tovi\r\n"
    "\r\n"
    "如果您有意外的BUG或者提议，可以在右上方的小笔给我回信。感谢支持！";

const char* const contactNote = "如果您有实用的网站或者软件，您可以发给我的QQ进行添加，接收QQ10002。";

// Reserved example hosts: the real download pages are the user's to configure.
const char* const diskGeniusAddress = "https://soft.example.com/html/DiskGenius-Pro-Portable.html";
const char* const shadowSystemAddress = "http://shadowsystem.example.com/";

bool bindMenuItem(host::Menu& menu, const std::string& caption, std::function<void()> handler) {
  for (auto& item : menu.items) {
    if (item.caption == "-") continue;
    if (item.caption == caption || item.caption == caption + "   ") {
      item.onChoose = std::move(handler);
      return true;
    }
  }
  return false;
}

void selectPage(MainWindow& w, host::Control& button, int page) {
  for (host::Control* b : w.pageButtons) b->setChecked(false);
  button.setChecked(true);
  w.选择夹1.setCurrentPage(page);
}

void applyInitialLayout(MainWindow& w) {
  // the note goes under the website list
  w.透明标签4.move({11, 413, 607, 32});
  // the waiting panel covers the whole find page
  const host::Rect tab = w.选择夹1.geometry();
  w.图片框4.move({0, 0, tab.width, tab.height});
}

void connectMainWindow(MainWindow& w, host::Shell& shell) {
  for (int page = 0; page < 10; ++page) {
    host::Control* button = w.pageButtons[page];
    button->onClick = [&w, button, page] { selectPage(w, *button, page); };
  }

  const std::pair<host::ListView*, host::Menu*> popups[] = {
      {&w.列表框_采集, &w.菜单_采集}, {&w.列表框_查找, &w.菜单_查找}, {&w.列表框_搜索, &w.菜单_搜索},
      {&w.列表框_保存内容, &w.菜单_保存}, {&w.列表框_设置, &w.菜单_设置}};
  for (auto [list, menu] : popups) list->onRightClick = [&shell, menu] { shell.popupMenu(*menu); };

  // Every opening builds the window afresh, so it always starts with the hint.
  w.按钮_反馈.onClick = [&shell] {
    FeedbackWindow feedback(shell);
    shell.openModal(feedback.window);
  };
  w.按钮_缩小.onClick = [&w, &shell] { shell.minimiseWindow(w.window); };
  w.按钮_关闭.onClick = [&shell] { shell.endProgram(); };
  w.透明标签8.onMouseDown = [&shell] { host::openUrl(shell, diskGeniusAddress); };
  w.透明标签7.onMouseDown = [&shell] { host::openUrl(shell, shadowSystemAddress); };
  // 按钮_开始搜索 has no handler: a click on it does nothing.
}

}  // namespace app
