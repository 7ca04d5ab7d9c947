#include "text/cp936.h"

#include <array>
#include <bit>
#include <cstring>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define TOVI_SSE2 1
#endif

namespace text {
namespace {

// Is `at` (0-based) the start of a character, counting from `from`, a known start?
// A byte below 0x80 always ends a character (alone or as a trail byte), so only the
// run of high bytes right before `at` decides: an even run means a boundary.
bool isCharStart(const unsigned char* data, size_t from, size_t at) {
  size_t run = 0;
  while (at > from + run && isLeadByte(data[at - run - 1])) ++run;
  return run % 2 == 0;
}

#ifndef TOVI_SSE2
// Case-folded Boyer-Moore-Horspool: the pages are large and the default marker
// search ignores case, so this has to stay close to memmem.
class FoldedSearcher {
 public:
  explicit FoldedSearcher(std::string_view needle) : needle_(needle) {
    skip_.fill(needle.size());
    for (size_t i = 0; i + 1 < needle.size(); ++i) {
      unsigned char c = needle[i];
      skip_[foldAscii(c)] = needle.size() - 1 - i;
      if (c >= 'a' && c <= 'z') skip_[c - 32] = needle.size() - 1 - i;
      if (c >= 'A' && c <= 'Z') skip_[c] = needle.size() - 1 - i;
    }
    for (int c = 'A'; c <= 'Z'; ++c) skip_[c] = skip_[c + 32];
  }
  // 0-based index of the first match at or after `from`, or npos.
  size_t find(const unsigned char* hay, size_t size, size_t from) const {
    const size_t m = needle_.size();
    const auto* n = reinterpret_cast<const unsigned char*>(needle_.data());
    size_t i = from;
    while (i + m <= size) {
      unsigned char last = hay[i + m - 1];
      if (foldAscii(last) == foldAscii(n[m - 1])) {
        size_t k = 0;
        while (k + 1 < m && foldAscii(hay[i + k]) == foldAscii(n[k])) ++k;
        if (k + 1 >= m) return i;
      }
      i += skip_[last];
    }
    return std::string_view::npos;
  }

 private:
  std::string_view needle_;
  std::array<size_t, 256> skip_;
};
#endif

#ifdef TOVI_SSE2
// Case-folded search sixteen places at a time: a place is a candidate when its
// first and last bytes match the needle's (letters with bit 0x20 forced on both
// sides, other bytes exactly), and only candidates are compared in full. Markers
// are searched across whole pages item by item, so this keeps pace with memmem.
size_t findFolded(const unsigned char* hay, size_t size, size_t from, std::string_view needle) {
  const size_t m = needle.size();
  const auto* n = reinterpret_cast<const unsigned char*>(needle.data());
  const auto isLetter = [](unsigned char c) { return foldAscii(c) >= 'a' && foldAscii(c) <= 'z'; };
  const auto matchesAt = [&](size_t i) {
    for (size_t k = 0; k < m; ++k)
      if (foldAscii(hay[i + k]) != foldAscii(n[k])) return false;
    return true;
  };
  const __m128i first = _mm_set1_epi8(static_cast<char>(foldAscii(n[0])));
  const __m128i last = _mm_set1_epi8(static_cast<char>(foldAscii(n[m - 1])));
  const __m128i firstCase = _mm_set1_epi8(isLetter(n[0]) ? 0x20 : 0);
  const __m128i lastCase = _mm_set1_epi8(isLetter(n[m - 1]) ? 0x20 : 0);
  size_t i = from;
  for (; i + m - 1 + 16 <= size; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + i + m - 1));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(
        _mm_cmpeq_epi8(_mm_or_si128(a, firstCase), first), _mm_cmpeq_epi8(_mm_or_si128(b, lastCase), last))));
    while (mask) {
      const size_t at = i + static_cast<size_t>(std::countr_zero(mask));
      if (matchesAt(at)) return at;
      mask &= mask - 1;
    }
  }
  for (; i + m <= size; ++i)
    if (matchesAt(i)) return i;
  return std::string_view::npos;
}
#endif

