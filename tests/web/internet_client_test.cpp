// What the Internet client promises beyond the request routine's own rules.
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/internet_client.h"
#include "test_servers.h"

namespace {

using webtest::RawServer;

host::InternetRequest requestTo(const RawServer& server, const std::string& path = "/") {
  host::InternetRequest r;
  r.host = "127.0.0.1";
  r.port = server.port();
  r.path = path;
  r.headerText = "Accept: */*";
  return r;
}

TEST(InternetClient, LongBodyFailsTheRequest) {
  RawServer server([](const std::string&) {
    return "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + std::string(5000, 'x');
  });
  host::InternetRequest r = requestTo(server);
  r.maxBodyBytes = 1000;
  const host::InternetResponse got = host::fetchInternet(r);
  EXPECT_EQ(got.error, host::InternetError::tooLarge);
  EXPECT_EQ(got.body, "");
  r.maxBodyBytes = 5000;
  EXPECT_EQ(host::fetchInternet(r).body.size(), 5000u);
}

TEST(InternetClient, OnlyAGivenProxyIsUsed) {
  RawServer proxy([](const std::string&) { return std::string("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nproxy"); });
  RawServer origin([](const std::string&) { return std::string("HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\norigin"); });

  // Spaces are escaped; code page 936 bytes go as they are, and a fragment stays home.
  host::InternetRequest r = requestTo(origin, "/a b?q=中文#part");
  setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(proxy.port())).c_str(), 1);
  EXPECT_EQ(host::fetchInternet(r).body, "origin");
  unsetenv("http_proxy");
  const std::string atOrigin = origin.requests().back();
  EXPECT_EQ(atOrigin.substr(0, atOrigin.find("\r\n")), "GET /a%20b?q=中文 HTTP/1.1");

  r.host = "site.invalid";
  r.port = 0;
  r.proxy = "127.0.0.1:" + std::to_string(proxy.port());
  EXPECT_EQ(host::fetchInternet(r).body, "proxy");
  ASSERT_EQ(proxy.requests().size(), 1u);
  const std::string got = proxy.requests()[0];
  EXPECT_EQ(got.substr(0, got.find("\r\n")), "GET http://site.invalid/a%20b?q=中文 HTTP/1.1");
  EXPECT_EQ(got.find("Proxy-Connection"), std::string::npos);
}

}  // namespace
