#pragma once
// Texts cross between the program (code page 936 bytes) and Qt (UTF-16) only here.
#include <QString>
#include <string>

namespace host::qt {

QString toQString(const std::string& cp936);
// A character that code page 936 lacks becomes "?".
std::string fromQString(const QString& text);

}  // namespace host::qt
