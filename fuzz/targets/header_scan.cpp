// The response-header scan on any header text: the location is trimmed and holds no
// line break, and the cookie text holds no line break either.
#include "fuzz_support.h"
#include "web/response_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string raw(reinterpret_cast<const char*>(data), size);
  // A line break can never be scanned out, so it marks "left as it was".
  std::string location = "\n", cookies = "\n";
  scanResponseHeaders(raw, location, cookies);
  if (location != "\n") {
    FUZZ_CHECK(location.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(!fuzz::paddedWithSpace(location));
    FUZZ_CHECK(raw.find(location) != std::string::npos);
  }
  FUZZ_CHECK(cookies.find_first_of("\r\n") == std::string::npos);
  return 0;
}
