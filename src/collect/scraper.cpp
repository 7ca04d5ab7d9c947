#include "collect/scraper.h"

#include <optional>

#include "host/threads.h"
#include "text/cp936.h"
#include "text/date_text.h"
#include "text/markers.h"
#include "web/http_request.h"

std::vector<std::string> piecesBetween(std::string_view text, std::string_view startMarker,
                                       std::string_view endMarker) {
  std::vector<std::string> pieces;
  if (startMarker.empty() || endMarker.empty()) return pieces;
  long from = 1;
  for (;;) {
    const long start = text::findText(text, startMarker, from, true);
    if (start == -1) break;
    const long inside = start + static_cast<long>(startMarker.size());
    const long end = text::findText(text, endMarker, inside, true);
    if (end == -1) break;
    std::string piece = text::trimSpaces(text.substr(inside - 1, end - inside));
    // A list ends at its first empty piece: what follows is not looked at.
    if (piece.empty()) break;
    pieces.push_back(std::move(piece));
    // The end marker may itself begin the next item, so the search goes on from it.
    from = end;
  }
  return pieces;
}

long scrapeText(host::ListView& 列表框_采集, const Recipe& recipe, std::string_view page,
                const std::string& dateText) {
  // Only the emptiness of the block start decides: a missing block end is passed on.
  std::string cut;
  std::string_view block = page;
  if (!recipe.blockStart.empty()) {
    cut = textBetween(page, recipe.blockStart, recipe.blockEnd);
    block = cut;
  }
  const std::vector<std::string> items = piecesBetween(block, recipe.itemStart, recipe.itemEnd);

  const long before = 列表框_采集.rowCount();
  long n = 0;
  for (const std::string& whole : items) {
    // The day mark is looked for in the whole item, exactly, before the inner cut,
    // so a date that only the link or a side note carries still keeps the item.
    if (text::findText(whole, recipe.dayMark) == -1) continue;
    std::string item = recipe.innerStart.empty() ? whole : textBetween(whole, recipe.innerStart, recipe.innerEnd);
    // A forced end stops the call between rows; a row is written whole or not at all.
    if (host::stopRequested()) break;
    ++n;
    const int row = 列表框_采集.appendRow({text::decimalText(before + n), recipe.label,
                                           textBetween(item, recipe.titleStart, recipe.titleEnd), dateText,
                                           recipe.linkPrefix + textBetween(item, recipe.linkStart, recipe.linkEnd)});
    if (row == -1) {  // ended by force after the check above: the row was not written
      --n;
      break;
    }
  }
  return n;
}

long scrapePage(host::ListView& 列表框_采集, const Recipe& recipe) {
  const std::string page = httpRequest(recipe.pageAddress);
  // Made once per call, after the fetch: every row of the call carries the same date.
  const std::string dateText = 时间_到文本(std::nullopt, 1, 1);
  return scrapeText(列表框_采集, recipe, page, dateText);
}
