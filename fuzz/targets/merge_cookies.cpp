// mergeCookies on any two texts: no space is left in either (as a whole character),
// no pair ends in "=deleted", no pair repeats, and a second merge with an empty
// response changes nothing.
#include <algorithm>
#include <vector>

#include "fuzz_support.h"
#include "web/cookies.h"

namespace {

bool holdsSpace(const std::string& t) {
  for (size_t at = 0; at < t.size(); at += text::isLeadByte(static_cast<unsigned char>(t[at])) ? 2 : 1)
    if (t[at] == ' ' || t.compare(at, 2, "\xA1\xA1") == 0) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  fuzz::Input in(data, size);
  std::string cookies = in.text(255), response = in.rest();
  const std::string merged = mergeCookies(cookies, response);
  FUZZ_CHECK(merged == cookies);
  FUZZ_CHECK(!holdsSpace(response));
  // The pairs are joined by "; ", so that space is the one allowed.
  std::vector<std::string> pieces = text::splitText(merged, "; ");
  for (const std::string& p : pieces) {
    FUZZ_CHECK(!holdsSpace(p));
    FUZZ_CHECK(!std::string_view(p).ends_with("=deleted"));
  }
  std::sort(pieces.begin(), pieces.end());
  FUZZ_CHECK(std::adjacent_find(pieces.begin(), pieces.end()) == pieces.end());
  std::string empty;
  std::string again = merged;
  FUZZ_CHECK(mergeCookies(again, empty) == merged);
  return 0;
}
