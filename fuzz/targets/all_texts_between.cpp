// allTextsBetween through the regular-expression object on any bytes and markers: the
// count is the number of results, and each result is prefix + piece + suffix, wrapped
// in the markers when asked, with the piece standing in the text.
#include "fuzz_support.h"
#include "text/markers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  fuzz::Input in(data, size);
  const unsigned char flags = in.byte();
  const bool withStart = flags & 1, withEnd = flags & 2;
  const long maxLength = (flags & 4) ? in.byte() : 0;
  const std::string start = in.text(64), end = in.text(64);
  const std::string prefix = (flags & 8) ? "<" : "", suffix = (flags & 16) ? ">" : "";
  const std::string page = in.rest();
  std::vector<std::string> results{"stale"};
  const long count = allTextsBetween(page, start, end, results, maxLength, prefix, suffix, withStart, withEnd);
  FUZZ_CHECK(count == static_cast<long>(results.size()));
  // A marker put back reads as it stands in the text: "#引号" is a quote there.
  const std::string head = withStart ? text::replaceText(start, "#引号", "\"") : "";
  const std::string tail = withEnd ? text::replaceText(end, "#引号", "\"") : "";
  for (const std::string& r : results) {
    const std::string before = head + prefix, after = suffix + tail;
    FUZZ_CHECK(r.size() >= before.size() + after.size());
    FUZZ_CHECK(r.starts_with(before) && r.ends_with(after));
    const std::string piece = r.substr(before.size(), r.size() - before.size() - after.size());
    FUZZ_CHECK(maxLength <= 0 || static_cast<long>(piece.size()) <= maxLength);
    FUZZ_CHECK(piece.empty() || page.find(piece) != std::string::npos);
  }
  return 0;
}
