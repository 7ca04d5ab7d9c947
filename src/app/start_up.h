#pragma once
#include "app/program.h"

namespace app {

// The main window's creation handler: every start-up step in its fixed order, on the
// window thread, before the user can do anything. Ends with the collection thread
// started. A second instance is refused before it touches anything of the first.
void startUp(Program& program);

// The texts of the start-up boxes.
inline const char* const fontMissingText =
    "您的电脑缺少了相关的字体，请您加群下载字体后安全使用，以免在软件中出现多处类似：???这样的东西！\r\n\r\n"
    "如果您不想加群，您可以在百度上下载[微软雅黑]字体即可！";
inline const char* const fontMissingTitle = "温馨提示";
inline const char* const secondInstanceText = "请不要重复打开deravuriv！";
inline const char* const secondInstanceTitle = "警告";
inline const char* const welcomeText = "欢迎使用Tovi - 每日资源采集";
inline const char* const welcomeTitle = "提醒";

}  // namespace app
