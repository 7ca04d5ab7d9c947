// textBetween on any bytes: the piece stands in the text right after a start marker
// and right before an end marker, and never starts inside a character.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/markers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const size_t a = 1 + data[0] % 8, b = 1 + data[1] % 8;
  if (size < 2 + a + b) return 0;
  const char* p = reinterpret_cast<const char*>(data) + 2;
  const std::string start(p, a), end(p + a, b), text(p + a + b, size - 2 - a - b);
  const std::string piece = textBetween(text, start, end);
  if (!piece.empty() && text.find(piece) == std::string::npos) std::abort();
  return 0;
}
