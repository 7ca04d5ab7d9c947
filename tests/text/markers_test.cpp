#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/markers.h"

using Pieces = std::vector<std::string>;

TEST(TextBetween, Cases) {
  struct Case {
    std::string text, start, end;
    long startPos;
    bool caseSensitive;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a[x]b", "[", "]", 1, false, "x"},
      {"a[x]b", "<", ">", 1, false, ""},
      {"Size=Big;", "size=", ";", 1, false, "Big"},
      {"Size=Big;", "size=", ";", 1, true, ""},
      {"b-a-b", "a", "b", 1, false, "-"},          // the end is searched after the start
      {"abc", "c", "", 1, false, ""},              // start marker at the very end
      {"abc", "a", "", 1, false, ""},              // an empty end marker
      {"x;y;z", "", ";", 3, false, "x"},           // an empty start marker ignores startPos
      {"x;y;z", "", ";", 6, false, ""},            // ... but not a start beyond the end
      {"x;y;z", ";", ";", 3, false, ""},           // from 3 only one ";" follows
      {"a<>b", "<", ">", 1, false, ""},            // touching markers
      {"x=\"y\"", "#引号", "#引号", 1, false, "y"},
      {"<a>1</a><a>2</a>", "<a>", "</a>", 5, false, "2"},
      // 0xB0 0x5B is one character whose second byte is "["; it is no marker.
      {"\xB0[x]b[y]", "[", "]", 1, false, "y"},
      {"\xD6\xD0<\xCE\xC4>", "<", ">", 1, false, "\xCE\xC4"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(textBetween(c.text, c.start, c.end, c.startPos, c.caseSensitive), c.expected)
        << c.text << " between " << c.start << " and " << c.end << " from " << c.startPos;
}

TEST(EscapeMarker, EscapesOnlyTheListedCharacters) {
  EXPECT_EQ(escapeMarker("a?*+[](){}b"), "a\\?\\*\\+\\[\\]\\(\\)\\{\\}b");
  EXPECT_EQ(escapeMarker(".\\|^$"), ".\\|^$");
  EXPECT_EQ(escapeMarker("href=#引号"), "href=\"");
  EXPECT_EQ(escapeMarker("a\r\nb\nc\r"), "a\\nb\nc\r");
  // The second byte of B0 5B is "[" and of 81 7B is "{": whole characters stay as they are.
  EXPECT_EQ(escapeMarker("\xB0[\x81{"), "\xB0[\x81{");
}

TEST(AllTextsBetween, PiecesInOrderAndResultsEmptiedFirst) {
  const std::string list =
      "名称：甲丨作者：a丨\r\n名称：乙丨作者：b丨\r\n名称：丙丁丨作者：c丨";
  Pieces results = {"old"};
  EXPECT_EQ(allTextsBetween(list, "名称：", "丨作者：", results), 3);
  EXPECT_EQ(results, (Pieces{"甲", "乙", "丙丁"}));
  EXPECT_EQ(allTextsBetween(list, "名称：", "丨联系：", results), 0);
  EXPECT_TRUE(results.empty());
  results = {"old"};
  EXPECT_EQ(allTextsBetween("", "a", "b", results), 0);
  EXPECT_TRUE(results.empty());
}

TEST(AllTextsBetween, MarkerRules) {
  struct Case {
    std::string text, start, end;
    Pieces expected;
  };
  const std::vector<Case> cases = {
      // An end marker missing on the start's own line is looked for on later lines.
      {"<b>one\r\ntwo</b> <b>three</b>", "<b>", "</b>", {"one\r\ntwo", "three"}},
      {"[][x]", "[", "]", {"", "x"}},                      // touching markers give ""
      {"a1b a中b a\nb", "a.", "b", {"", ""}},              // "." is any character but \n
      {"{x}", "{", "}", {"x"}},
      {"<LI>x</li><li>y</LI>", "<li>", "</li>", {"x", "y"}},  // letters regardless of case
      {"a=\"q\"", "#引号", "#引号", {"q"}},
      {"k:1\nk:2\r\nk:3\n", "k:", "\r\n", {"1", "2\r", "3"}},  // CR LF in a marker matches a bare \n
      {"<s>a<s>b</s>", "<s>", "</s>", {"a<s>b"}},          // a repeated start stays in the piece
      // 名称 is C3 FB B3 C6: the character FB B3 is not in it, though its bytes are.
      {"\xC3\xFB\xB3\xC6x", "\xFB\xB3", "x", {}},
      {"\xB0\x5B" "x]y[z]", "[", "]", {"z"}},             // "[" as a second byte is no marker
  };
  for (const Case& c : cases) {
    Pieces results;
    EXPECT_EQ(allTextsBetween(c.text, c.start, c.end, results), static_cast<long>(c.expected.size()))
        << c.text;
    EXPECT_EQ(results, c.expected) << c.text << " between " << c.start << " and " << c.end;
  }
}

TEST(AllTextsBetween, SearchesAcrossDoubleByteCharacters) {
  // Every trail byte of these characters is an ASCII letter or bracket, the kind of
  // byte a byte-wise search would cut at.
  const std::string text = "\xB0\x41<\xB0\x61>\xC4\x5B<\xB0\x41\xB1\x7B>\xB0\x3C";
  Pieces results;
  EXPECT_EQ(allTextsBetween(text, "<", ">", results), 2);
  EXPECT_EQ(results, (Pieces{"\xB0\x61", "\xB0\x41\xB1\x7B"}));
  EXPECT_EQ(allTextsBetween(text, "a", "<", results), 0);  // no "a" outside a character
}

TEST(AllTextsBetween, Options) {
  const std::string text = "<a>1</a><a>22</a><a>333</a>";
  struct Case {
    long maxLength;
    const char *prefix, *suffix;
    bool withStart, withEnd;
    Pieces expected;
  };
  const std::vector<Case> cases = {
      {2, "", "", false, false, {"1", "22"}},
      {0, "(", ")", false, false, {"(1)", "(22)", "(333)"}},
      {0, "", "", true, false, {"<a>1", "<a>22", "<a>333"}},
      {0, "", "", false, true, {"1</a>", "22</a>", "333</a>"}},
      {0, "-", "", true, true, {"<a>-1</a>", "<a>-22</a>", "<a>-333</a>"}},
      // A length limit changes only which pieces are kept, not how they are wrapped.
      {1, "", "", true, true, {"<a>1</a>"}},
      {-1, "", "", false, false, {"1", "22", "333"}},
  };
  for (const Case& c : cases) {
    Pieces results;
    EXPECT_EQ(allTextsBetween(text, "<a>", "</a>", results, c.maxLength, c.prefix, c.suffix, c.withStart,
                              c.withEnd),
              static_cast<long>(c.expected.size()));
    EXPECT_EQ(results, c.expected) << "maxLength " << c.maxLength << " prefix " << c.prefix;
  }
  // A marker put back reads as it stands in the text.
  Pieces results;
  allTextsBetween("x=\"v\";", "=#引号", "#引号;", results, 0, {}, {}, true, true);
  EXPECT_EQ(results, Pieces{"=\"v\";"});
}

TEST(AllTextsBetween, AMarkerThatBreaksThePatternGivesNothing) {
  Pieces results = {"old"};
  EXPECT_EQ(allTextsBetween("a\\b", "a\\", "b", results), 0);  // the backslash eats the group's "("
  EXPECT_TRUE(results.empty());
}
