#pragma once
// Random Chinese text in code page 936 for the benchmarks' listing pages: characters
// of GB2312 levels 1 and 2, two bytes each.
#include <random>
#include <string>

inline std::string randomGbkText(std::mt19937& random, int characters) {
  std::string s;
  s.reserve(2 * static_cast<size_t>(characters));
  for (int i = 0; i < characters; ++i) {
    s += static_cast<char>(0xB0 + random() % 0x48);
    s += static_cast<char>(0xA1 + random() % 0x5E);
  }
  return s;
}
