// The request routine against real servers on 127.0.0.1.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "host/internet_client.h"
#include "host/threads.h"
#include "test_servers.h"
#include "web/http_request.h"

namespace {

using namespace std::chrono_literals;
using webtest::PageServer;
using webtest::RawServer;

const std::string defaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; 125LA; .NET CLR 2.0.50727; .NET CLR 3.0.04506.648; "
    ".NET CLR 3.5.21022)";

std::string ok(const std::string& body, const std::string& extraHeaders = "") {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
}

bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

TEST(HttpRequest, DefaultRequestAsTheServerReceivesIt) {
  RawServer server([](const std::string&) { return ok("hello"); });
  const std::string url = server.address("/page?x=1&y=%D6%D0");
  std::string headers, redirect = "stale", responseHeaders, responseCookies = "stale";
  EXPECT_EQ(httpRequest(url, 0, {}, nullptr, &responseCookies, &headers, &redirect, false, nullptr, nullptr,
                        &responseHeaders),
            "hello");

  const std::string sent = "Referer: " + url +
                           "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                           "Content-Type: application/x-www-form-urlencoded";
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0], "GET /page?x=1&y=%D6%D0 HTTP/1.1\r\nHost: 127.0.0.1:" +
                                      std::to_string(server.port()) + "\r\nUser-Agent: " + defaultAgent + "\r\n" +
                                      sent + "\r\n\r\n");
  EXPECT_EQ(headers, sent);
  EXPECT_EQ(responseHeaders, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n");
  EXPECT_EQ(redirect, responseHeaders);  // no Location line: the whole header text
  EXPECT_EQ(responseCookies, "");
}

TEST(HttpRequest, CallersHeaderLinesWinOnlyInTheExactLetterCase) {
  RawServer server([](const std::string&) { return ok("ok"); });
  const std::string url = server.address("/h");
  std::string headers = "referer: http://from.example/\r\nAccept: text/html\r\nUser-Agent: TestAgent/1.0\r\nX-Empty:";
  EXPECT_EQ(httpRequest(url, 0, {}, nullptr, nullptr, &headers), "ok");
  EXPECT_EQ(headers,
            "referer: http://from.example/\r\nAccept: text/html\r\nUser-Agent: TestAgent/1.0\r\nX-Empty:\r\n"
            "Referer: " + url + "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string got = server.requests()[0];
  EXPECT_EQ(got, "GET /h HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port()) + "\r\n" + headers +
                     "\r\n\r\n");
}

TEST(HttpRequest, BodiesGoWithEveryMethodButZero) {
  RawServer server([](const std::string&) { return ok("done"); });
  struct Case {
    int method;
    std::string postBytesBefore, requestStart, postBytesAfter;
  };
  const Case cases[] = {
      {1, "", "POST /f HTTP/1.1\r\n", "a=1&b=2"},
      {1, "raw=bytes", "POST /f HTTP/1.1\r\n", "raw=bytes"},
      {2, "", "GET /f HTTP/1.1\r\n", "a=1&b=2"},
  };
  for (const auto& c : cases) {
    std::string postBytes = c.postBytesBefore;
    EXPECT_EQ(httpRequest(server.address("/f"), c.method, "a=1&b=2", nullptr, nullptr, nullptr, nullptr, false,
                          &postBytes),
              "done");
    const std::string got = server.requests().back();
    EXPECT_TRUE(startsWith(got, c.requestStart)) << got;
    EXPECT_NE(got.find("Content-Length: " + std::to_string(c.postBytesAfter.size()) + "\r\n"), std::string::npos);
    EXPECT_EQ(got.substr(got.find("\r\n\r\n") + 4), c.postBytesAfter);
    EXPECT_EQ(got.find("Expect:"), std::string::npos);
    EXPECT_EQ(postBytes, c.postBytesAfter);
  }
}

TEST(HttpRequest, PlainAndSecurePages) {
  PageServer plain;
  plain.server().Get("/list", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("<ul><li>今日 资源</li></ul>", "text/html; charset=gbk");
  });
  plain.start();
  EXPECT_EQ(httpRequest("127.0.0.1:" + std::to_string(plain.port()) + "/list"), "<ul><li>今日 资源</li></ul>");

  host::trustCertificateFile(TOVI_TEST_DATA "/web_test_cert.pem");
  PageServer secure(TOVI_TEST_DATA "/web_test_cert.pem", TOVI_TEST_DATA "/web_test_key.pem");
  secure.server().Get("/s", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content("secure " + req.get_header_value("Referer"), "text/plain");
  });
  secure.start();
  const std::string port = std::to_string(secure.port());
  EXPECT_EQ(httpRequest("https://127.0.0.1:" + port + "/s"), "secure https://127.0.0.1:" + port + "/s");
  EXPECT_EQ(httpRequest("HTTPS://localhost:" + port + "/s"), "secure HTTPS://localhost:" + port + "/s");
  // The same server asked without TLS answers nothing usable.
  EXPECT_EQ(httpRequest("http://127.0.0.1:" + port + "/s"), "");
}