// The fast searchers above fold every byte; at a character start this confirms the
// match by characters, so the trail byte of a double-byte character (which may lie in
// the range of ASCII letters) compares exactly and never folds.
bool foldedMatchByCharacters(const unsigned char* at, std::string_view needle) {
  const auto* n = reinterpret_cast<const unsigned char*>(needle.data());
  for (size_t k = 0; k < needle.size(); ++k) {
    if (isLeadByte(n[k])) {
      if (at[k] != n[k] || (k + 1 < needle.size() && at[k + 1] != n[k + 1])) return false;
      ++k;
    } else if (foldAscii(at[k]) != foldAscii(n[k])) {
      return false;
    }
  }
  return true;
}

bool hasAsciiLetter(std::string_view s) {
  for (unsigned char c : s)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return false;
}

}  // namespace

long findText(std::string_view text, std::string_view sought, long start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > text.size()) return -1;
  if (sought.empty()) return 1;
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  const size_t from = static_cast<size_t>(start - 1);
  size_t known = from;  // a position known to start a character
  size_t at = from;
  const bool folded = ignoreCase && hasAsciiLetter(sought);
#ifndef TOVI_SSE2
  FoldedSearcher searcher(folded ? sought : std::string_view{});
#endif
  while (at + sought.size() <= size) {
    size_t hit;
    if (folded) {
#ifdef TOVI_SSE2
      hit = findFolded(data, size, at, sought);
#else
      hit = searcher.find(data, size, at);
#endif
    } else {
      const void* p = memmem(data + at, size - at, sought.data(), sought.size());
      hit = p ? static_cast<const unsigned char*>(p) - data : std::string_view::npos;
    }
    if (hit == std::string_view::npos) return -1;
    if (isCharStart(data, known, hit)) {
      if (!folded || foldedMatchByCharacters(data + hit, sought)) return static_cast<long>(hit) + 1;
      known = hit;
    } else {
      known = hit + 1;  // hit is a trail byte, so the byte after it starts a character
    }
    at = hit + 1;
  }
  return -1;
}

std::string partOf(std::string_view text, long pos, long count) {
  if (count < 1 || pos < 1 || static_cast<size_t>(pos) > text.size()) return {};
  return std::string(text.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(count)));
}

bool endsInsideCharacter(std::string_view t) {
  return !isCharStart(reinterpret_cast<const unsigned char*>(t.data()), 0, t.size());
}

std::string trimSpaces(std::string_view s) {
  size_t b = 0, e = s.size();
  for (;;) {
    if (b < e && s[b] == ' ') ++b;
    else if (b + 1 < e && s[b] == '\xA1' && s[b + 1] == '\xA1') b += 2;
    else break;
  }
  const auto* data = reinterpret_cast<const unsigned char*>(s.data());
  for (;;) {
    // A space or A1 A1 at the end must be a whole character, not the trail of another one.
    if (e > b && s[e - 1] == ' ' && isCharStart(data, b, e - 1)) --e;
    else if (e >= b + 2 && s[e - 1] == '\xA1' && s[e - 2] == '\xA1' &&
             isCharStart(data, b, e - 2)) e -= 2;
    else break;
  }
  return std::string(s.substr(b, e - b));
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) return {std::string(text)};
  long from = 1;
  for (;;) {
    long at = findText(text, separator, from);
    if (at == -1) break;
    pieces.emplace_back(text.substr(from - 1, at - from));
    from = at + static_cast<long>(separator.size());
  }
  if (static_cast<size_t>(from - 1) < text.size()) pieces.emplace_back(text.substr(from - 1));
  return pieces;
}

std::string replaceText(std::string_view text, std::string_view from, std::string_view to, bool ignoreCase) {
  if (from.empty()) return std::string(text);
  std::string out;
  long pos = 1;
  for (;;) {
    long at = findText(text, from, pos, ignoreCase);
    if (at == -1) break;
    out.append(text.substr(pos - 1, at - pos));
    out.append(to);
    pos = at + static_cast<long>(from.size());
  }
  if (static_cast<size_t>(pos - 1) < text.size()) out.append(text.substr(pos - 1));
  return out;
}

std::string lowerAscii(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(foldAscii(static_cast<unsigned char>(c)));
  return out;
}

std::string decimalText(long long n) { return std::to_string(n); }

}  // namespace text
