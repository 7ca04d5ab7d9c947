#include "web/response_headers.h"

#include "text/cp936.h"
#include "web/url.h"

void scanResponseHeaders(std::string_view raw, std::string& location, std::string& cookies) {
  cookies.clear();
  // Header lines are bytes on the wire: a line ends at every LF byte, even one that
  // follows a byte of 0x80 or above, and a CR ends the line's content (a bare one
  // starts no header, so what follows it is dropped rather than carried into a value).
  size_t from = 0;
  while (from < raw.size()) {
    size_t lf = raw.find('\n', from);
    if (lf == std::string_view::npos) lf = raw.size();
    std::string_view line = raw.substr(from, lf - from);
    from = lf + 1;
    if (const size_t cr = line.find('\r'); cr != std::string_view::npos) line = line.substr(0, cr);
    if (text::containsText(line, "Location:")) location = textAfterColon(line);
    if (text::containsText(line, "Set-Cookie")) {
      // The pair runs to the first ";" or, for a cookie without attributes, to the
      // end of the line; a line without a pair adds nothing.
      const long at = text::findText(line, "Set-Cookie:", 1, true);
      if (at == -1) continue;
      std::string_view pair = line.substr(static_cast<size_t>(at - 1) + 11);
      if (const long semi = text::findText(pair, ";"); semi != -1) pair = pair.substr(0, static_cast<size_t>(semi - 1));
      const std::string trimmed = text::trimSpaces(pair);
      if (!trimmed.empty()) cookies += trimmed + "; ";
    }
  }
  if (cookies.size() >= 2) cookies.resize(cookies.size() - 2);
}
