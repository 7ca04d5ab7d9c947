#include "host/codepage.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace host {
namespace {

struct Tables {
  // decode[(lead - 0x80) * 256 + trail]: Unicode of a double-byte character, 0 = none.
  std::vector<char16_t> decode = std::vector<char16_t>(128 * 256, 0);
  // encode[unicode]: CP936 code, 0 = none.
  std::vector<uint16_t> encode = std::vector<uint16_t>(65536, 0);
  char16_t euro = 0;  // what the single byte 0x80 is (the euro sign in code page 936)
  // The UTF-8 bytes of each double-byte character, ready to copy: three bytes (the
  // unused ones zero) and the length in the last; U+FFFD for a pair that is none.
  // Pages of many megabytes go through the regex engine, so this is the hot path.
  std::vector<std::array<char, 4>> utf8Pair = std::vector<std::array<char, 4>>(128 * 256);
  std::array<char, 4> utf8Euro{}, utf8Invalid{};  // the single bytes 0x80 and 0xFF
  // Leads all of whose pairs take three UTF-8 bytes (every Chinese character does):
  // knowing the length without waiting for the table keeps the copy from stalling.
  std::array<bool, 256> threeBytes{};
};

std::array<char, 4> utf8Bytes(char32_t c) {
  if (c < 0x800)
    return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F)), 0, 2};
  return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
          static_cast<char>(0x80 | (c & 0x3F)), 3};
}

char32_t convertOne(iconv_t cd, const char* in, size_t inLen) {
  char out[8];
  char* inPtr = const_cast<char*>(in);
  char* outPtr = out;
  size_t outLen = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLen, &outPtr, &outLen) == static_cast<size_t>(-1) || inLen != 0) return 0;
  if (outPtr - out != 4) return 0;
  const auto* u = reinterpret_cast<const unsigned char*>(out);
  return static_cast<char32_t>(u[0] | u[1] << 8 | u[2] << 16 | u[3] << 24);
}

const Tables& tables() {
  static const Tables t = [] {
    Tables t;
    std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("UTF-32LE", "CP936"), iconv_close);
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) return t;
    for (int c = 0; c < 0x80; ++c) t.encode[c] = static_cast<uint16_t>(c);
    const char euro = '\x80';
    if (char32_t u = convertOne(cd.get(), &euro, 1); u && u < 0x10000) {
      t.euro = static_cast<char16_t>(u);
      t.encode[u] = 0x80;
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        char32_t u = convertOne(cd.get(), pair, 2);
        if (u == 0 || u >= 0x10000) continue;
        t.decode[(lead - 0x80) * 256 + trail] = static_cast<char16_t>(u);
        if (!t.encode[u]) t.encode[u] = static_cast<uint16_t>(lead << 8 | trail);
      }
    }
    for (int lead = 0x80; lead <= 0xFF; ++lead)
      for (int trail = 0; trail <= 0xFF; ++trail) {
        const char16_t u = t.decode[(lead - 0x80) * 256 + trail];
        t.utf8Pair[(lead - 0x80) * 256 + trail] = utf8Bytes(u ? u : 0xFFFD);
      }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      bool all = true;
      for (int trail = 0; trail <= 0xFF; ++trail) all = all && t.utf8Pair[(lead - 0x80) * 256 + trail][3] == 3;
      t.threeBytes[lead] = all;
    }
    t.utf8Euro = utf8Bytes(t.euro ? t.euro : 0xFFFD);
    t.utf8Invalid = utf8Bytes(0xFFFD);
    return t;
  }();
  return t;
}

// Decodes one UTF-8 character at s[i]; advances i. Invalid input gives U+FFFD and
// moves on by one byte, as a strict decoder does.
char32_t nextUtf8(std::string_view s, size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len = 0;
  char32_t c = 0, min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) len = 2, c = b0 & 0x1F, min = 0x80;
  else if (b0 >= 0xE0 && b0 <= 0xEF) len = 3, c = b0 & 0x0F, min = 0x800;
  else if (b0 >= 0xF0 && b0 <= 0xF4) len = 4, c = b0 & 0x07, min = 0x10000;
  if (len == 0 || i + len > s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = c << 6 | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += len;
  return c;
}

}  // namespace

char32_t cp936CharToUnicode(unsigned char lead, unsigned char trail) {
  if (lead < 0x80) return lead;
  const Tables& t = tables();
  if (lead == 0x80) return t.euro ? t.euro : 0xFFFD;
  char16_t u = t.decode[(lead - 0x80) * 256 + trail];
  return u ? u : 0xFFFD;
}

unsigned unicodeToCp936(char32_t c) {
  if (c < 0x80) return c;
  if (c >= 0x10000) return 0;
  return tables().encode[c];
}

std::string cp936ToUtf8(std::string_view s) {
  const Tables& t = tables();
  const auto* in = reinterpret_cast<const unsigned char*>(s.data());
  const size_t size = s.size();
  // Written through a pointer. The buffer is reserved for the usual growth (ASCII
  // stays, a pair becomes at most three bytes) but opened a slice at a time, so the
  // zeroes resize() writes are still in the cache when they are overwritten.
  std::string out;
  out.reserve(size + size / 2 + 16);
  const std::array<char, 4>* pairs = t.utf8Pair.data();
  char* base = out.data();
  size_t open = 0, used = 0;
  for (size_t i = 0; i < size;) {
    if (open - used < 16) {
      out.resize(open + 64 * 1024);
      base = out.data();
      open = out.size();
    }
    char* o = base + used;
    if (size - i >= 8) {  // eight ASCII bytes at once
      uint64_t word;
      std::memcpy(&word, in + i, 8);
      if ((word & 0x8080808080808080ull) == 0) {
        std::memcpy(o, &word, 8);
        i += 8;
        used += 8;
        continue;
      }
    }
    const unsigned char lead = in[i];
    if (lead < 0x80) {
      *o = static_cast<char>(lead);
      ++i;
      ++used;
      continue;
    }
    if (t.threeBytes[lead] && i + 1 < size) {
      // A run of Chinese characters, within the slice already opened.
      const size_t room = (open - used - 4) / 3;
      size_t k = 0;
      do {
        std::memcpy(o + 3 * k, pairs[(in[i] - 0x80) * 256 + in[i + 1]].data(), 4);  // the fourth is overwritten next
        i += 2;
        ++k;
      } while (k < room && i + 1 < size && t.threeBytes[in[i]]);
      used += 3 * k;
      continue;
    }
    const std::array<char, 4>* bytes;
    if (lead == 0x80) bytes = &t.utf8Euro, ++i;
    else if (lead == 0xFF || i + 1 >= size) bytes = &t.utf8Invalid, ++i;
    else bytes = &pairs[(lead - 0x80) * 256 + in[i + 1]], i += 2;
    std::memcpy(o, bytes->data(), 4);
    used += static_cast<unsigned char>((*bytes)[3]);
  }
  out.resize(used);
  return out;
}

std::string utf8ToCp936(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  const Tables& t = tables();
  for (size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const char32_t c = nextUtf8(s, i);
    const unsigned code = c < 0x10000 ? t.encode[c] : 0;
    if (code == 0) out += '?';
    else if (code < 0x100) out += static_cast<char>(code);
    else out += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  }
  return out;
}

std::u16string utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const char32_t c = nextUtf8(s, i);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace host
