#pragma once
// Code page 936 <-> Unicode, for the edges of the program: pages sent in UTF-8, the
// regular-expression engine, file names and widgets. The tables are built once from
// the C library's iconv and then used without it, which is several times faster.
#include <string>
#include <string_view>

namespace host {

// CP936 bytes to UTF-8. A byte pair that is no character, a lone lead byte at the
// end and the byte 0xFF become U+FFFD.
std::string cp936ToUtf8(std::string_view cp936);

// UTF-8 to CP936. A character that code page 936 cannot hold becomes "?", its
// default character; bytes that are not valid UTF-8 become U+FFFD and so "?".
std::string utf8ToCp936(std::string_view utf8);

// UTF-8 to UTF-16 code units (little-endian in memory order of char16_t); invalid
// bytes become U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

// The Unicode character of one CP936 character (one byte below 0x80, or a pair),
// 0xFFFD when it is none.
char32_t cp936CharToUnicode(unsigned char lead, unsigned char trail);
// The CP936 code of a Unicode character: below 0x100 one byte, else a byte pair
// (lead << 8 | trail); 0 when code page 936 has no such character.
unsigned unicodeToCp936(char32_t c);

}  // namespace host
