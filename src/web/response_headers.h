#pragma once
// Reading the two header lines the request routine cares about out of a raw response
// header text.
#include <string>
#include <string_view>

// The Location value (the text after the first ":" of the last line that holds
// "Location:", trimmed; left as it was when no line holds it) and the Set-Cookie pairs
// joined by "; " (emptied first). Lines end at LF, a CR before it included, so a server
// that ends its lines with a bare LF cannot slip a line break into the location.
void scanResponseHeaders(std::string_view raw, std::string& location, std::string& cookies);
