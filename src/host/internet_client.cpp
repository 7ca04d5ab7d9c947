#include "host/internet_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>

#include "host/threads.h"

namespace host {
namespace {

std::mutex trustMutex;
std::string extraTrust;  // PEM text: the system's bundle followed by the added files

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The path as the request line carries it: bytes a URL may not hold raw (spaces,
// control bytes) are percent-escaped; everything else goes as given.
std::string escapedPath(const std::string& path) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : path) {
    if (c <= 0x20 || c == 0x7F) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out.empty() || out[0] != '/' ? "/" + out : out;
}

using HeaderList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

// The caller's lines, then blank entries that keep curl from adding lines of its
// own (a blank entry is never sent; a caller's line of the same name wins anyway).
HeaderList headerList(const std::string& headerText) {
  HeaderList list(nullptr, curl_slist_free_all);
  auto add = [&](const std::string& line) {
    if (curl_slist* grown = curl_slist_append(list.get(), line.c_str())) {
      list.release();
      list.reset(grown);
    }
  };
  size_t from = 0;
  while (from <= headerText.size()) {
    size_t end = headerText.find("\r\n", from);
    if (end == std::string::npos) end = headerText.size();
    std::string line = headerText.substr(from, end - from);
    from = end + 2;
    if (line.find('\0') != std::string::npos) line.resize(line.find('\0'));
    if (line.empty()) continue;
    // curl drops a "Name:" line without value; "Name;" is how it sends one empty.
    size_t last = line.find_last_not_of(' ');
    if (line[last] == ':' && line.find(':') == last) line = line.substr(0, last) + ";";
    add(line);
  }
  for (const char* blank : {"Accept:", "Content-Type:", "Expect:", "Proxy-Connection:"}) add(blank);
  return list;
}

struct Transfer {
  InternetResponse response;
  size_t maxBody = 0;
  bool tooLarge = false;
};

size_t onHeader(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const std::string_view line(data, size * count);
  // Each response (an interim 100, a redirect, a proxy's answer) starts anew, so
  // only the last one's lines remain.
  if (line.substr(0, 5) == "HTTP/") t->response.headers.clear();
  t->response.headers.append(line);
  return size * count;
}

size_t onBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  std::string& body = t->response.body;
  const size_t needed = body.size() + size * count;
  if (needed > t->maxBody) {
    t->tooLarge = true;
    body = std::string();  // the page has failed: give its memory back now
    return 0;              // aborts the transfer
  }
  // Grow by doubling, but never past the cap, so a page near the cap costs at most
  // the cap plus the half it grew from.
  if (needed > body.capacity()) body.reserve(std::min(std::max(needed, 2 * body.capacity()), t->maxBody));
  body.append(data, size * count);
  return size * count;
}

InternetResponse failed(InternetError error, std::string detail) {
  InternetResponse r;
  r.error = error;
  r.detail = std::move(detail);
  return r;
}

}  // namespace

void trustCertificateFile(const std::string& pemPath) {
  initialiseOnce();
  std::lock_guard lock(trustMutex);
  if (extraTrust.empty()) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> probe(curl_easy_init(), curl_easy_cleanup);
    char* systemBundle = nullptr;
    if (probe && curl_easy_getinfo(probe.get(), CURLINFO_CAINFO, &systemBundle) == CURLE_OK && systemBundle)
      extraTrust = readFile(systemBundle);
  }
  extraTrust += "\n" + readFile(pemPath) + "\n";
}

InternetResponse fetchInternet(const InternetRequest& request) {
  if (stopRequested()) return failed(InternetError::stopped, "the thread is being ended");
  initialiseOnce();

  Transfer transfer;
  transfer.maxBody = request.maxBodyBytes;
  char errorText[CURL_ERROR_SIZE] = {};
  HeaderList headers = headerList(request.headerText);
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(), curl_easy_cleanup);
  if (!easy) return failed(InternetError::failed, "no transfer handle");
  CURL* e = easy.get();

  std::string url = request.secure ? "https://" : "http://";
  url += request.host;
  if (request.port > 0) url += ":" + std::to_string(request.port);
  url += escapedPath(request.path);

  curl_easy_setopt(e, CURLOPT_URL, url.c_str());
  curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
#if LIBCURL_VERSION_NUM >= 0x075700
  curl_easy_setopt(e, CURLOPT_QUICK_EXIT, 1L);  // an aborted name lookup is not waited for
#endif
  curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, 60L);
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, 30L);
  curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, request.noRedirect ? 0L : 1L);
  curl_easy_setopt(e, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
  std::string trust;
  {
    std::lock_guard lock(trustMutex);
    trust = extraTrust;
  }
  if (!trust.empty()) {
    curl_blob blob{trust.data(), trust.size(), CURL_BLOB_COPY};
    curl_easy_setopt(e, CURLOPT_CAINFO_BLOB, &blob);
  }
  // The environment's proxy settings are never used: only a proxy given here.
  std::string proxy;
  long proxyPort = 0;
  if (request.proxy && !request.secure && !request.proxy->empty()) {
    proxy = "http://" + *request.proxy;
    if (request.proxy->find(':') == std::string::npos) proxyPort = 80;
  }
  curl_easy_setopt(e, CURLOPT_PROXY, proxy.c_str());
  if (proxyPort) curl_easy_setopt(e, CURLOPT_PROXYPORT, proxyPort);

  curl_easy_setopt(e, CURLOPT_USERAGENT, request.agent.c_str());
  curl_easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
  if (request.sendBody) {
    curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(e, CURLOPT_POSTFIELDS, request.body.data());
    if (request.verb != "POST") curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
  } else {
    curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
    if (request.verb != "GET") curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, request.verb.c_str());
  }
  curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, onHeader);
  curl_easy_setopt(e, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, onBody);
  curl_easy_setopt(e, CURLOPT_WRITEDATA, &transfer);

  std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi(curl_multi_init(), curl_multi_cleanup);
  if (!multi || curl_multi_add_handle(multi.get(), e) != CURLM_OK)
    return failed(InternetError::failed, "no transfer handle");
  // Detaches the transfer before either handle goes away, whichever way we leave.
  auto detach = [&](CURLM* m) { curl_multi_remove_handle(m, e); };
  std::unique_ptr<CURLM, decltype(detach)> attached(multi.get(), detach);

  // A kill wakes the poll below from the killing thread; declared last, so it is
  // unregistered before the handles it touches are released.
  std::atomic<bool> stopped{false};
  StopCallback onStop([&] {
    stopped = true;
    curl_multi_wakeup(multi.get());
  });

  int running = 1;
  while (!stopped) {
    if (curl_multi_perform(multi.get(), &running) != CURLM_OK) return failed(InternetError::failed, "transfer broke");
    if (!running || stopped) break;
    if (curl_multi_poll(multi.get(), nullptr, 0, 1000, nullptr) != CURLM_OK)
      return failed(InternetError::failed, "transfer broke");
  }
  if (stopped) return failed(InternetError::stopped, "the thread is being ended");

  CURLcode result = CURLE_OK;
  int left = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi.get(), &left))
    if (msg->msg == CURLMSG_DONE) result = msg->data.result;

  InternetResponse& r = transfer.response;
  curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &r.status);
  if (transfer.tooLarge) {
    r.error = InternetError::tooLarge;
    r.detail = "the body is longer than " + std::to_string(request.maxBodyBytes) + " bytes";
  } else if (result != CURLE_OK) {
    r.error = InternetError::failed;
    r.detail = errorText[0] ? errorText : curl_easy_strerror(result);
  }
  if (r.error != InternetError::none) r.body.clear();
  return std::move(r);
}

}  // namespace host
