#pragma once
// Pages sent in UTF-8 become code page 936 texts here. Both routines take and give
// bytes with an explicit length: a zero byte is a character like any other.
#include <string>
#include <string_view>

// UTF-8 to UTF-16 little-endian bytes, two per code unit. Bytes that are not valid
// UTF-8 become U+FFFD.
std::string utf8ToWide(std::string_view utf8);
// UTF-8 to code page 936 bytes. A character that code page 936 lacks becomes "?",
// and so do bytes that are not valid UTF-8.
std::string utf8ToLocal(std::string_view utf8);
