#include <gtest/gtest.h>
#include <iconv.h>

#include <memory>
#include <string>

#include "host/codepage.h"

namespace {

// The C library's own answer for one character; "" when it has none.
std::string iconvUtf8(const std::string& cp936) {
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("UTF-8", "CP936"), iconv_close);
  char out[16];
  char* in = const_cast<char*>(cp936.data());
  size_t inLeft = cp936.size(), outLeft = sizeof out;
  char* o = out;
  if (iconv(cd.get(), &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1) || inLeft) return {};
  return std::string(out, o);
}

const std::string replacement = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

TEST(Cp936ToUtf8, EveryDoubleByteCharacterAsTheCLibraryHasIt) {
  int differences = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
      std::string expected = iconvUtf8(pair);
      if (expected.empty() || expected.size() > 3) expected = replacement;
      if (host::cp936ToUtf8(pair) != expected && ++differences < 5)
        ADD_FAILURE() << std::hex << lead << " " << trail;
    }
  EXPECT_EQ(differences, 0);
}

TEST(Cp936ToUtf8, OddBytesAndRunsOfEveryLength) {
  EXPECT_EQ(host::cp936ToUtf8("\xFF"), replacement);
  EXPECT_EQ(host::cp936ToUtf8("ab\xC4"), "ab" + replacement);           // lone lead byte at the end
  EXPECT_EQ(host::cp936ToUtf8("\xB0\x3C>"), replacement + ">");         // a pair that is no character
  EXPECT_EQ(host::cp936ToUtf8("\x80"), "\xE2\x82\xAC");                 // the euro sign
  // ASCII runs around a character at every offset, across the eight-byte steps.
  for (size_t before = 0; before < 20; ++before) {
    const std::string a(before, 'a'), b(19 - before, 'b');
    EXPECT_EQ(host::cp936ToUtf8(a + "丨" + b), a + "\xE4\xB8\xA8" + b) << before;
  }
  // Every byte three times as long: the output buffer has to grow.
  const std::string worst(10000, '\xFF');
  const std::string converted = host::cp936ToUtf8(worst);
  ASSERT_EQ(converted.size(), 30000u);
  EXPECT_EQ(converted.substr(29997), replacement);
  EXPECT_EQ(host::utf8ToCp936(host::cp936ToUtf8("名称：丨x")), "名称：丨x");
}
