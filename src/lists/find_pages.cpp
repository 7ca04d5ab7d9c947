#include "lists/find_pages.h"

#include <vector>

#include "host/status_line.h"
#include "text/cp936.h"

namespace {

using Cells = std::vector<std::string>;

// Copies the collect rows that `keep` accepts into the find list, numbered from 1.
// The collect list is read as one snapshot: rows a running collection appends or a
// refresh clears meanwhile are not half seen.
template <typename Keep>
void copyMatchingRows(const host::ListView& from, host::ListView& to, Keep keep) {
  std::vector<Cells> matches;
  from.forEachRow([&](int, const Cells& row) {
    if (keep(row)) matches.push_back(row);
  });
  long n = 0;
  for (const Cells& row : matches) {
    auto cell = [&](size_t column) { return column < row.size() ? row[column] : std::string(); };
    to.appendRow({text::decimalText(++n), cell(1), cell(2), cell(3), cell(4)});
  }
}

}  // namespace

void fillSourceSelector(const host::ListView& 列表框_采集, host::ComboBox& 组合框_来源选择) {
  // Uniqueness is by containment in the texts added so far: a label that is part of
  // an earlier one ("QQ" after "QQ国际") is not added again.
  std::string listText;
  列表框_采集.forEachRow([&](int, const Cells& row) {
    const std::string source = row.size() > 1 ? row[1] : std::string();
    if (!text::containsText(listText, source)) listText += source + "\r\n";
  });
  for (const std::string& item : text::splitText("请选择来源\r\n" + listText, "\r\n")) 组合框_来源选择.addItem(item);
  组合框_来源选择.setSelectedItem(0);
}

void findBySource(FindPage& page) {
  page.编辑框_查找内容.setText("");
  const int current = page.组合框_来源选择.selectedItem();
  page.列表框_查找.clearRows();
  if (current == 0) return;
  // Read once: the selector only changes on this thread or at the end of a run, and a
  // fill arriving midway must not switch the filter for the rest of the rows.
  const std::string source = page.组合框_来源选择.itemText(current);
  copyMatchingRows(page.列表框_采集, page.列表框_查找,
                   [&](const Cells& row) { return row.size() > 1 && text::containsText(row[1], source); });
}

void findByKeyword(FindPage& page) {
  page.列表框_查找.clearRows();
  page.组合框_来源选择.setSelectedItem(0);
  const std::string keyword = page.编辑框_查找内容.text();
  // An empty keyword is contained in every non-empty 名称 and in no empty one.
  copyMatchingRows(page.列表框_采集, page.列表框_查找,
                   [&](const Cells& row) { return row.size() > 2 && text::containsText(row[2], keyword, true); });
}

void openRowLink(host::Shell& shell, const host::ListView& list, int linkColumn) {
  const int row = list.selectedRow();
  if (row == -1) return;
  host::openUrl(shell, list.cellText(row, linkColumn));
}

void copyRowText(host::Shell& shell, host::Control& statusLine, const host::ListView& list, int nameColumn,
                 int timeColumn, int linkColumn) {
  // Without a selection row -1 gives empty cells, so the bare layout is copied.
  const int row = list.selectedRow();
  shell.setClipboardText("名称：" + list.cellText(row, nameColumn) + "\r\n时间：" + list.cellText(row, timeColumn) +
                         "\r\n链接：" + list.cellText(row, linkColumn));
  host::showStatus(statusLine, copyDoneMessage);
}
