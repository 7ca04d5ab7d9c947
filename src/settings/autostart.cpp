#include "settings/autostart.h"

#include "text/cp936.h"

std::string normaliseAutoStartText(const std::string& entryText) {
  std::string out = text::replaceText(entryText, "`", "\"");
  bool opening = true;
  for (long at = text::findText(out, "~"); at != -1; at = text::findText(out, "~", at)) {
    const std::string mark = opening ? "“" : "”";
    out.replace(static_cast<size_t>(at - 1), 1, mark);
    at += static_cast<long>(mark.size());
    opening = !opening;
  }
  return out;
}

void reflectAutoStart(host::Control& 按钮_开机启动, const host::AutoStartEntry& entry,
                      const std::string& executablePath) {
  if (normaliseAutoStartText(entry.read()) == executablePath) 按钮_开机启动.setCaption(autoStartOnCaption);
}

void toggleAutoStart(host::Control& 按钮_开机启动, host::AutoStartEntry& entry, const std::string& executablePath) {
  if (按钮_开机启动.text() == autoStartOffCaption) {
    if (entry.write(executablePath)) 按钮_开机启动.setCaption(autoStartOnCaption);
  } else {
    if (entry.remove()) 按钮_开机启动.setCaption(autoStartOffCaption);
  }
}
