#include <gtest/gtest.h>

#include "web/encoding.h"

namespace {

using namespace std::string_literals;

TEST(Encoding, Utf8ToLocal) {
  struct Case {
    std::string utf8, local;
  };
  const Case cases[] = {
      {"\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},   // 中文
      {"plain <b>ASCII</b> 123", "plain <b>ASCII</b> 123"},
      {"a\0b\xE4\xB8\xAD\0"s, "a\0b\xD6\xD0\0"s},          // zero bytes stay in place
      {"\xE2\x82\xAC", "\x80"},                           // the euro sign is one byte
      {"\xF0\x9F\x98\x80!", "?!"},                         // a character the code page lacks
      {"x\xFFy\xC0\xAFz", "x?y??z"},                     // bytes that are not UTF-8
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8ToLocal(c.utf8), c.local) << c.utf8;
}

TEST(Encoding, Utf8ToWideIsLittleEndianUtf16) {
  EXPECT_EQ(utf8ToWide("A\xE4\xB8\xAD"), "A\0\x2D\x4E"s);
  EXPECT_EQ(utf8ToWide("\xF0\x9F\x98\x80"), "\x3D\xD8\x00\xDE"s);  // a surrogate pair
  EXPECT_EQ(utf8ToWide("\0"s), "\0\0"s);
  EXPECT_EQ(utf8ToWide(""), "");
}

}  // namespace
