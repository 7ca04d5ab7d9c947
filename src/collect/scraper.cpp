#include "collect/scraper.h"

#include <deque>
#include <optional>

#include "host/threads.h"
#include "text/cp936.h"
#include "text/date_text.h"
#include "text/markers.h"
#include "web/http_request.h"

namespace {

// The split as views: into the text where a piece needs no trimming (nearly always),
// into `trimmed` where it does. The scraper reads each item once and copies only what
// it keeps, so a large page is not copied a second time.
struct Pieces {
  std::vector<std::string_view> views;
  std::deque<std::string> trimmed;  // a deque never moves what it holds
};

bool mayNeedTrim(std::string_view piece) {
  // trimSpaces removes only spaces and A1 A1, so other edge bytes leave a piece as it is.
  const auto edge = [](char c) { return c == ' ' || c == '\xA1'; };
  return piece.empty() || edge(piece.front()) || edge(piece.back());
}

Pieces pieceViews(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
  Pieces pieces;
  if (startMarker.empty() || endMarker.empty()) return pieces;
  long from = 1;
  for (;;) {
    const long start = text::findText(text, startMarker, from, true);
    if (start == -1) break;
    const long inside = start + static_cast<long>(startMarker.size());
    const long end = text::findText(text, endMarker, inside, true);
    if (end == -1) break;
    std::string_view piece = text.substr(inside - 1, end - inside);
    if (mayNeedTrim(piece)) piece = pieces.trimmed.emplace_back(text::trimSpaces(piece));
    // A list ends at its first empty piece: what follows is not looked at.
    if (piece.empty()) break;
    pieces.views.push_back(piece);
    // The end marker may itself begin the next item, so the search goes on from it.
    from = end;
  }
  return pieces;
}

}  // namespace

std::vector<std::string> piecesBetween(std::string_view text, std::string_view startMarker,
                                       std::string_view endMarker) {
  const Pieces pieces = pieceViews(text, startMarker, endMarker);
  return std::vector<std::string>(pieces.views.begin(), pieces.views.end());
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
  const Pieces items = pieceViews(block, recipe.itemStart, recipe.itemEnd);

  const long before = 列表框_采集.rowCount();
  long n = 0;
  for (const std::string_view whole : items.views) {
    // The day mark is looked for in the whole item, exactly, before the inner cut,
    // so a date that only the link or a side note carries still keeps the item.
    if (text::findText(whole, recipe.dayMark) == -1) continue;
    const std::string item =
        recipe.innerStart.empty() ? std::string(whole) : textBetween(whole, recipe.innerStart, recipe.innerEnd);
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
