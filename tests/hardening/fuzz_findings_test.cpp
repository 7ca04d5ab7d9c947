// Faults the fuzz targets found, pinned where they were mended.
#include <gtest/gtest.h>

#include "text/cp936.h"
#include "web/cookies.h"
#include "web/response_headers.h"

namespace {

TEST(FuzzFindings, HeaderLinesEndAtEveryLineFeedSoNoLineBreakReachesTheLocation) {
  struct Case {
    std::string raw, location, cookies;
  };
  const std::vector<Case> cases = {
      {"HTTP/1.1 302 Found\r\nLocation:  http://x/a \r\nSet-Cookie: a=1; Path=/\r\n\r\n", "http://x/a", "a=1"},
      // A server that ends its lines with a bare LF: each line is still a line.
      {"HTTP/1.1 302 Found\nLocation: /next\nSet-Cookie: a=1\nSet-Cookie: b=2; Path=/\n\n", "/next", "a=1; b=2"},
      // A bare CR ends the value; what follows it on that line is dropped.
      {"Location: /a\rSet-Cookie: c=3\r\nSet-Cookie: d=4\re=5\r\n", "/a", "d=4"},
      // An LF after a lead byte still ends the line.
      {"Location: /\xB0\nX: y\r\n", "/\xB0", ""},
  };
  for (const auto& c : cases) {
    std::string location = "kept", cookies = "stale";
    scanResponseHeaders(c.raw, location, cookies);
    EXPECT_EQ(location, c.location) << c.raw;
    EXPECT_EQ(cookies, c.cookies) << c.raw;
  }
  std::string location = "kept", cookies = "stale";
  scanResponseHeaders("HTTP/1.1 200 OK\r\n\r\n", location, cookies);
  EXPECT_EQ(location, "kept");  // no Location line: the caller's text stays
  EXPECT_EQ(cookies, "");
}

TEST(FuzzFindings, ALeadByteWithoutItsTrailNeverSwallowsTheCookieSeparator) {
  // "\xFB" at the end of the response would have taken the ";" of "; " as its trail,
  // leaving a space inside one long pair, and a second merge gave another text.
  std::string cookies = "a=1", response = "b=2;\xFB";
  const std::string merged = mergeCookies(cookies, response);
  EXPECT_EQ(merged, "b=2; a=1");
  EXPECT_EQ(response, "b=2;");
  std::string empty;
  std::string again = merged;
  EXPECT_EQ(mergeCookies(again, empty), merged);

  // Empty pairs are dropped, or the text would end in "; " after one merge but not after two.
  cookies = "a=1;;b=2;;;";
  response.clear();
  EXPECT_EQ(mergeCookies(cookies, response), "a=1; b=2");

  EXPECT_FALSE(text::endsInsideCharacter(""));
  EXPECT_FALSE(text::endsInsideCharacter("a\xB0\xA1"));
  EXPECT_TRUE(text::endsInsideCharacter("a\xB0"));
  EXPECT_TRUE(text::endsInsideCharacter("\xB0\xA1\xB0"));
  EXPECT_FALSE(text::endsInsideCharacter("\xB0\xB0"));
}

}  // namespace
