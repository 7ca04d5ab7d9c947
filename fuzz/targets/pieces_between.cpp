// piecesBetween on any bytes and markers: every piece is not empty, trimmed and stands
// in the text; with markers made of whole characters it begins where a character of the
// text begins. (A marker that ends with a lone lead byte takes the first byte of the
// next character, and the search goes on from the byte after it as from a start.)
#include "collect/scraper.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  fuzz::Input in(data, size);
  const std::string start = in.text(64), end = in.text(64), page = in.rest();
  const bool wholeMarkers = !text::endsInsideCharacter(start) && !text::endsInsideCharacter(end);
  for (const std::string& piece : piecesBetween(page, start, end)) {
    FUZZ_CHECK(!piece.empty());
    FUZZ_CHECK(!fuzz::paddedWithSpace(piece));
    FUZZ_CHECK(page.find(piece) != std::string::npos);
    if (wholeMarkers) FUZZ_CHECK(fuzz::occursAtCharacter(page, piece));
  }
  return 0;
}
