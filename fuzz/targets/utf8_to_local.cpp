// utf8ToLocal on any bytes gives a code page 936 text that turns back into valid
// UTF-8; UTF-8 made only of characters that code page 936 holds comes back unchanged.
#include "fuzz_support.h"
#include "host/codepage.h"
#include "web/encoding.h"

namespace {

// Decodes well-formed UTF-8 (no overlong forms, no surrogates); false at the first
// ill-formed byte. `held` turns false when a character has no code page 936 code.
bool walkUtf8(std::string_view s, bool& held) {
  held = true;
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = s[i];
    size_t len;
    char32_t c;
    if (b < 0x80) len = 1, c = b;
    else if (b >= 0xC2 && b <= 0xDF) len = 2, c = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF) len = 3, c = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4) len = 4, c = b & 0x07;
    else return false;
    if (i + len > s.size()) return false;
    for (size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
      c = c << 6 | (s[i + k] & 0x3F);
    }
    if ((len == 3 && c < 0x800) || (len == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
      return false;
    if (host::unicodeToCp936(c) == 0) held = false;
    i += len;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string utf8(reinterpret_cast<const char*>(data), size);
  const std::string local = utf8ToLocal(utf8);
  FUZZ_CHECK(local.size() <= utf8.size());
  const std::string back = host::cp936ToUtf8(local);
  bool held = false;
  FUZZ_CHECK(walkUtf8(back, held));
  if (walkUtf8(utf8, held) && held) FUZZ_CHECK(back == utf8);
  // The fast loop and the table-based host conversion agree.
  FUZZ_CHECK(local == host::utf8ToCp936(utf8));
  return 0;
}
