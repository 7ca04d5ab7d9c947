#pragma once
// Keeping cookies without the library's cookie store: the response's name=value
// pairs are merged into the caller's cookie text after every response.
#include <string>
#include <string_view>

// Merges `responseCookies` into `cookies`: the response's pairs first, in their
// order, then the old pairs whose name the response does not carry; pairs whose
// value is "deleted" are dropped, and so are empty pairs and exact repeats. Both texts lose every
// space (ASCII and full-width), and a lead byte left without its trail at the end, in
// place; `cookies` receives the merged text with
// "; " between pairs, which is also returned.
std::string mergeCookies(std::string& cookies, std::string& responseCookies);
// The name of one pair: the text before the first "=" (or all of it), trimmed.
std::string cookieName(std::string_view pair);
// `text` without every piece (between separators) that repeats an earlier piece.
std::string uniquePieces(std::string_view text, std::string_view separator);
