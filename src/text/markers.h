#pragma once
// Cutting text out from between two markers. "#引号" in a marker stands for a
// double quote, so a marker table never needs escapes.
#include <string>
#include <string_view>
#include <vector>

// The first piece between the two markers, searching from `startPos`; the empty
// text when either marker is missing. Letters match regardless of case by default.
std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        long startPos = 1, bool caseSensitive = false);
