#pragma once
// The program's face is 微软雅黑; where it is not installed, a family that covers
// Simplified Chinese stands in for it, so no text shows as boxes.
#include <QFont>

namespace host::qt {

// Adds the substitution once a QGuiApplication exists; safe to call again.
void installFontSubstitutes();
// Is any installed family able to show Simplified Chinese?
bool chineseFontInstalled();
// The program's face at a height in pixels.
QFont controlFont(int pixelHeight);

}  // namespace host::qt
