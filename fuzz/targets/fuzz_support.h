#pragma once
// What the fuzz targets share: taking an input apart into a few texts, walking a text
// by characters, and a check that stops the run at the first broken property.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/cp936.h"

#define FUZZ_CHECK(property) fuzz::check((property), #property, __LINE__)

namespace fuzz {

// FUZZ_CHECK(property): names the broken property and the line before stopping.
inline void check(bool ok, const char* what, int line) {
  if (ok) return;
  std::fprintf(stderr, "property broken (line %d): %s\n", line, what);
  std::abort();
}

// Hands out the input in pieces: a byte, or a text whose length the next byte gives.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : p_(reinterpret_cast<const char*>(data)), left_(size) {}
  unsigned char byte() {
    if (left_ == 0) return 0;
    --left_;
    return static_cast<unsigned char>(*p_++);
  }
  std::string text(size_t most) {
    const size_t n = std::min<size_t>(byte() % (most + 1), left_);
    std::string t(p_, n);
    p_ += n;
    left_ -= n;
    return t;
  }
  std::string rest() {
    std::string t(p_, left_);
    p_ += left_;
    left_ = 0;
    return t;
  }

 private:
  const char* p_;
  size_t left_;
};

// Is 0-based `offset` a character start of `t`, walking from the first byte?
inline bool startsCharacter(std::string_view t, size_t offset) {
  size_t at = 0;
  while (at < offset) at += text::isLeadByte(static_cast<unsigned char>(t[at])) ? 2 : 1;
  return at == offset;
}

// Whether `sought` stands in `t` at some character start.
inline bool occursAtCharacter(std::string_view t, std::string_view sought) {
  for (size_t at = t.find(sought); at != std::string_view::npos; at = t.find(sought, at + 1))
    if (startsCharacter(t, at)) return true;
  return false;
}

// Whether `t` begins or ends with a space or a full-width space, as whole characters.
inline bool paddedWithSpace(std::string_view t) {
  if (t.empty()) return false;
  if (t.front() == ' ' || t.starts_with("\xA1\xA1")) return true;
  size_t at = 0, last = 0;
  while (at < t.size()) {
    last = at;
    at += text::isLeadByte(static_cast<unsigned char>(t[at])) ? 2 : 1;
  }
  const std::string_view lastChar = t.substr(last);
  return lastChar == " " || lastChar == "\xA1\xA1";
}

}  // namespace fuzz
