#include "web/cookies.h"

#include <algorithm>
#include <vector>

#include "text/cp936.h"

namespace {

// Spaces go, and so does a lead byte left without its trail at the very end: the
// "; " put after that pair would become its trail, and the pairs would run together.
void removeSpaces(std::string& t) {
  t = text::replaceText(text::replaceText(t, "\xA1\xA1", ""), " ", "");
  if (text::endsInsideCharacter(t)) t.pop_back();
}

}  // namespace

std::string cookieName(std::string_view pair) {
  const long eq = text::findText(pair, "=");
  return text::trimSpaces(eq == -1 ? pair : pair.substr(0, static_cast<size_t>(eq - 1)));
}

std::string uniquePieces(std::string_view t, std::string_view separator) {
  std::vector<std::string> kept;
  std::string out;
  for (std::string& piece : text::splitText(t, separator)) {
    if (std::find(kept.begin(), kept.end(), piece) != kept.end()) continue;
    out += piece;
    out += separator;
    kept.push_back(std::move(piece));
  }
  out.resize(out.size() >= separator.size() ? out.size() - separator.size() : 0);
  return out;
}

std::string mergeCookies(std::string& cookies, std::string& responseCookies) {
  removeSpaces(cookies);
  removeSpaces(responseCookies);
  std::vector<std::string> pairs = text::splitText(responseCookies, ";");
  std::vector<std::string> newNames;
  for (const auto& p : pairs) newNames.push_back(cookieName(p));
  // An old pair survives only when the response does not name it again.
  for (auto& old : text::splitText(cookies, ";")) {
    if (std::find(newNames.begin(), newNames.end(), cookieName(old)) == newNames.end()) pairs.push_back(old);
  }
  std::string merged;
  for (const auto& p : pairs) {
    // An empty pair (";;" or a trailing ";") is no cookie; kept, it would leave a
    // trailing "; " that the next merge drops, so merging twice would differ.
    if (p.empty() || std::string_view(p).ends_with("=deleted")) continue;
    merged += p;
    merged += "; ";
  }
  if (!merged.empty()) merged.resize(merged.size() - 2);
  cookies = uniquePieces(merged, "; ");
  return cookies;
}
