#include "web/url.h"

#include "text/cp936.h"
#include "text/markers.h"

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string urlHost(std::string_view address, bool keepPort) {
  std::string a = text::lowerAscii(address);
  if (a.empty() || a.back() != '/') a += '/';
  std::string_view scheme = "https://";
  if (!startsWith(a, scheme)) {
    scheme = "http://";
    // Only a leading "http://" counts as the scheme: one inside the query of a
    // scheme-less address must not be taken for it.
    if (!startsWith(a, scheme)) a.insert(0, scheme);
  }
  std::string host = textBetween(a, scheme, "/");
  if (!keepPort) {
    if (long colon = text::findText(host, ":"); colon != -1) host.resize(static_cast<size_t>(colon - 1));
  }
  return host;
}

long urlPort(std::string_view address) {
  const std::string host = urlHost(address, true);
  if (const size_t colon = host.rfind(':'); colon != std::string::npos) {
    long port = 0;
    for (size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
      port = port * 10 + (host[i] - '0');
      if (port > 65535) return 0;  // no such port; the default one is tried
    }
    return port;
  }
  return text::lowerAscii(text::partOf(address, 1, 5)) == "https" ? 443 : 80;
}

std::string urlPath(std::string_view address) {
  const long hostAt = text::findText(address, urlHost(address), 1, true);
  const long slash = text::findText(address, "/", hostAt);
  if (slash == -1) return "/";
  return std::string(address.substr(static_cast<size_t>(slash - 1)));
}

std::string textAfterColon(std::string_view t) {
  const long colon = text::findText(t, ":");
  if (colon == -1) return {};
  return text::trimSpaces(t.substr(static_cast<size_t>(colon)));
}
