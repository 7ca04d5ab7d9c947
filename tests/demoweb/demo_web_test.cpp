// The demo web is a fixture for every fetching test: these tests guard what those
// tests lean on (encodings, dates that cannot collide, addresses, the misbehaving ones).
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "demo_web.h"
#include "embedded.h"
#include "host/codepage.h"

using demoweb::Day;
using demoweb::DemoWeb;

namespace {

struct Reply {
  bool connected = false;
  std::string head;  // status line and headers
  std::string body;  // raw bytes after the blank line (not de-chunked)
  size_t received = 0;
};

// A plain HTTP/1.1 GET over a socket, read until the server closes, `maxBytes` arrive or
// nothing arrives for `quietMs`.
Reply rawGet(int port, const std::string& path, const std::string& host = "",
             size_t maxBytes = 1 << 24, int quietMs = 5000) {
  Reply r;
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(uint16_t(port));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    ::close(fd);
    return r;
  }
  r.connected = true;
  timeval tv{quietMs / 1000, (quietMs % 1000) * 1000};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  const std::string req = "GET " + path + " HTTP/1.1\r\nHost: " +
                          (host.empty() ? "127.0.0.1:" + std::to_string(port) : host) +
                          "\r\nConnection: close\r\n\r\n";
  (void)!::send(fd, req.data(), req.size(), MSG_NOSIGNAL);
  std::string all;
  char buf[65536];
  while (all.size() < maxBytes) {
    const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    all.append(buf, size_t(n));
  }
  ::close(fd);
  r.received = all.size();
  const size_t split = all.find("\r\n\r\n");
  r.head = all.substr(0, split);
  if (split != std::string::npos) r.body = all.substr(split + 4);
  return r;
}

std::string header(const Reply& r, const std::string& name) {
  const size_t at = r.head.find("\r\n" + name + ": ");
  if (at == std::string::npos) return "";
  const size_t from = at + name.size() + 4;
  return r.head.substr(from, r.head.find("\r\n", from) - from);
}

int countOf(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The body of a chunked reply; counts the chunks.
std::string dechunk(const std::string& raw, int& chunks) {
  std::string out;
  chunks = 0;
  size_t at = 0;
  while (at < raw.size()) {
    const size_t eol = raw.find("\r\n", at);
    if (eol == std::string::npos) break;
    const size_t size = std::stoul(raw.substr(at, eol - at), nullptr, 16);
    if (size == 0) break;
    out += raw.substr(eol + 2, size);
    ++chunks;
    at = eol + 2 + size + 2;
  }
  return out;
}

// The day-mark form of each source with a page (-1: the fixed text 今日).
int dayForm(int n) {
  switch (n) {
    case 3: return 1;
    case 4: case 26: case 31: return 2;
    case 14: return 3;
    case 25: return 4;
    case 27: return -1;
    default: return 0;
  }
}

const std::string kRoot = "http://127.0.0.1:1/";

}  // namespace

TEST(DemoWeb, DatesFollowTheCalendar) {
  EXPECT_EQ(demoweb::dayText({2018, 5, 30}, 0), "05-30");
  EXPECT_EQ(demoweb::dayText({2018, 5, 30}, 1), "5-30");
  EXPECT_EQ(demoweb::dayText({2018, 5, 3}, 2), "2018.5.3");
  EXPECT_EQ(demoweb::dayText({2018, 1, 9}, 3), "01/09");
  EXPECT_EQ(demoweb::dayText({2018, 5, 30}, 4), "2018-05-30");
  EXPECT_EQ((Day{2024, 3, 1}.minusDays(1)), (Day{2024, 2, 29}));
  EXPECT_EQ((Day{2023, 1, 2}.minusDays(9)), (Day{2022, 12, 24}));
}

// Today's mark must occur the same number of times on every day of the year: an
// earlier day, an item number or a title that happened to contain today's mark would
// change the page's row count on some dates only.
TEST(DemoWeb, TodaysMarkOccursAsOftenOnEveryDay) {
  for (int n = 1; n <= 40; ++n) {
    if (!demoweb::siteInfo(n).hasPage) continue;
    const int form = dayForm(n);
    auto marks = [&](const Day& d) {
      const std::string page = demoweb::renderPage(n, d, kRoot);
      const std::string utf8 = demoweb::siteInfo(n).utf8 ? page : host::cp936ToUtf8(page);
      return countOf(utf8, form < 0 ? "\xe4\xbb\x8a\xe6\x97\xa5" : demoweb::dayText(d, form));
    };
    const int expected = marks({2018, 5, 30});
    EXPECT_GT(expected, 0) << "site " << n;
    for (Day d{2025, 1, 10}; d.year >= 2023; d = d.minusDays(1)) {
      ASSERT_EQ(marks(d), expected) << "site " << n << " on " << demoweb::dayText(d, 4);
    }
  }
}

