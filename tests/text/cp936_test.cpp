#include <gtest/gtest.h>

#include "text/cp936.h"

using text::findText;

TEST(Literals, AreCodePage936Bytes) {
  EXPECT_EQ(std::string("丨"), std::string("\xD8\xAD"));
  EXPECT_EQ(std::string("丨名称："), std::string("\xD8\xAD\xC3\xFB\xB3\xC6\xA3\xBA"));
}

TEST(FindText, FollowsTheSearchRule) {
  struct Case {
    std::string text, sought;
    long start;
    bool ignoreCase;
    long expected;
  };
  const std::vector<Case> cases = {
      {"abcabc", "c", 1, false, 3},
      {"abcabc", "c", 4, false, 6},
      {"abcabc", "c", 0, false, 3},       // below 1 means the first byte
      {"abcabc", "c", 7, false, -1},      // beyond the end finds nothing
      {"abc", "", 3, false, 1},           // the empty text, wherever the start
      {"abc", "", 4, false, -1},
      {"", "", 1, false, -1},
      {"Size=Big", "size=", 1, false, -1},
      {"Size=Big", "size=", 1, true, 1},
      {"\xB0\xA1\xB0\xA1", "\xA1\xB0", 1, false, -1},  // never from a trail byte
      {"x\xB0\xA1\xB0\xA1", "\xB0\xA1", 4, false, 4},   // start taken as a character start
      {"x\xB0\xA1\xB0\xA1", "\xB0\xA1", 3, false, -1},  // from 3, A1 B0 is one character
      {"\xB0\x41\xB0\xA1", "A", 1, false, -1},           // 0x41 is the trail of B0 41
      {"\xB0\x41\x41", "A", 1, false, 3},
      {"\xD6\xD0\xCE\xC4", "\xCE\xC4", 1, true, 3},     // Chinese bytes never fold
      {"<LI CLASS=x>", "<li class=", 1, true, 1},
      {"\xC1\xD3Li", "li", 1, true, 3},
      {"\x81\x61", "\x81\x41", 1, true, -1},          // a trail byte is no letter: it never folds
      {"x\x81\x61\x81\x41", "\x81\x41", 1, true, 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(findText(c.text, c.sought, c.start, c.ignoreCase), c.expected)
        << "text " << c.text << " sought " << c.sought << " start " << c.start;
}

TEST(FindText, LongRunsOfDoubleByteText) {
  // An odd byte before a run of Chinese characters shifts every boundary by one.
  std::string page = "a";
  for (int i = 0; i < 5000; ++i) page += "\xB0\xA1";
  EXPECT_EQ(findText(page, "\xA1\xB0"), -1);
  EXPECT_EQ(findText(page, "\xB0\xA1\xB0\xA1", 1, true), 2);
  page += "\xA1\xA1";
  EXPECT_EQ(findText(page, "\xA1\xA1"), static_cast<long>(page.size()) - 1);
}

TEST(PartOf, TakesAtMostCountBytes) {
  EXPECT_EQ(text::partOf("abcdef", 2, 3), "bcd");
  EXPECT_EQ(text::partOf("abcdef", 5, 10), "ef");
  EXPECT_EQ(text::partOf("abcdef", 0, 2), "");
  EXPECT_EQ(text::partOf("abcdef", 7, 1), "");
  EXPECT_EQ(text::partOf("abcdef", 2, 0), "");
}

TEST(TrimSpaces, OnlySpacesAndFullWidthSpaces) {
  EXPECT_EQ(text::trimSpaces("  \xA1\xA1 a b \xA1\xA1 "), "a b");
  EXPECT_EQ(text::trimSpaces("\tx\r\n"), "\tx\r\n");
  EXPECT_EQ(text::trimSpaces("   "), "");
  // A1 A1 that is the trail of B0 A1 followed by a lone A1 is no full-width space.
  EXPECT_EQ(text::trimSpaces("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
  // A space that is the second byte of a character stays with it.
  EXPECT_EQ(text::trimSpaces(" \xB0 "), "\xB0 ");
}

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsOneTrailing) {
  using V = std::vector<std::string>;
  EXPECT_EQ(text::splitText("a\r\n\r\nb\r\n", "\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(text::splitText("a;;", ";"), (V{"a", ""}));
  EXPECT_EQ(text::splitText("", ";"), V{});
  EXPECT_EQ(text::splitText(";", ";"), V{""});
  EXPECT_EQ(text::splitText("abc", ";"), V{"abc"});
}
