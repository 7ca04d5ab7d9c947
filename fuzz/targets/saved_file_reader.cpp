// The saved-file reader on any text: one row of three cells per name, a cell past the
// end of a shorter list stays empty; and rows written as a saved file and read back are
// the rows written, as long as no cell holds one of the file's markers.
#include "fuzz_support.h"
#include "host/controls.h"
#include "lists/saved_queries.h"
#include "text/markers.h"

namespace {

// A cell that holds a marker cannot come back as it went in; nor can one that is not
// a text the two character walks agree on: one that ends inside a character (whose
// trail would be the marker's first byte), or holds 0x80 or 0xFF where a character
// starts (the text rules read a pair there, the code page conversion that the
// regular-expression engine sees reads one byte).
bool holdsMarker(const std::string& cell) {
  if (text::endsInsideCharacter(cell)) return true;
  for (size_t at = 0; at < cell.size(); at += text::isLeadByte(static_cast<unsigned char>(cell[at])) ? 2 : 1)
    if (cell[at] == '\x80' || cell[at] == '\xFF') return true;
  for (const char* marker : {"名称：", "时间：", "链接：", "丨"})
    if (text::containsText(cell, marker, true)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string fileText(reinterpret_cast<const char*>(data), size);
  const auto rows = savedFileRows(fileText);
  std::vector<std::string> names;
  allTextsBetween(fileText, "名称：", "时间：", names);
  FUZZ_CHECK(rows.size() == names.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    FUZZ_CHECK(rows[i].size() == 3);
    FUZZ_CHECK(rows[i][0] == names[i]);
  }

  // The input as rows of cells: the bytes cut at 0x01 into cells, three to a row.
  static const std::vector<host::Column> columns = {{"编号", 1}, {"来源", 1}, {"名称", 1}, {"时间", 1}, {"链接", 1}};
  host::ListView list("列表框_采集", nullptr, {}, columns);
  std::vector<std::vector<std::string>> written;
  bool clean = true;
  for (const std::string& chunk : text::splitText(fileText, "\x01")) {
    if (written.empty() || written.back().size() == 3) written.push_back({});
    written.back().push_back(chunk);
  }
  while (!written.empty() && written.back().size() < 3) written.back().push_back("");
  for (const auto& row : written) {
    for (const auto& cell : row) clean = clean && !holdsMarker(cell);
    list.appendRow({"1", "小刀", row[0], row[1], row[2]});
  }
  const std::string saved = savedListText(list);
  if (clean) FUZZ_CHECK(savedFileRows(saved) == written);
  return 0;
}
