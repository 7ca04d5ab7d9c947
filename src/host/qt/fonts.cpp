#include "host/qt/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace host::qt {

namespace {
const QString programFace = QStringLiteral("微软雅黑");
}

void installFontSubstitutes() {
  const QStringList families = QFontDatabase::families();
  if (families.contains(programFace)) return;
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  if (chinese.isEmpty()) return;
  // the usual stand-in first, then whatever covers Chinese
  QStringList substitutes;
  for (const QString& preferred : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")})
    if (chinese.contains(preferred)) substitutes << preferred;
  substitutes << chinese.first();
  QFont::insertSubstitutions(programFace, substitutes);
  QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), substitutes);
}

bool chineseFontInstalled() { return !QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(); }

QFont controlFont(int pixelHeight) {
  QFont font(programFace);
  font.setPixelSize(pixelHeight > 0 ? pixelHeight : 12);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace host::qt
