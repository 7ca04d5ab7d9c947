#pragma once
// Taking an address apart the way the request routine needs it: host, port and the
// object path. Addresses are code page 936 texts with "http://", "https://" or no
// scheme (then HTTP).
#include <string>
#include <string_view>

// The host, lower-cased; with its ":" and port when `keepPort` is on.
std::string urlHost(std::string_view address, bool keepPort = false);
// The port written after the host; else 443 for "https" addresses and 80 otherwise.
// A colon without a number gives 0 (the library then takes the scheme's default).
long urlPort(std::string_view address);
// The object path with query and fragment, beginning with "/"; "/" when there is none.
std::string urlPath(std::string_view address);
// The text after the first ":", trimmed; the empty text when there is no ":".
std::string textAfterColon(std::string_view text);
