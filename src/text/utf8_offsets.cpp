#include "text/utf8_offsets.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace text {
namespace {

// Walks both forms of the text side by side, one character at a time. The split
// into characters must be the one host::cp936ToUtf8 makes: a byte below 0x80 alone;
// 0x80, 0xFF and a lead byte at the very end alone; any other lead byte with the
// byte after it. Each of those becomes exactly one UTF-8 character.
class Walker {
 public:
  Walker(std::string_view cp936, std::string_view utf8)
      : cp_(reinterpret_cast<const unsigned char*>(cp936.data())), cpSize_(cp936.size()),
        u8_(reinterpret_cast<const unsigned char*>(utf8.data())), u8Size_(utf8.size()) {}

  size_t to(size_t target) {
    if (target < last_) i_ = j_ = 0;  // offsets out of order: start again
    last_ = target;
    while (j_ < target && i_ < cpSize_ && j_ < u8Size_) {
      // Runs of ASCII are the same bytes in both forms: skip them eight at a time.
      if (target - j_ >= 8 && cpSize_ - i_ >= 8) {
        uint64_t word;
        std::memcpy(&word, cp_ + i_, 8);
        if ((word & 0x8080808080808080ull) == 0) {
          i_ += 8;
          j_ += 8;
          continue;
        }
      }
      const unsigned char c = cp_[i_];
      if (c < 0x80) {
        ++i_;
        ++j_;
        continue;
      }
      i_ += (c == 0x80 || c == 0xFF || i_ + 1 >= cpSize_) ? 1 : 2;
      const unsigned char u = u8_[j_];
      j_ += u >= 0xF0 ? 4 : u >= 0xE0 ? 3 : u >= 0xC0 ? 2 : 1;
    }
    return std::min(i_, cpSize_);
  }

 private:
  const unsigned char* cp_;
  size_t cpSize_;
  const unsigned char* u8_;
  size_t u8Size_;
  size_t i_ = 0, j_ = 0;  // the same character boundary in each form
  size_t last_ = 0;       // the previous target; j_ is at or past it
};

}  // namespace

void mapUtf8Offsets(std::string_view cp936, std::string_view utf8, const std::vector<size_t*>& offsets,
                    size_t skip) {
  std::vector<size_t*> order;
  order.reserve(offsets.size());
  for (size_t* p : offsets)
    if (*p != skip) order.push_back(p);
  const auto byValue = [](const size_t* a, const size_t* b) { return *a < *b; };
  if (!std::is_sorted(order.begin(), order.end(), byValue))
    std::stable_sort(order.begin(), order.end(), byValue);
  Walker walker(cp936, utf8);
  for (size_t* p : order) *p = walker.to(*p);
}

}  // namespace text
