#pragma once
// The forty built-in sources in walk order, each with the recipe that cuts today's
// postings out of its listing page. The catalogue is fixed; only the site roots come
// from configuration, so they are handed in by the caller.
#include <string>
#include <string_view>
#include <vector>

#include "text/date_text.h"

// Which text marks an item as one of today's postings: today's date in one of the
// forms of todayText, worked out when the source is collected, or the word "今日".
// `none` belongs to the entries without markers.
enum class DayMark { none, form0, form1, form2, form3, form4, todayWord };

// What is put in front of every link cut out of an item.
enum class LinkPrefix { none, siteRoot, siteRootNews };

// An entry with a recipe is scraped; one with an empty recipe is scraped with fourteen
// empty texts (and so yields nothing); the one without a recipe is not scraped at all.
enum class RecipeKind { withRecipe, emptyRecipe, noRecipe };

struct SourceEntry {
  std::string name;  // display name: catalogue key and settings-file key
  RecipeKind kind = RecipeKind::withRecipe;
  std::string label;     // the 来源 cell of every row the source yields
  std::string pagePath;  // follows the site root without its closing "/"
  DayMark dayMark = DayMark::none;
  LinkPrefix linkPrefix = LinkPrefix::none;
  std::string blockStart, blockEnd;
  std::string itemStart, itemEnd;
  std::string innerStart, innerEnd;
  std::string titleStart, titleEnd;
  std::string linkStart, linkEnd;
};

// The fourteen texts handed to the scraper, in the scraper's order.
struct Recipe {
  std::string pageAddress;
  std::string blockStart, blockEnd;
  std::string itemStart, itemEnd;
  std::string dayMark;
  std::string label;
  std::string titleStart, titleEnd;
  std::string linkStart, linkEnd;
  std::string linkPrefix;
  std::string innerStart, innerEnd;
};

// The forty entries in walk order.
const std::vector<SourceEntry>& sourceCatalogue();

// The entry whose name equals `name` byte for byte; nullptr when there is none.
const SourceEntry* findSource(std::string_view name);

// The day-mark text of the entry, worked out now: todayText with the entry's form,
// "今日", or the empty text for an entry without markers.
std::string dayMarkText(const SourceEntry& entry);
// The same on a given day (tests, and pages served for a fixed date).
std::string dayMarkText(const SourceEntry& entry, const DateTime& day);

// The recipe of the entry on the site `siteRoot` (an address ending in "/"). The page
// address is the site root without its closing "/" followed by the page path. An
// entry with an empty recipe, or without one, gives fourteen empty texts.
Recipe recipeFor(const SourceEntry& entry, const std::string& siteRoot, const std::string& dayMarkText);
