#include <gtest/gtest.h>

#include <string>

#include "host/codepage.h"
#include "text/regex_object.h"

TEST(RegexObject, DefaultOptionsIgnoreCaseMatchEveryLineAndFindAll) {
  RegexObject re;
  ASSERT_TRUE(re.execute("^ab$", "AB\nx\nab\naB"));
  EXPECT_EQ(re.matchCount(), 3);
  EXPECT_EQ(re.matchText(1), "AB");
  EXPECT_EQ(re.matchText(3), "aB");
}

TEST(RegexObject, OptionsTable) {
  struct Case {
    const char* pattern;
    const char* text;
    bool caseSensitive, multiline, global;
    long count;
    const char* first;
  };
  const Case cases[] = {
      {"ab", "AB ab", true, true, true, 1, "ab"},
      {"ab", "AB ab", false, true, false, 1, "AB"},   // not global: the first match only
      {"^b", "a\nb", false, false, true, 0, ""},      // without Multiline ^ is the start only
      {"a$", "a\n", false, false, true, 0, ""},       // ... and $ the very end, not before a final \n
      {"a$", "a\n", false, true, true, 1, "a"},
      {"a.c", "a\nc a\rc", false, true, true, 1, "a\rc"},  // "." stops at \n only
      {"\\u4e2d", "中", false, true, true, 1, "中"},        // \uHHHH names a character
      {"[]", "abc", false, true, true, 0, ""},              // an empty class matches nothing
      {"(x)?\\1y", "y", false, true, true, 1, "y"},         // an unset group's reference is empty
      {"\\s+", "a \t\xA1\xA1" "b", false, true, true, 1, " \t"},  // \s is ASCII: no full-width space
      {"\\w+", "ab中c", false, true, true, 2, "ab"},
      {"ａ", "Ａ", false, true, true, 1, "Ａ"},            // full-width letters fold too
  };
  for (const Case& c : cases) {
    RegexObject re;
    ASSERT_TRUE(re.execute(c.pattern, c.text, c.caseSensitive, c.multiline, c.global)) << c.pattern;
    EXPECT_EQ(re.matchCount(), c.count) << c.pattern << " on " << c.text;
    EXPECT_EQ(re.matchText(1), c.first) << c.pattern << " on " << c.text;
  }
}

TEST(RegexObject, QuoteMarkerStandsForADoubleQuote) {
  RegexObject re;
  ASSERT_TRUE(re.execute("a#引号b", "a\"b a#引号b", false, true, true, true));
  EXPECT_EQ(re.matchCount(), 1);
  EXPECT_EQ(re.matchText(1), "a\"b");
  EXPECT_EQ(re.patternText(), "a\"b");
  ASSERT_TRUE(re.execute("a#引号b", "a\"b a#引号b"));
  EXPECT_EQ(re.matchCount(), 1);
  EXPECT_EQ(re.matchText(1), "a#引号b");
  EXPECT_EQ(re.patternText(), "a#引号b");
}

TEST(RegexObject, NothingMatchedGivesEmptyResults) {
  RegexObject re;
  ASSERT_TRUE(re.execute("(z)", "abc"));
  EXPECT_EQ(re.matchCount(), 0);
  EXPECT_EQ(re.matchText(1), "");
  EXPECT_EQ(re.subMatchText(1, 1), "");
  EXPECT_EQ(re.subMatchCount(), 0);
  EXPECT_EQ(re.replaceAll("x"), "abc");
}

TEST(RegexObject, BeforeAnySearchEverythingIsEmpty) {
  RegexObject re;
  long pos = 99;
  EXPECT_EQ(re.patternText(), "");
  EXPECT_EQ(re.matchCount(), 0);
  EXPECT_EQ(re.subMatchCount(), 0);
  EXPECT_EQ(re.matchText(1, &pos), "");
  EXPECT_EQ(pos, -2);
  EXPECT_EQ(re.replaceAll("x"), "");
}

TEST(RegexObject, RejectedPatternsAndLimitsFailQuietly) {
  RegexObject re;
  ASSERT_TRUE(re.execute("a", "a"));
  for (const char* bad : {"(", "a{2,1}", "[z-a]", "\\C", "*"}) {
    EXPECT_FALSE(re.execute(bad, "abc")) << bad;
    EXPECT_EQ(re.matchCount(), 0) << bad;
    EXPECT_EQ(re.matchText(1), "") << bad;
    EXPECT_EQ(re.replaceAll("x"), "") << bad;
  }
  EXPECT_EQ(re.patternText(), "*");  // the pattern was handed over, then refused
  // Catastrophic backtracking ends in the match limit, not in a hang or a throw.
  EXPECT_FALSE(re.execute("(a+)+$", std::string(40, 'a') + "!"));
  EXPECT_EQ(re.matchCount(), 0);
}

TEST(RegexObject, GroupsOfEachMatch) {
  RegexObject re;
  ASSERT_TRUE(re.execute("<(\\d)(x)?>", "<1> <2x> <3>"));
  EXPECT_EQ(re.matchCount(), 3);
  EXPECT_EQ(re.subMatchCount(), 2);
  EXPECT_EQ(re.subMatchText(2, 1), "2");
  EXPECT_EQ(re.subMatchText(2, 2), "x");
  long pos = 99;
  EXPECT_EQ(re.subMatchText(3, 2, &pos), "");  // took part in no match
  EXPECT_EQ(pos, -1);
  EXPECT_EQ(re.subMatchText(4, 1, &pos), "");
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(re.subMatchText(1, 3, &pos), "");
  EXPECT_EQ(re.subMatchText(1, 0, &pos), "");
  EXPECT_EQ(re.matchText(0, &pos), "");
  EXPECT_EQ(pos, 0);
}

