#include "web/encoding.h"

#include "host/codepage.h"

std::string utf8ToWide(std::string_view utf8) {
  const std::u16string units = host::utf8ToUtf16(utf8);
  std::string out(units.size() * 2, '\0');
  for (size_t i = 0; i < units.size(); ++i) {
    out[2 * i] = static_cast<char>(units[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  return out;
}

// The same result as going through UTF-16 first, without the intermediate copy.
std::string utf8ToLocal(std::string_view utf8) { return host::utf8ToCp936(utf8); }