TEST(HttpRequest, Moved301IsFollowedWithTheOldPathAppended) {
  int port = 0;
  RawServer server([&](const std::string& req) -> std::string {
    if (startsWith(req, "GET /old?q=1 "))
      return "HTTP/1.1 301 Moved Permanently\r\nLocation: http://127.0.0.1:" + std::to_string(port) +
             "/new\r\nContent-Length: 0\r\n\r\n";
    if (startsWith(req, "GET /new/old?q=1 ")) return ok("arrived by the path rule");
    if (startsWith(req, "GET /new ")) return ok("arrived by the library");
    return "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
  });
  port = server.port();
  const std::string url = server.address("/old?q=1");

  // Asked not to follow, the client hands the 301 back and the routine follows it.
  std::string redirect, responseHeaders;
  EXPECT_EQ(httpRequest(url, 0, {}, nullptr, nullptr, nullptr, &redirect, true, nullptr, nullptr, &responseHeaders),
            "arrived by the path rule");
  const auto requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  // The follow-up sends the header text the first call built: Referer is the first address,
  // and an omitted cookie text stays omitted.
  EXPECT_NE(requests[1].find("\r\nReferer: " + url + "\r\n"), std::string::npos);
  EXPECT_EQ(requests[1].find("Referer: " + url + "\r\nReferer:"), std::string::npos);
  EXPECT_EQ(requests[1].find("Cookie"), std::string::npos);
  EXPECT_EQ(redirect, responseHeaders);

  // Otherwise the client follows the Location as given.
  EXPECT_EQ(httpRequest(url), "arrived by the library");
}

TEST(HttpRequest, Found302IsLeftToTheClient) {
  RawServer server([](const std::string& req) -> std::string {
    if (startsWith(req, "GET /here "))
      return "HTTP/1.1 302 Moved Temporarily\r\nLocation: /elsewhere\r\nContent-Length: 9\r\n\r\nstay here";
    return ok("went there");
  });
  std::string redirect;
  EXPECT_EQ(httpRequest(server.address("/here"), 0, {}, nullptr, nullptr, nullptr, &redirect, true), "stay here");
  EXPECT_EQ(redirect, "/elsewhere");
  EXPECT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(httpRequest(server.address("/here"), 0, {}, nullptr, nullptr, nullptr, &redirect), "went there");
}

TEST(HttpRequest, Moved301LoopEndsEmpty) {
  int port = 0;
  RawServer server([&](const std::string&) {
    return "HTTP/1.1 301 Moved Permanently\r\nLocation: http://127.0.0.1:" + std::to_string(port) +
           "\r\nContent-Length: 0\r\n\r\n";
  });
  port = server.port();
  EXPECT_EQ(httpRequest(server.address("/loop"), 0, {}, nullptr, nullptr, nullptr, nullptr, true), "");
  EXPECT_EQ(server.requests().size(), 11u);  // the first request and ten follow-ups
  EXPECT_EQ(httpRequest(server.address("/loop")), "");
  EXPECT_EQ(server.requests().size(), 22u);  // the client's own limit of ten ends it, not retried
}

TEST(HttpRequest, Utf8PagesAreDecodedOthersAreNot) {
  PageServer pages;
  pages.server().Get("/utf8", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("<p>\xE4\xBB\x8A\xE6\x97\xA5</p>", "text/html; charset=UTF-8");  // 今日 in UTF-8
  });
  pages.server().Get("/gbk", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("<p>今日</p>", "text/html; charset=gbk");
  });
  pages.start();
  const std::string root = "http://127.0.0.1:" + std::to_string(pages.port());
  EXPECT_EQ(httpRequest(root + "/utf8"), "<p>今日</p>");
  EXPECT_EQ(httpRequest(root + "/gbk"), "<p>今日</p>");
}

