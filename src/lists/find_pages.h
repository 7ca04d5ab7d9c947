#pragma once
// The collect, find and search pages: the source selector, the two filters that copy
// rows of the collect list into the find list, and the open/copy actions on a row.
// Every list here holds ResultRow cells: 编号, 来源, 名称, 时间, 链接.
#include <string>

#include "host/controls.h"
#include "host/shell.h"

// The controls of the find page, with the collect list it copies from.
struct FindPage {
  host::ListView& 列表框_采集;
  host::ListView& 列表框_查找;
  host::ComboBox& 组合框_来源选择;
  host::Control& 编辑框_查找内容;
};

// Appends the prompt "请选择来源" and then every 来源 of the collect list not yet
// contained in the texts added by this fill, and makes item 0 current without a pick
// event. The selector is never emptied: it grows with every fill.
void fillSourceSelector(const host::ListView& 列表框_采集, host::ComboBox& 组合框_来源选择);

// The user picked an item of the selector: the find list gets every collect row
// whose 来源 contains the item's text, numbered from 1; the prompt (item 0) only
// empties the find list. The keyword box is emptied either way.
void findBySource(FindPage& page);

// The find page's button: the find list gets every collect row whose 名称 contains
// the keyword, letters A-Z folded; the selector goes back to its first prompt.
void findByKeyword(FindPage& page);

// Opens the selected row's link in the browser; nothing without a selection.
void openRowLink(host::Shell& shell, const host::ListView& list, int linkColumn = 4);

// Puts "名称：…\r\n时间：…\r\n链接：…" of the selected row on the clipboard (empty
// values without a selection) and says so on the status line.
void copyRowText(host::Shell& shell, host::Control& statusLine, const host::ListView& list,
                 int nameColumn = 2, int timeColumn = 3, int linkColumn = 4);

// The status message that copyRowText shows.
inline const char* const copyDoneMessage =
    "复制数据完毕一共复制了名称、时间、链接的数据，请您按Ctrl键+V键粘贴（或右击粘贴）";
