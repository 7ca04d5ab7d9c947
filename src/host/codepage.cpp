#include "host/codepage.h"

#include <iconv.h>

#include <array>
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
};

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
    return t;
  }();
  return t;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
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
  std::string out;
  out.reserve(s.size() + s.size() / 2);
  for (size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
    } else if (lead == 0x80 || lead == 0xFF || i + 1 >= s.size()) {
      appendUtf8(out, cp936CharToUnicode(lead == 0x80 ? 0x80 : 0xFF, 0));
      ++i;
    } else {
      appendUtf8(out, cp936CharToUnicode(lead, static_cast<unsigned char>(s[i + 1])));
      i += 2;
    }
  }
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
