#include <gtest/gtest.h>

#include "web/url.h"

namespace {

struct AddressCase {
  const char* address;
  const char* host;
  const char* hostWithPort;
  long port;
  const char* path;
};

const AddressCase addressCases[] = {
    {"www.Example.com/A/b", "www.example.com", "www.example.com", 80, "/A/b"},
    {"example.com", "example.com", "example.com", 80, "/"},
    {"http://example.com", "example.com", "example.com", 80, "/"},
    {"HTTPS://Secure.example.com", "secure.example.com", "secure.example.com", 443, "/"},
    {"https://example.com/list?page=2#top", "example.com", "example.com", 443, "/list?page=2#top"},
    {"http://Example.com:8080/x/y.html?q=1", "example.com", "example.com:8080", 8080, "/x/y.html?q=1"},
    {"https://example.com:8443", "example.com", "example.com:8443", 8443, "/"},
    {"127.0.0.1:3000/api", "127.0.0.1", "127.0.0.1:3000", 3000, "/api"},
    {"http://example.com:/", "example.com", "example.com:", 0, "/"},
    {"http://example.com:81x/", "example.com", "example.com:81x", 81, "/"},
    // The path starts after the host, not at a "/" inside a scheme-less query.
    {"example.com/go?to=http://other.org/p", "example.com", "example.com", 80, "/go?to=http://other.org/p"},
};

TEST(Address, HostPortAndPath) {
  for (const auto& c : addressCases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(urlHost(c.address), c.host);
    EXPECT_EQ(urlHost(c.address, true), c.hostWithPort);
    EXPECT_EQ(urlPort(c.address), c.port);
    EXPECT_EQ(urlPath(c.address), c.path);
  }
}

TEST(Address, TextAfterColon) {
  EXPECT_EQ(textAfterColon("Location: http://example.com/new "), "http://example.com/new");
  EXPECT_EQ(textAfterColon("X:\xA1\xA1 value \xA1\xA1"), "value");
  EXPECT_EQ(textAfterColon("Location:"), "");
  EXPECT_EQ(textAfterColon("no colon here"), "");
}

}  // namespace
