#pragma once
// The text rules of the whole program. A text is a std::string of code page 936
// bytes; a byte of 0x80 or above starts a double-byte character. Positions are
// 1-based byte positions and a search that finds nothing gives -1. This is the
// one place these rules live: nothing else walks characters or folds case.
#include <string>
#include <string_view>
#include <vector>

namespace text {

inline bool isLeadByte(unsigned char c) { return c >= 0x80; }

// Only A-Z fold; every other byte (Chinese bytes included) compares exactly.
inline unsigned char foldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

// Where `sought` first occurs in `text` at or after `start`, matching only where a
// character begins (counting characters from `start`, which is taken as one).
// A start below 1 means the first byte; beyond the end finds nothing. The empty
// `sought` gives 1 whenever the searched part is not empty.
long findText(std::string_view text, std::string_view sought, long start = 1, bool ignoreCase = false);

inline bool containsText(std::string_view text, std::string_view sought, bool ignoreCase = false) {
  return findText(text, sought, 1, ignoreCase) != -1;
}

// Whether the last byte is a lead byte whose trail byte is missing.
bool endsInsideCharacter(std::string_view text);

// At most `count` bytes from 1-based `pos`; empty outside the text or for count < 1.
std::string partOf(std::string_view text, long pos, long count);

// Removes spaces (byte 32) and full-width spaces (A1 A1) at both ends, nothing else.
std::string trimSpaces(std::string_view text);

// Pieces between separators: empty pieces inside are kept, one empty piece after a
// trailing separator is dropped, and the empty text gives no pieces. The separator
// is found with the search rule above (exact bytes).
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Every occurrence of `from` replaced by `to`, left to right, on character boundaries.
std::string replaceText(std::string_view text, std::string_view from, std::string_view to,
                        bool ignoreCase = false);

// A-Z turned into a-z; other bytes unchanged.
std::string lowerAscii(std::string_view text);

// The decimal text of a whole number ("12", "-3").
std::string decimalText(long long n);

}  // namespace text