TEST(DemoWeb, PagesAreWholeAndInTheirEncoding) {
  for (int n = 1; n <= 40; ++n) {
    const demoweb::SiteInfo info = demoweb::siteInfo(n);
    const std::string page = demoweb::renderPage(n, {2018, 5, 30}, kRoot);
    if (!info.hasPage) {
      EXPECT_EQ(page, "") << "site " << n;
      continue;
    }
    EXPECT_EQ(page.find("{{"), std::string::npos) << "unfilled placeholder, site " << n;
    std::string lower = page;
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (info.utf8) {
      EXPECT_EQ(host::utf8ToUtf16(page).find(u'\xfffd'), std::u16string::npos) << n;
    } else {
      // A GBK page that said utf-8 anywhere near its start would be decoded as UTF-8.
      EXPECT_EQ(lower.find("utf-8"), std::string::npos) << "site " << n;
      // Every character of the template exists in code page 936 (none became "?").
      const std::string tpl(demoweb::embeddedFile(
          (n < 10 ? "site0" : "site") + std::to_string(n) + ".html"));
      EXPECT_EQ(countOf(page, "?"), countOf(tpl, "?")) << "site " << n;
      EXPECT_EQ(host::cp936ToUtf8(page).find("\xef\xbf\xbd"), std::string::npos) << n;
    }
  }
  // The escaped paging endpoints really escape: a backslash before every "/" of a tag.
  const std::string ajax = demoweb::renderPage(16, {2018, 5, 30}, kRoot);
  EXPECT_NE(ajax.find("<\\/li>"), std::string::npos);
  EXPECT_EQ(ajax.find("</li>"), std::string::npos);
  // Entry 26's titles follow a tab.
  EXPECT_NE(demoweb::renderPage(26, {2018, 5, 30}, kRoot).find("target=\"_blank\">\t"),
            std::string::npos);
}

TEST(DemoWeb, CatalogueFilesNameTheFortySitesInWalkOrder) {
  const std::string list = demoweb::renderCatalogueFile("ylw.txt", kRoot);
  EXPECT_EQ(countOf(list, "丨名称："), 40);
  EXPECT_EQ(countOf(list, "链接："), 40);
  EXPECT_NE(list.find("丨名称：小刀娱乐网丨链接：" + demoweb::siteRoot(kRoot, 1) + "丨"),
            std::string::npos);
  EXPECT_NE(list.find("丨名称：爱上资源网丨链接：" + demoweb::siteRoot(kRoot, 18) + "丨"),
            std::string::npos);
  EXPECT_NE(list.find("丨名称：世界娱乐网丨链接：" + demoweb::siteRoot(kRoot, 40) + "丨"),
            std::string::npos);
  const std::string share = demoweb::renderCatalogueFile("sl_fx.txt", kRoot);
  EXPECT_EQ(countOf(share, "名称："), countOf(share, "丨链接："));
  EXPECT_NE(share.find("丨密码：无丨"), std::string::npos);
  EXPECT_NE(share.find("丨密码：8k3d丨"), std::string::npos);
  const std::string sites = demoweb::renderCatalogueFile("sl_wz.txt", kRoot);
  EXPECT_EQ(countOf(sites, "名称："), 4);
  EXPECT_EQ(countOf(sites, "丨网址："), 4);
  EXPECT_EQ(demoweb::renderCatalogueFile("other.txt", kRoot), "");
}

TEST(DemoWeb, ServesPagesAtTheirAddressesOnFreePorts) {
  DemoWeb web;
  DemoWeb other;
  ASSERT_GT(web.port(), 0);
  ASSERT_GT(other.port(), 0);
  EXPECT_NE(web.port(), other.port());
  EXPECT_EQ(web.root(), "http://127.0.0.1:" + std::to_string(web.port()) + "/");
  const Day fixed{2018, 5, 30};
  web.setToday(fixed);

  // The paging endpoint, with its query, answers with source 1's page, in GBK.
  const Reply ajax = rawGet(web.port(), "/site01/ajax/wz.ajax.asp?menu=fy");
  EXPECT_EQ(ajax.body, demoweb::renderPage(1, fixed, web.root()));
  EXPECT_EQ(header(ajax, "Content-Type"), "text/html; charset=gb2312");
  EXPECT_NE(ajax.body.find("易语言多线程采集源码"), std::string::npos);  // GBK bytes
  // A bare-host site answers with and without the slash; a UTF-8 one says so.
  for (const char* path : {"/site03", "/site03/"}) {
    const Reply bare = rawGet(web.port(), path);
    EXPECT_EQ(bare.body, demoweb::renderPage(3, fixed, web.root())) << path;
    EXPECT_EQ(header(bare, "Content-Type"), "text/html; charset=utf-8");
  }
  EXPECT_EQ(demoweb::pageAddress(web.root(), 23),
            web.root() + "site23/inc/trsyturnpage178888.asp");
  EXPECT_EQ(rawGet(web.port(), "/site23/inc/trsyturnpage178888.asp").body,
            demoweb::renderPage(23, fixed, web.root()));
  // A relative link of a page resolves to an article under the site root.
  const Reply article = rawGet(web.port(), "/site05/news/2301.html");
  EXPECT_EQ(article.head.substr(0, 12), "HTTP/1.1 200");
  EXPECT_NE(article.body.find("/site05/news/2301.html"), std::string::npos);
  const Reply book = rawGet(web.port(), "/book/kpzw/ylw.txt");
  EXPECT_EQ(book.body, demoweb::renderCatalogueFile("ylw.txt", web.root()));
  EXPECT_EQ(rawGet(web.port(), "/nothing").head.substr(0, 12), "HTTP/1.1 404");
}

