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

// Without the bytes 0x80 and 0xFF every character is ASCII (one byte in both forms)
// or a pair (two bytes; three in UTF-8 exactly when its UTF-8 starts at E0 or above,
// as no character of code page 936 lies beyond U+FFFF). So an offset moves back by
// one for each such lead byte before it: a count that runs at memory speed. A lone
// lead byte at the very end is the one other character, and only the end itself
// lies after it.
class Counter {
 public:
  Counter(std::string_view cp936, std::string_view utf8)
      : u8_(reinterpret_cast<const unsigned char*>(utf8.data())), u8Size_(utf8.size()), cpSize_(cp936.size()) {}

  size_t to(size_t target) {
    if (target >= u8Size_) return cpSize_;
    if (target < j_) j_ = threes_ = 0;  // offsets out of order: start again
    size_t threes = 0;
    for (size_t k = j_; k < target; ++k) threes += u8_[k] >= 0xE0;
    threes_ += threes;
    j_ = target;
    return target - threes_;
  }

  static bool fits(std::string_view cp936) {
    unsigned char odd = 0;
    for (unsigned char c : cp936) odd |= (c == 0x80) | (c == 0xFF);
    return !odd;
  }

 private:
  const unsigned char* u8_;
  size_t u8Size_, cpSize_;
  size_t j_ = 0, threes_ = 0;
};

template <typename Mapper>
void mapSorted(Mapper mapper, const std::vector<size_t*>& order) {
  for (size_t* p : order) *p = mapper.to(*p);
}

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
  if (Counter::fits(cp936)) mapSorted(Counter(cp936, utf8), order);
  else mapSorted(Walker(cp936, utf8), order);
}

}  // namespace text
