// Addresses under /bad/ that misbehave on purpose, for fault-injection tests of the
// request routine and of the threads around it. Literals here are code page 936
// bytes (the build's literal setting); the UTF-8 ones are written as escapes.
#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "internal.h"

namespace demoweb {

namespace {

constexpr auto kStep = std::chrono::milliseconds(20);

// Sleeps `total` in short steps; false when the server is stopping.
bool pause(std::chrono::milliseconds total, const std::atomic<bool>& stopping) {
  for (auto slept = std::chrono::milliseconds(0); slept < total; slept += kStep) {
    if (stopping) return false;
    std::this_thread::sleep_for(std::min(kStep, total - slept));
  }
  return !stopping;
}

std::string hostRoot(const std::string& serverRoot) {  // without the closing "/"
  return serverRoot.substr(0, serverRoot.size() - 1);
}

const std::string kSmallPage =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
    "<title>慢慢来</title></head><body><p>一个字节一个字节地到达。</p></body></html>";

void serveNever(httplib::Response& res, const std::atomic<bool>& stopping) {
  while (!stopping) std::this_thread::sleep_for(kStep);
  res.status = 503;  // only ever written once the server stops
}

// One byte a second (or every ?ms=N milliseconds), chunked.
void serveSlow(const httplib::Request& req, httplib::Response& res,
               const std::atomic<bool>& stopping) {
  long ms = 1000;
  if (req.has_param("ms")) ms = std::max(1L, std::atol(req.get_param_value("ms").c_str()));
  res.set_chunked_content_provider(
      "text/html; charset=gb2312",
      [ms, &stopping](size_t offset, httplib::DataSink& sink) {
        if (offset >= kSmallPage.size()) {
          sink.done();
          return true;
        }
        if (!pause(std::chrono::milliseconds(offset == 0 ? 0 : ms), stopping)) return false;
        return sink.write(kSmallPage.data() + offset, 1);
      });
}

// Announces a large body, sends part of it and closes the connection.
void serveDrop(httplib::Response& res) {
  constexpr size_t kAnnounced = 1000000;
  res.set_content_provider(kAnnounced, "text/html; charset=gb2312",
                           [](size_t offset, size_t, httplib::DataSink& sink) {
                             if (offset > 0) return false;  // drop the connection
                             std::string part = kSmallPage;
                             part.resize(20000, ' ');
                             return sink.write(part.data(), part.size());
                           });
}

// 200 MB of list items, streamed block by block, never held whole.
void serveHuge(httplib::Response& res, const std::atomic<bool>& stopping) {
  constexpr size_t kTotal = size_t(200) * 1024 * 1024;
  auto block = std::make_shared<std::string>();
  while (block->size() < 64 * 1024)
    *block += "<li class=\"item\"><a href=\"/soft/1.html\" title=\"大页面\">大页面</a></li>\r\n";
  res.set_content_provider(
      kTotal, "text/html; charset=gb2312",
      [block, &stopping](size_t offset, size_t length, httplib::DataSink& sink) {
        if (stopping) return false;
        const size_t at = offset % block->size();
        return sink.write(block->data() + at, std::min(length, block->size() - at));
      });
}

void serveGarbage(httplib::Response& res) {
  std::string noise(64 * 1024, '\0');
  std::uint32_t x = 2463534242u;  // xorshift: the same noise every time
  for (char& c : noise) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = char(x & 0xff);
  }
  res.set_content(noise, "text/html");
}

void serveBadUtf8(httplib::Response& res) {
  const std::string body =
      "<html><head><meta charset=\"utf-8\"><title>\xe5\x9d\x8f\xe7\xbc\x96\xe7\xa0\x81</title>"
      "</head><body><ul>"
      "<li>\xe4\xb8\xad\xe6\x96\x87 ok</li>"
      "<li>lone continuation \x80\xbf</li>"
      "<li>overlong slash \xc0\xaf</li>"
      "<li>truncated \xe4\xb8 then ascii</li>"
      "<li>surrogate \xed\xa0\x80</li>"
      "<li>bytes \xfe\xff</li>"
      "</ul></body></html>";
  res.set_content(body, "text/html; charset=utf-8");
}

void serveHalfGbk(httplib::Response& res) {
  std::string body =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
      "</head><body><p>最后一个字只到了一半：";
  body += "\xd6";  // the lead byte of 中, without its trail byte
  res.set_content(body, "text/html; charset=gb2312");
}

}  // namespace

void serveRedirectTarget(httplib::Response& res) {
  res.set_content(
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
      "</head><body><p>跳转成功：redirect-target</p></body></html>",
      "text/html; charset=gb2312");
}

bool serveMisbehaving(const httplib::Request& req, httplib::Response& res,
                      const std::atomic<bool>& stopping, const std::string& serverRoot) {
  const std::string& p = req.path;
  if (p == "/bad/never") {
    serveNever(res, stopping);
  } else if (p == "/bad/slow") {
    serveSlow(req, res, stopping);
  } else if (p == "/bad/redirect") {
    // A site root under the other name of this host; the request routine appends
    // the old path to it, and that second request is answered (see route()).
    std::string other = hostRoot(serverRoot);
    other.replace(other.find("127.0.0.1"), 9, "localhost");
    res.status = 301;
    res.set_header("Location", other);
  } else if (p == "/bad/loop") {
    res.status = 301;  // Location plus the old path is this address again
    res.set_header("Location", hostRoot(serverRoot));
  } else if (p == "/bad/drop") {
    serveDrop(res);
  } else if (p == "/bad/huge") {
    serveHuge(res, stopping);
  } else if (p == "/bad/garbage") {
    serveGarbage(res);
  } else if (p == "/bad/badutf8") {
    serveBadUtf8(res);
  } else if (p == "/bad/halfgbk") {
    serveHalfGbk(res);
  } else {
    return false;
  }
  return true;
}

}  // namespace demoweb
