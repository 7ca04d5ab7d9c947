#pragma once
// Controls of the pages the lists routines work on, a scripted shell, and a fresh
// run directory per test.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/controls.h"
#include "host/headless/headless_shell.h"
#include "support/temporary_folder.h"

inline std::vector<host::Column> resultColumns() {
  return {{"编号", 40}, {"来源", 60}, {"名称", 300}, {"时间", 110}, {"链接", 70}};
}

using Rows = std::vector<std::vector<std::string>>;

inline Rows rowsOf(const host::ListView& list) { return list.rowsFrom(0).rows; }

inline void fill(host::ListView& list, const Rows& rows) {
  for (const auto& row : rows) list.appendRow(row);
}

