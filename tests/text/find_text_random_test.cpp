#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/cp936.h"

namespace {

// The search rule written out plainly: step a character at a time from the start,
// compare at each character start; only single-byte letters fold, never the trail
// byte of a double-byte character.
long referenceFind(const std::string& text, const std::string& sought, long start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > text.size()) return -1;
  if (sought.empty()) return 1;
  const auto same = [&](unsigned char a, unsigned char b) {
    return ignoreCase ? text::foldAscii(a) == text::foldAscii(b) : a == b;
  };
  for (size_t i = static_cast<size_t>(start - 1); i + sought.size() <= text.size();) {
    bool match = true;
    for (size_t k = 0; k < sought.size() && match; ++k) {
      if (text::isLeadByte(static_cast<unsigned char>(sought[k]))) {
        match = text[i + k] == sought[k] && (k + 1 >= sought.size() || text[i + k + 1] == sought[k + 1]);
        ++k;
      } else {
        match = same(text[i + k], sought[k]);
      }
    }
    if (match) return static_cast<long>(i) + 1;
    i += text::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  }
  return -1;
}

}  // namespace

TEST(FindText, AgreesWithThePlainRuleOnRandomTexts) {
  // Few distinct bytes, so that matches, near-misses and trail bytes that look like
  // letters or markers turn up at every place of the sixteen-byte steps.
  const std::string alphabet = "aAlL</>=\xB0\x41\x61\xC4\x3C";
  std::mt19937 random(7);
  const auto randomText = [&](size_t length) {
    std::string s;
    for (size_t i = 0; i < length; ++i) s += alphabet[random() % alphabet.size()];
    return s;
  };
  int mismatches = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string text = randomText(random() % 80);
    const std::string sought = randomText(1 + random() % 5);
    const long start = static_cast<long>(random() % 12) - 1;
    const bool ignoreCase = random() % 2;
    const long expected = referenceFind(text, sought, start, ignoreCase);
    if (text::findText(text, sought, start, ignoreCase) != expected && ++mismatches < 5)
      ADD_FAILURE() << "round " << round;
  }
  EXPECT_EQ(mismatches, 0);
}
