#include "web/encoding.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/codepage.h"

namespace {

// Code page 936 code of every UTF-16 code unit (0: none), taken once from the host
// tables so that the loop below needs no call per character.
const uint16_t* encodeTable() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> t(65536);
    for (char32_t c = 0; c < 0x10000; ++c)
      t[c] = (c >= 0xD800 && c <= 0xDFFF) ? 0 : static_cast<uint16_t>(host::unicodeToCp936(c));
    return t;
  }();
  return table.data();
}

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::string utf8ToWide(std::string_view utf8) {
  const std::u16string units = host::utf8ToUtf16(utf8);
  std::string out(units.size() * 2, '\0');
  for (size_t i = 0; i < units.size(); ++i) {
    out[2 * i] = static_cast<char>(units[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  return out;
}

// The same result as going through UTF-16 first (and as host::utf8ToCp936), but a
// page of many megabytes goes through here: ASCII runs are copied eight bytes at a
// time and no character ever makes the output longer than its UTF-8 bytes, so the
// output is sized once.
std::string utf8ToLocal(std::string_view utf8) {
  const uint16_t* encode = encodeTable();
  std::string out(utf8.size(), '\0');
  char* o = out.data();
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* const end = p + utf8.size();
  while (p < end) {
    while (end - p >= 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ull) break;
      std::memcpy(o, p, 8);
      p += 8;
      o += 8;
    }
    if (p == end) break;
    const unsigned b0 = *p;
    if (b0 < 0x80) {
      *o++ = static_cast<char>(b0);
      ++p;
      continue;
    }
    // A byte that starts no valid sequence is one U+FFFD, and so one "?".
    char32_t c = 0xFFFD;
    size_t len = 1;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
      if (end - p >= 3 && continuation(p[1]) && continuation(p[2])) {
        const char32_t v = (b0 & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        if (v >= 0x800 && (v < 0xD800 || v > 0xDFFF)) c = v, len = 3;
      }
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
      if (end - p >= 2 && continuation(p[1])) c = (b0 & 0x1F) << 6 | (p[1] & 0x3F), len = 2;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      if (end - p >= 4 && continuation(p[1]) && continuation(p[2]) && continuation(p[3])) {
        const char32_t v = (b0 & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        if (v >= 0x10000 && v <= 0x10FFFF) len = 4;  // beyond UTF-16's first plane: no code
      }
    }
    p += len;
    const unsigned code = c < 0x10000 && len != 4 ? encode[c] : 0;
    if (code == 0) {
      *o++ = '?';
    } else if (code < 0x100) {
      *o++ = static_cast<char>(code);
    } else {
      *o++ = static_cast<char>(code >> 8);
      *o++ = static_cast<char>(code & 0xFF);
    }
  }
  out.resize(static_cast<size_t>(o - out.data()));
  return out;
}
