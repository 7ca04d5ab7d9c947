#include "text/cp936.h"
#include "text/markers.h"

std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        long startPos, bool caseSensitive) {
  const std::string start = text::replaceText(startMarker, "#引号", "\"");
  const std::string end = text::replaceText(endMarker, "#引号", "\"");
  long at = text::findText(text, start, startPos, !caseSensitive);
  if (at == -1) return {};
  at += static_cast<long>(start.size());
  const long until = text::findText(text, end, at, !caseSensitive);
  if (until == -1) return {};
  return text::partOf(text, at, until - at);
}