TEST(HttpRequest, Utf8MarkInTheBodyCountsBelowByte500) {
  std::string reply;
  RawServer server([&](const std::string&) { return reply; });
  const std::string page = "\xE4\xBB\x8A";  // 今 in UTF-8
  struct Case {
    std::string body, extraHeaders;
    bool decoded;
  };
  const Case cases[] = {
      {std::string(498, ' ') + "utf-8" + page, "", true},  // begins at byte 499
      {std::string(499, ' ') + "utf-8" + page, "", false},  // begins at byte 500
      {"UTF-8" + page, "", false},                          // the body mark is lower case only
      {std::string(900, ' ') + page, "Content-Type: text/html; Charset=UTF-8\r\n", true},
      {page, "X-Note: uTf-8\r\n", true},                    // any header line, any letter case
  };
  for (const auto& c : cases) {
    reply = ok(c.body, c.extraHeaders);
    const std::string got = httpRequest(server.address());
    const bool decoded = got.size() >= 2 && got.substr(got.size() - 2) == "今";
    EXPECT_EQ(decoded, c.decoded) << c.body.substr(490) << " / " << c.extraHeaders;
    EXPECT_EQ(got.size(), c.body.size() - (c.decoded ? 1 : 0));
  }
  reply = ok(std::string("ab\0cd", 5));
  EXPECT_EQ(httpRequest(server.address()), "ab");  // the text ends at its first zero byte
}

TEST(HttpRequest, SetCookieLinesAndTheCookieMerge) {
  RawServer server([](const std::string&) {
    return ok("c", "Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2; HttpOnly\r\nSet-Cookie: c=3\r\n");
  });
  std::string responseCookies;
  EXPECT_EQ(httpRequest(server.address(), 0, {}, nullptr, &responseCookies), "c");
  EXPECT_EQ(responseCookies, "a=1; b=2; c=3");
  EXPECT_EQ(server.requests().back().find("Cookie"), std::string::npos);

  std::string cookies = "b=0; z=9";
  httpRequest(server.address(), 0, {}, &cookies, &responseCookies);
  EXPECT_NE(server.requests().back().find("\r\nCookie: b=0; z=9\r\n"), std::string::npos);
  EXPECT_EQ(cookies, "a=1; b=2; c=3; z=9");
  EXPECT_EQ(responseCookies, "a=1;b=2;c=3");

  // A given empty cookie text sends no Cookie line but still collects the response's.
  cookies.clear();
  httpRequest(server.address(), 0, {}, &cookies);
  EXPECT_EQ(server.requests().back().find("Cookie"), std::string::npos);
  EXPECT_EQ(cookies, "a=1; b=2; c=3");
}

TEST(HttpRequest, FailuresGiveTheEmptyText) {
  RawServer cut([](const std::string&) { return "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\npartial page"; });
  std::string responseHeaders;
  EXPECT_EQ(httpRequest(cut.address(), 0, {}, nullptr, nullptr, nullptr, nullptr, false, nullptr, nullptr,
                        &responseHeaders),
            "");
  EXPECT_EQ(responseHeaders, "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");

  int freePort;
  { RawServer closed; freePort = closed.port(); }
  EXPECT_EQ(httpRequest("http://127.0.0.1:" + std::to_string(freePort) + "/"), "");
}

int openFileCount() {
  int n = 0;
  for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) (void)e, ++n;
  return n;
}

TEST(HttpRequest, KilledThreadAbortsTheTransferAtOnce) {
  RawServer silent([](const std::string&) { return std::nullopt; });
  httpRequest("http://127.0.0.1:1/");  // the library's one-time start-up is done before counting
  const int filesBefore = openFileCount();

  host::ThreadSlot slot;
  std::atomic<bool> done{false};
  std::string result = "not yet";
  host::startThread([&] {
    result = httpRequest(silent.address());
    done = true;
  }, slot);
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (silent.requests().empty() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(1ms);
  ASSERT_EQ(silent.requests().size(), 1u);

  const auto killedAt = std::chrono::steady_clock::now();
  host::killThread(slot);
  while (!done && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(1ms);
  ASSERT_TRUE(done);
  EXPECT_LT(std::chrono::steady_clock::now() - killedAt, 100ms);
  EXPECT_EQ(result, "");
  ASSERT_TRUE(host::killAllThreads(2000));
  EXPECT_TRUE(silent.peerClosed());
  EXPECT_EQ(openFileCount(), filesBefore + 1);  // only the server's end of the connection
}

TEST(HttpRequest, KilledThreadSendsNoRequest) {
  RawServer server([](const std::string&) { return ok("x"); });
  host::ThreadSlot slot;
  std::atomic<bool> done{false};
  std::string result = "not yet";
  host::startThread([&] {
    while (!host::stopRequested()) std::this_thread::sleep_for(1ms);
    result = httpRequest(server.address());
    done = true;
  }, slot);
  host::killThread(slot);
  ASSERT_TRUE(host::killAllThreads(2000));
  EXPECT_TRUE(done);
  EXPECT_EQ(result, "");
  // A request that had been made would be served before this one.
  EXPECT_EQ(httpRequest(server.address()), "x");
  EXPECT_EQ(server.requests().size(), 1u);
}

}  // namespace
