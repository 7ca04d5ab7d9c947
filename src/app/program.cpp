#include "app/program.h"

#include "lists/share_lists.h"
#include "settings/autostart.h"

namespace app {

Program::Program(host::Shell& shell, ProgramPaths paths)
    : shell(shell),
      paths(std::move(paths)),
      settings(this->paths.runDirectory),
      autoStart(this->paths.autostartFolder),
      settingsPage{w.列表框_设置, w.编辑框1, shell, settings, {}},
      findPage{w.列表框_采集, w.列表框_查找, w.组合框_来源选择, w.编辑框_查找内容},
      savedPage{shell, w.编辑框1, w.列表框_保存文件显示, w.列表框_保存内容, w.通用对话框1, this->paths.runDirectory},
      run{w.列表框_采集, w.列表框_设置, w.组合框_来源选择, w.编辑框1, w.图片框4, w.刷新采集,
          w.停止采集, w.跳过采集, settingsPage, settings, contactNumber} {}

Program::~Program() {
  host::killThread(run.workerThread);
  host::killThread(run.collectionThread);
  host::killAllThreads(10000);
}

void wireProgram(Program& p) {
  MainWindow& w = p.w;
  host::Shell& shell = p.shell;
  connectMainWindow(w, shell);

  // The collect page and its menu.
  const auto refresh = [&p] { refreshCollection(p.run); };
  const auto stop = [&p] { stopCollection(p.run); };
  const auto skip = [&p] { skipCurrentSource(p.run); };
  const auto saveAll = [&p] { saveCollectList(p.savedPage, p.w.列表框_采集); };
  w.刷新采集.onClick = refresh;
  w.停止采集.onClick = stop;
  w.跳过采集.onClick = skip;
  w.保存采集.onClick = saveAll;
  bindMenuItem(w.菜单_采集, "刷新采集", refresh);
  bindMenuItem(w.菜单_采集, "停止采集", stop);
  bindMenuItem(w.菜单_采集, "保存全部", saveAll);
  bindMenuItem(w.菜单_采集, "跳过采集", skip);

  // Open and copy on the three row lists.
  const std::pair<host::ListView*, host::Menu*> rowLists[] = {
      {&w.列表框_采集, &w.菜单_采集}, {&w.列表框_查找, &w.菜单_查找}, {&w.列表框_搜索, &w.菜单_搜索}};
  for (auto [list, menu] : rowLists) {
    const auto open = [&shell, list] { openRowLink(shell, *list); };
    list->onDoubleClick = open;
    bindMenuItem(*menu, "打开链接", open);
    bindMenuItem(*menu, "复制数据", [&shell, &w, list] { copyRowText(shell, w.编辑框1, *list); });
  }
  bindMenuItem(w.菜单_搜索, "保存数据", [&p] { saveSearchList(p.savedPage, p.w.列表框_搜索); });

  // The find page.
  w.组合框_来源选择.onPick = [&p] { findBySource(p.findPage); };
  w.按钮_开始采集.onClick = [&p] { findByKeyword(p.findPage); };

  // The saved-query page.
  w.列表框_保存文件显示.onDoubleClick = [&p] { showSavedFile(p.savedPage); };
  w.导入保存.onClick = [&p] { importSavedFile(p.savedPage); };
  w.导入保存1.onClick = [&p] { deleteSavedFile(p.savedPage); };
  w.列表框_保存内容.onDoubleClick = [&p] { openSavedRowLink(p.savedPage); };
  bindMenuItem(w.菜单_保存, "打开链接", [&p] { openSavedRowLink(p.savedPage); });
  bindMenuItem(w.菜单_保存, "复制数据", [&p] { copySavedRowText(p.savedPage); });

  // The share and website pages.
  w.列表框_分享.onDoubleClick = [&p] { openSharedLink(p.shell, p.w.列表框_分享); };
  w.列表框_分享网站.onDoubleClick = [&p] { openWebsiteLink(p.shell, p.w.列表框_分享网站); };

  // The settings page.
  w.按钮_设置获取.onClick = [&p] { setAllSourcesOn(p.settingsPage); };
  w.按钮_设置禁止.onClick = [&p] { setAllSourcesOff(p.settingsPage); };
  w.列表框_设置.onDoubleClick = [&p] { openDoubleClickedWebsite(p.settingsPage); };
  bindMenuItem(w.菜单_设置, "打开网站", [&p] { openSelectedWebsite(p.settingsPage); });
  bindMenuItem(w.菜单_设置, "设置获取", [&p] { setSelectedSourceOn(p.settingsPage); });
  bindMenuItem(w.菜单_设置, "设置禁止", [&p] { setSelectedSourceOff(p.settingsPage); });
  w.按钮_开机启动.onClick = [&p] { toggleAutoStart(p.w.按钮_开机启动, p.autoStart, p.paths.executablePath); };
}

}  // namespace app
