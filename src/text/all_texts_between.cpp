#include "text/cp936.h"
#include "text/markers.h"
#include "text/regex_object.h"

std::string escapeMarker(std::string_view marker) {
  // Each step works on the result of the one before; the order matters only in that
  // the quote and the line break are put in after the backslashes.
  static constexpr std::string_view escaped[] = {"?", "*", "+", "[", "]", "(", ")", "{", "}"};
  std::string out(marker);
  for (std::string_view c : escaped) out = text::replaceText(out, c, std::string("\\").append(c), true);
  out = text::replaceText(out, "#引号", "\"", true);
  return text::replaceText(out, "\r\n", "\\n", true);
}

long allTextsBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                     std::vector<std::string>& results, long maxLength, std::string_view prefix,
                     std::string_view suffix, bool withStart, bool withEnd) {
  results.clear();
  RegexObject regex;
  const std::string pattern = escapeMarker(startMarker) + "([\\s\\S]*?)" + escapeMarker(endMarker);
  if (!regex.execute(pattern, text)) return 0;
  // A marker put back reads as it stands in the text: its "#引号" is a quote there.
  const std::string start = withStart ? text::replaceText(startMarker, "#引号", "\"") : std::string();
  const std::string end = withEnd ? text::replaceText(endMarker, "#引号", "\"") : std::string();
  const long count = regex.matchCount();
  results.reserve(static_cast<size_t>(count));
  for (long n = 1; n <= count; ++n) {
    std::string piece = regex.subMatchText(n, 1);
    if (maxLength > 0 && piece.size() > static_cast<size_t>(maxLength)) continue;
    std::string item;
    item.reserve(start.size() + prefix.size() + piece.size() + suffix.size() + end.size());
    item.append(start).append(prefix).append(piece).append(suffix).append(end);
    results.push_back(std::move(item));
  }
  return static_cast<long>(results.size());
}
