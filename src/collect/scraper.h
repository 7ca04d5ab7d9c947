#pragma once
// The page scraper: one source's listing page turned into rows of the collect list.
#include <string>
#include <string_view>
#include <vector>

#include "collect/catalogue.h"
#include "host/controls.h"

// The trimmed pieces between each start marker and the next end marker, ASCII
// letters matched regardless of case. The next start marker is searched from the
// start of the end marker just found, and the first piece that is empty after
// trimming ends the split. Either marker empty: no pieces.
std::vector<std::string> piecesBetween(std::string_view text, std::string_view startMarker,
                                       std::string_view endMarker);

// Fetches the recipe's page and appends one row per item of today to the list;
// returns the number of rows appended.
long scrapePage(host::ListView& 列表框_采集, const Recipe& recipe);

// The part of scrapePage after the fetch: `page` is the fetched text and `dateText`
// the 时间 cell of every row.
long scrapeText(host::ListView& 列表框_采集, const Recipe& recipe, std::string_view page,
                const std::string& dateText);
