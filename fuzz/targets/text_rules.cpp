// The CP936 text rules on any bytes: searches never land inside a character, pieces
// and parts stay within the text, trimming and splitting keep their promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/cp936.h"

namespace {

// Is 1-based `pos` a character start of `text`, walking from the first byte?
bool startsCharacter(const std::string& text, long pos) {
  long at = 1;
  while (at < pos) at += text::isLeadByte(static_cast<unsigned char>(text[at - 1])) ? 2 : 1;
  return at == pos;
}

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t split = data[0] % size;
  const std::string text(reinterpret_cast<const char*>(data) + 1, split == 0 ? 0 : split - 1);
  const std::string sought(reinterpret_cast<const char*>(data) + (split == 0 ? 1 : split), reinterpret_cast<const char*>(data) + size);
  const long pos = text::findText(text, sought, 1, data[0] & 1);
  if (pos != -1) {
    check(sought.empty() || startsCharacter(text, pos));
    check(static_cast<size_t>(pos - 1 + sought.size()) <= text.size());
    if (!(data[0] & 1)) check(text.compare(pos - 1, sought.size(), sought) == 0);
  }
  const std::string trimmed = text::trimSpaces(text);
  check(trimmed.size() <= text.size() && text.find(trimmed) != std::string::npos);
  // No space left at either end, unless the last one is the trail byte of a character.
  check(trimmed.empty() || trimmed.front() != ' ');
  check(trimmed.empty() || trimmed.back() != ' ' ||
        !startsCharacter(trimmed, static_cast<long>(trimmed.size())));
  if (!sought.empty()) {
    std::string joined;
    const auto pieces = text::splitText(text, sought);
    for (size_t i = 0; i < pieces.size(); ++i) joined += pieces[i] + (i + 1 < pieces.size() ? sought : "");
    check(text.rfind(joined, 0) == 0);  // the pieces rebuild the text, less one trailing separator
  }
  check(text::partOf(text, pos, static_cast<long>(size)).size() <= text.size());
  return 0;
}
