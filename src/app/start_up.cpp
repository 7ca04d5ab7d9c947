#include "app/start_up.h"

#include "app/skin.h"
#include "host/files.h"
#include "lists/share_lists.h"
#include "settings/addresses.h"
#include "settings/autostart.h"

namespace app {

void startUp(Program& p) {
  p.settingsVersion = "0";

  // The skin goes on before any box is shown. A file that cannot be written is left as
  // it is. (There is no hidden attribute to set on this platform.)
  host::writeFileAtomically(host::joinPath(p.paths.runDirectory, skinFileName), skinData());
  p.shell.applySkin(skinData());

  if (!p.shell.hasChineseFont()) p.shell.messageBox(fontMissingText, host::boxInformation, fontMissingTitle);

  p.shell.setWindowAlpha(p.w.window, 235);

  // Test and creation are one step: two instances started together cannot both pass.
  p.instanceGuard = host::InstanceGuard::acquire(p.paths.instanceName);
  if (!p.instanceGuard) {
    p.shell.messageBox(secondInstanceText, host::boxOk, secondInstanceTitle);
    p.ended = true;
    p.shell.endProgram();
    return;
  }

  reflectAutoStart(p.w.按钮_开机启动, p.autoStart, p.paths.executablePath);
  p.shell.setWindowShape(p.w.window, p.w.图片框1.picture, 0x000000);
  p.shell.messageBox(welcomeText, host::boxOk, welcomeTitle);
  applyInitialLayout(p.w);
  ensureSettingsFile(p.settings, p.settingsVersion);
  reloadSettingsList(p.settingsPage);
  listSavedFiles(p.savedPage);
  loadShareList(p.w.列表框_分享, shareListAddress(p.settings));
  loadWebsiteList(p.w.列表框_分享网站, websiteListAddress(p.settings));
  host::startThread([&p] { runCollection(p.run); }, p.run.collectionThread);
}

}  // namespace app
