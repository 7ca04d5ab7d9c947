#include <gtest/gtest.h>

#include <random>

#include "host/codepage.h"
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

// The page converter is a fast loop of its own; over random bytes, valid UTF-8 or
// not, it must give what the host's general converter gives.
TEST(Encoding, Utf8ToLocalAgreesWithTheHostConverter) {
  std::mt19937 random(8);
  const std::string pieces[] = {"a", "\xE4\xB8\xAD", "\xE2\x82\xAC", "\xC3\xA9", "\xF0\x9F\x98\x80",
                                "\xED\xA0\x80", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\xE4\xB8", "0123456789",
                                std::string(1, '\0')};
  for (int round = 0; round < 2000; ++round) {
    std::string in;
    for (int k = static_cast<int>(random() % 40); k > 0; --k) {
      if (random() % 4 == 0) in += static_cast<char>(random() % 256);
      else in += pieces[random() % std::size(pieces)];
    }
    ASSERT_EQ(utf8ToLocal(in), host::utf8ToCp936(in)) << ::testing::PrintToString(in);
  }
}

}  // namespace
