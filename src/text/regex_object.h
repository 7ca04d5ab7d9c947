#pragma once
// The regular-expression object: one search over a code page 936 text, kept so that
// its matches can be read one by one. The engine is PCRE2 in UTF mode on the UTF-8
// form of the text, set up to behave like the VBScript component the program was
// written against: "." stops only at "\n", "$" without Multiline is the very end,
// \s and \w are ASCII, \uHHHH names a character. Every failure (a bad pattern, a
// match limit hit, a number out of range) gives the empty result of its kind.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class RegexObject {
 public:
  RegexObject();
  ~RegexObject();
  RegexObject(const RegexObject&) = delete;
  RegexObject& operator=(const RegexObject&) = delete;

  // Searches `text` with `pattern`, replacing the previous search. With `quoteMarker`
  // every "#引号" of the pattern stands for a double quote. False for a pattern the
  // engine rejects or a search it cannot finish; no matches are kept then.
  bool execute(std::string_view pattern, std::string_view text, bool caseSensitive = false,
               bool multiline = true, bool global = true, bool quoteMarker = false);

  // The pattern of the last execute, as it was handed to the engine.
  std::string patternText() const;

  // The searched text with every match kept by the last execute replaced: $1..$99,
  // $& (the match), $` and $' (before and after it) and $$ (a dollar sign).
  std::string replaceAll(std::string_view replacement);

  long matchCount() const;

  // Match n (1-based); `position` gets its 0-based byte offset in the searched text.
  // Out of range: the empty text, and a position of -2 for an empty searched text,
  // else 0.
  std::string matchText(long n, long* position = nullptr);

  // Group k (1-based) of match n. A group that took part in no match gives the empty
  // text and the position -1.
  std::string subMatchText(long n, long k, long* position = nullptr);

  // The number of groups of the first match; 0 when nothing matched.
  long subMatchCount() const;

 private:
  struct Span {
    size_t start, end;  // byte offsets, UTF-8 until mapped, then code page 936
  };
  static constexpr size_t unset = static_cast<size_t>(-1);

  void clear();
  const Span* span(long n, long k);
  void mapSpans();
  void outOfRange(long* position) const;

  bool executed_ = false;  // an execute has run, even a failed one
  bool ok_ = false;        // the last execute succeeded
  bool mapped_ = false;    // spans_ hold code page 936 offsets
  std::string pattern_;
  std::string text_;   // the searched text, code page 936
  std::string utf8_;   // its UTF-8 form, kept until the offsets are mapped
  long groups_ = 0;    // capturing groups of the pattern
  std::vector<Span> spans_;  // per match: the whole match, then each group
};