TEST(RegexObject, ASecondSearchReplacesTheFirst) {
  RegexObject re;
  ASSERT_TRUE(re.execute("(a)", "a a a"));
  ASSERT_TRUE(re.execute("b(c)", "xbc"));
  EXPECT_EQ(re.matchCount(), 1);
  EXPECT_EQ(re.subMatchText(1, 1), "c");
  EXPECT_EQ(re.replaceAll("-"), "x-");
}

TEST(RegexObject, PositionsAreCodePage936ByteOffsets) {
  // Each Chinese character is two bytes here and three in UTF-8; the search must
  // not report UTF-8 offsets, and the same text earlier in the line must not be
  // taken for the match.
  const std::string text = "中a文x中a中x";
  RegexObject re;
  ASSERT_TRUE(re.execute("中(a)中", text));
  long pos = -7;
  EXPECT_EQ(re.matchText(1, &pos), "中a中");
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(re.subMatchText(1, 1, &pos), "a");
  EXPECT_EQ(pos, 8);
}

TEST(RegexObject, FullStopIsAWholeCharacterAndTrailBytesAreNotLetters) {
  // 0x41 ("A") is the second byte of B0 41; it must never be matched on its own.
  const std::string text = "\xB0\x41" "A";
  RegexObject re;
  ASSERT_TRUE(re.execute("a", text));
  ASSERT_EQ(re.matchCount(), 1);
  long pos = 0;
  re.matchText(1, &pos);
  EXPECT_EQ(pos, 2);
  ASSERT_TRUE(re.execute("^.$", "中"));
  EXPECT_EQ(re.matchText(1), "中");
}

TEST(RegexObject, BytesThatAreNoCharacterComeBackUnchanged) {
  // A pair that is no character, 0x80, 0xFF and a lone lead byte at the end each
  // become one replacement character for the engine; the groups still give the
  // original bytes and the offsets stay right around them.
  const std::string text = "\x81\x20" "<a>\xFF" "<\x80>" "<c>\xC4";
  RegexObject re;
  ASSERT_TRUE(re.execute("<(.)>([^<]?)", text));
  ASSERT_EQ(re.matchCount(), 3);
  long pos = 0;
  EXPECT_EQ(re.subMatchText(1, 2, &pos), "\xFF");
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(re.matchText(2, &pos), "<\x80>");
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(re.subMatchText(3, 2, &pos), "\xC4");
  EXPECT_EQ(pos, static_cast<long>(text.size()) - 1);
  EXPECT_EQ(re.replaceAll("[$1]"), "\x81\x20[a][\x80][c]");
}

TEST(RegexObject, EmptyMatchesMoveOnOneCharacter) {
  RegexObject re;
  ASSERT_TRUE(re.execute("x*", "中xx中"));
  // "" before 中, "xx", "" before the second 中, "" at the end.
  ASSERT_EQ(re.matchCount(), 4);
  long pos = 0;
  EXPECT_EQ(re.matchText(2, &pos), "xx");
  EXPECT_EQ(pos, 2);
  re.matchText(3, &pos);
  EXPECT_EQ(pos, 4);
  re.matchText(4, &pos);
  EXPECT_EQ(pos, 6);
  ASSERT_TRUE(re.execute("^", "", false));
  EXPECT_EQ(re.matchCount(), 1);
  EXPECT_EQ(re.matchText(1, &pos), "");
  EXPECT_EQ(pos, 0);
}

TEST(RegexObject, ReplaceAllWithGroupReferences) {
  struct Case {
    const char* pattern;
    const char* replacement;
    bool global;
    const char* expected;
  };
  const Case cases[] = {
      {"(\\w)(\\d)", "$2$1", true, "1a 2b 中"},
      {"(\\w)(\\d)", "$2$1", false, "1a b2 中"},
      {"(\\w)(\\d)", "[$&]", true, "[a1] [b2] 中"},
      {"(\\w)(\\d)", "$$1", true, "$1 $1 中"},
      {"(\\w)(\\d)", "$3$0$", true, "$3$0$ $3$0$ 中"},  // no such group: kept as written
      {"(\\w)(\\d)", "$01", true, "a b 中"},              // two digits name group 1
      {"(\\w)(\\d)", "$12", true, "a2 b2 中"},            // no group 12: group 1 then "2"
      {"b2", "<$`|$'>", true, "a1 <a1 | 中> 中"},
      {"中", "文$", true, "a1 b2 文$"},
  };
  for (const Case& c : cases) {
    RegexObject re;
    ASSERT_TRUE(re.execute(c.pattern, "a1 b2 中", false, true, c.global));
    EXPECT_EQ(re.replaceAll(c.replacement), c.expected) << c.pattern << " / " << c.replacement;
  }
}

TEST(RegexObject, LongPagesWithoutStackTrouble) {
  // A lazy run over a few megabytes of mixed text, as a whole page is searched.
  std::string page;
  for (int i = 0; i < 20000; ++i) page += "<li class=x>第" + std::to_string(i) + "项 文字文字文字文字\r\n</li>";
  RegexObject re;
  ASSERT_TRUE(re.execute("<li class=([\\s\\S]*?)</li>", page));
  ASSERT_EQ(re.matchCount(), 20000);
  EXPECT_EQ(re.subMatchText(20000, 1), "x>第19999项 文字文字文字文字\r\n");
  long pos = 0;
  re.matchText(20000, &pos);
  EXPECT_EQ(page.compare(static_cast<size_t>(pos), 12, "<li class=x>"), 0);
}
