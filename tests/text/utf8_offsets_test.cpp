#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/codepage.h"
#include "text/utf8_offsets.h"

namespace {

// Each character of the text with its place in both forms, worked out one character
// at a time; the mapping must give the same over the whole text.
struct Boundaries {
  std::vector<size_t> cp, u8;
};

Boundaries boundariesOf(const std::vector<std::string>& characters) {
  Boundaries b{{0}, {0}};
  for (const std::string& c : characters) {
    b.cp.push_back(b.cp.back() + c.size());
    b.u8.push_back(b.u8.back() + host::cp936ToUtf8(c).size());
  }
  return b;
}

void expectMapping(const std::vector<std::string>& characters) {
  std::string text;
  for (const std::string& c : characters) text += c;
  const std::string utf8 = host::cp936ToUtf8(text);
  const Boundaries b = boundariesOf(characters);
  ASSERT_EQ(b.u8.back(), utf8.size());
  std::vector<size_t> offsets = b.u8;
  std::reverse(offsets.begin() + offsets.size() / 2, offsets.end());  // partly out of order
  offsets.push_back(static_cast<size_t>(-1));                         // left alone
  std::vector<size_t*> pointers;
  for (size_t& o : offsets) pointers.push_back(&o);
  text::mapUtf8Offsets(text, utf8, pointers, static_cast<size_t>(-1));
  std::vector<size_t> expected = b.cp;
  std::reverse(expected.begin() + expected.size() / 2, expected.end());
  expected.push_back(static_cast<size_t>(-1));
  size_t wrong = 0;
  for (size_t i = 0; i < expected.size(); ++i)
    if (offsets[i] != expected[i] && ++wrong < 5) ADD_FAILURE() << "offset " << i;
  EXPECT_EQ(wrong, 0u);
}

// Every double-byte code (characters, undefined pairs and the private areas), with
// runs of ASCII between them so that the eight-byte steps start everywhere.
std::vector<std::string> everyPair() {
  std::vector<std::string> characters;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      characters.push_back({static_cast<char>(lead), static_cast<char>(trail)});
      for (int a = 0; a < (lead + trail) % 11; ++a) characters.push_back("a");
    }
  return characters;
}

}  // namespace

TEST(MapUtf8Offsets, EveryPairAmongAscii) { expectMapping(everyPair()); }

TEST(MapUtf8Offsets, SingleHighBytesAndALoneLeadAtTheEnd) {
  std::vector<std::string> characters = everyPair();
  characters.insert(characters.begin() + 100, "\x80");
  characters.insert(characters.begin() + 5000, "\xFF");
  characters.push_back("\xB0");
  expectMapping(characters);
  expectMapping({"x", "\xC4"});  // the lone lead alone, without 0x80 or 0xFF before it
}
