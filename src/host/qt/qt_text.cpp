#include "host/qt/qt_text.h"

#include "host/codepage.h"

namespace host::qt {

QString toQString(const std::string& cp936) {
  const std::string utf8 = cp936ToUtf8(cp936);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return utf8ToCp936(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace host::qt
