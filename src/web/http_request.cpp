#include "web/http_request.h"

#include "host/internet_client.h"
#include "host/threads.h"
#include "text/cp936.h"
#include "text/markers.h"
#include "web/cookies.h"
#include "web/encoding.h"
#include "web/response_headers.h"
#include "web/url.h"

namespace {

constexpr const char* defaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 125LA; .NET CLR 2.0.50727; .NET CLR 3.0.04506.648; "
    ".NET CLR 3.5.21022)";
constexpr int maxMovedInARow = 10;

bool startsWithHttps(const std::string& url) { return text::lowerAscii(text::partOf(url, 1, 5)) == "https"; }

std::string agentFor(const std::string& headers) {
  if (!text::containsText(headers, "User-Agent:", true)) return defaultAgent;
  std::string agent = text::trimSpaces(textBetween(headers, "User-Agent:", "\r\n"));
  return agent.empty() ? textAfterColon(headers) : agent;
}

// The default lines go after the caller's own; a line counts as present only in
// the exact letter case.
void completeHeaders(std::string& headers, const std::string& url, const std::string* cookies) {
  if (!text::containsText(headers, "Referer:"))
    headers += headers.empty() ? "Referer: " + url : "\r\nReferer: " + url;
  if (!text::containsText(headers, "Accept:")) headers += "\r\nAccept: */*";
  if (!text::containsText(headers, "Accept-Language:")) headers += "\r\nAccept-Language: zh-cn";
  if (!text::containsText(headers, "Content-Type:")) headers += "\r\nContent-Type: application/x-www-form-urlencoded";
  if (cookies && !cookies->empty()) headers += "\r\nCookie: " + *cookies;
}

bool isUtf8Page(const std::string& body, const std::string& responseHeaders) {
  // Plain bytes here: the body is not yet a code page 936 text.
  const size_t at = body.find("utf-8");
  return (at != std::string::npos && at + 1 < 500) || text::containsText(responseHeaders, "utf-8", true);
}

std::string request(const std::string& url, int method, const std::string& postText, std::string* cookies,
                    std::string& responseCookies, std::string& headers, std::string& redirectAddress,
                    bool noRedirect, std::string& postBytes, const std::string* proxy,
                    std::string& responseHeaders, int movedSoFar) {
  if (host::stopRequested()) return {};
  redirectAddress.clear();  // an out-argument: nothing of the caller's value survives
  host::InternetRequest req;
  req.verb = method == 1 ? "POST" : "GET";
  req.agent = agentFor(headers);
  req.secure = startsWithHttps(url);
  req.host = urlHost(url);
  req.port = urlPort(url);
  req.path = urlPath(url);
  req.noRedirect = noRedirect;
  if (proxy) req.proxy = *proxy;

  completeHeaders(headers, url, cookies);
  req.headerText = headers;
  if (method != 0) {
    if (postBytes.empty()) postBytes = postText;
    req.sendBody = true;
    req.body = postBytes;
  }

  host::InternetResponse response = host::fetchInternet(req);
  if (response.error == host::InternetError::stopped) return {};
  responseHeaders = response.headers;
  scanResponseHeaders(responseHeaders, redirectAddress, responseCookies);
  if (cookies) mergeCookies(*cookies, responseCookies);
  if (redirectAddress.empty()) redirectAddress = responseHeaders;
  // A failed transfer (the client's own redirect limit included) is not retried
  // through the 301 rule: its page is the empty text.
  if (response.error != host::InternetError::none) return {};

  if (textBetween(responseHeaders, "HTTP/1.1 ", " Moved") == "301") {
    // A run of 301 answers (a loop, most likely) ends the call with nothing.
    if (movedSoFar >= maxMovedInARow) return {};
    const std::string next = redirectAddress + urlPath(url);
    redirectAddress.clear();
    return request(next, method, postText, cookies, responseCookies, headers, redirectAddress, noRedirect,
                   postBytes, proxy, responseHeaders, movedSoFar + 1);
  }

  std::string& body = response.body;
  if (isUtf8Page(body, responseHeaders)) body = utf8ToLocal(body);
  if (const size_t zero = body.find('\0'); zero != std::string::npos) body.resize(zero);
  return std::move(body);
}

}  // namespace

std::string httpRequest(const std::string& url, int method, const std::string& postText, std::string* cookies,
                        std::string* responseCookies, std::string* headers, std::string* redirectAddress,
                        bool noRedirect, std::string* postBytes, const std::string* proxy,
                        std::string* responseHeaders) {
  if (host::stopRequested()) return {};
  // Omitted out-arguments still need a place: the follow-up after a 301 sends the
  // header text this call built.
  std::string ownResponseCookies, ownHeaders, ownRedirect, ownPostBytes, ownResponseHeaders;
  return request(url, method, postText, cookies, responseCookies ? *responseCookies : ownResponseCookies,
                 headers ? *headers : ownHeaders, redirectAddress ? *redirectAddress : ownRedirect, noRedirect,
                 postBytes ? *postBytes : ownPostBytes, proxy, responseHeaders ? *responseHeaders : ownResponseHeaders,
                 0);
}
