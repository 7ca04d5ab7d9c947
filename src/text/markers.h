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

// Every piece between the two markers, left to right without overlap, each the
// shortest run (line breaks included) up to the next end marker; letters match
// regardless of case. `results` is emptied first and the count returned. With
// `maxLength` above 0 longer pieces are left out; each piece is wrapped in `prefix`
// and `suffix`, then in the markers themselves when `withStart` / `withEnd` ask.
long allTextsBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                     std::vector<std::string>& results, long maxLength = 0, std::string_view prefix = {},
                     std::string_view suffix = {}, bool withStart = false, bool withEnd = false);

// A marker rewritten for a pattern: ? * + [ ] ( ) { } get a backslash, "#引号" turns
// into a double quote and CR LF into \n. The full stop, backslash, "|", "^" and "$"
// keep their pattern meaning, so a full stop in a marker matches any character.
std::string escapeMarker(std::string_view marker);