TEST(DemoWeb, RedirectsLeadWhereTheRequestRoutineGoes) {
  DemoWeb web;
  const std::string hostRoot = "http://127.0.0.1:" + std::to_string(web.port());
  const std::string otherName = "localhost:" + std::to_string(web.port());

  const Reply first = rawGet(web.port(), "/bad/redirect");
  EXPECT_EQ(first.head.substr(0, 21), "HTTP/1.1 301 Moved Pe");
  EXPECT_EQ(header(first, "Location"), "http://" + otherName);
  // Location + old path, asked under the other name, is answered.
  const Reply second = rawGet(web.port(), "/bad/redirect", otherName);
  EXPECT_NE(second.body.find("redirect-target"), std::string::npos);
  // Any other address under that name goes back to 127.0.0.1 with its path.
  EXPECT_EQ(header(rawGet(web.port(), "/site02/", otherName), "Location"), hostRoot);

  const Reply loop = rawGet(web.port(), "/bad/loop");
  EXPECT_EQ(header(loop, "Location") + "/bad/loop", hostRoot + "/bad/loop");
}

TEST(DemoWeb, BrokenBodiesAreBrokenAsAnnounced) {
  DemoWeb web;
  const Reply drop = rawGet(web.port(), "/bad/drop");
  EXPECT_EQ(header(drop, "Content-Length"), "1000000");
  EXPECT_LT(drop.body.size(), 1000000u);
  EXPECT_GT(drop.body.size(), 0u);

  const Reply half = rawGet(web.port(), "/bad/halfgbk");
  ASSERT_FALSE(half.body.empty());
  EXPECT_EQ(half.body.back(), '\xd6');

  const Reply bad = rawGet(web.port(), "/bad/badutf8");
  EXPECT_EQ(header(bad, "Content-Type"), "text/html; charset=utf-8");
  EXPECT_NE(host::utf8ToUtf16(bad.body).find(u'\xfffd'), std::u16string::npos);

  const Reply huge = rawGet(web.port(), "/bad/huge", "", 1 << 20);  // hang up early
  EXPECT_EQ(header(huge, "Content-Length"), "209715200");
  // The server outlives a client that hung up mid-body.
  EXPECT_EQ(rawGet(web.port(), "/bad/garbage").body.size(), 65536u);
}

TEST(DemoWeb, SlowPageArrivesWholeByteByByte) {
  DemoWeb web;
  const Reply slow = rawGet(web.port(), "/bad/slow?ms=2");
  EXPECT_EQ(header(slow, "Transfer-Encoding"), "chunked");
  int chunks = 0;
  const std::string page = dechunk(slow.body, chunks);
  EXPECT_EQ(page.substr(0, 6), "<html>");
  EXPECT_EQ(page.substr(page.size() - 7), "</html>");
  EXPECT_EQ(chunks, int(page.size()));  // one byte at a time
}

TEST(DemoWeb, StopEndsARequestThatNeverAnswers) {
  DemoWeb web;
  Reply pending;
  std::thread client([&] { pending = rawGet(web.port(), "/bad/never", "", 1 << 20, 300); });
  client.join();  // 300 ms without a byte: the request is being held
  EXPECT_TRUE(pending.connected);
  EXPECT_EQ(pending.received, 0u);

  Reply held;
  std::thread second([&] { held = rawGet(web.port(), "/bad/never", "", 1 << 20, 10000); });
  // The second request is still held when stop() comes; stop must not wait for it.
  const Reply probe = rawGet(web.port(), "/bad/never", "", 1 << 20, 200);
  EXPECT_EQ(probe.received, 0u);
  const auto start = std::chrono::steady_clock::now();
  web.stop();
  const auto took = std::chrono::steady_clock::now() - start;
  second.join();
  EXPECT_LT(took, std::chrono::seconds(2));
  web.stop();  // a second stop is harmless
}
