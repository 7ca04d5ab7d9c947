#include "lists/share_lists.h"

#include <vector>

#include "lists/find_pages.h"
#include "text/cp936.h"
#include "text/markers.h"
#include "web/http_request.h"

namespace {

using Fields = std::vector<std::string>;

// Each field's pieces in file order; the i-th pieces of all fields make row i. A record
// that lacks a marker makes its field list shorter: the missing cells stay empty
// rather than being read past the end.
std::vector<Fields> fieldLists(const std::string& fileText, const std::vector<const char*>& markers) {
  std::vector<Fields> lists(markers.size() - 1);
  for (size_t f = 0; f + 1 < markers.size(); ++f) allTextsBetween(fileText, markers[f], markers[f + 1], lists[f]);
  return lists;
}

std::string pieceOf(const Fields& list, size_t i) { return i < list.size() ? list[i] : std::string(); }

}  // namespace

void loadShareList(host::ListView& 列表框_分享, const std::string& address) {
  列表框_分享.clearRows();
  const auto lists = fieldLists(httpRequest(address), {"名称：", "丨作者：", "丨联系：", "丨密码：", "丨链接：", "丨"});
  for (size_t i = 0; i < lists[0].size(); ++i)
    列表框_分享.appendRow({lists[0][i], pieceOf(lists[1], i), pieceOf(lists[2], i), pieceOf(lists[3], i), pieceOf(lists[4], i)});
}

void loadWebsiteList(host::ListView& 列表框_分享网站, const std::string& address) {
  列表框_分享网站.clearRows();
  const auto lists = fieldLists(httpRequest(address), {"名称：", "丨时间：", "丨介绍：", "丨网址：", "丨"});
  for (size_t i = 0; i < lists[0].size(); ++i)
    列表框_分享网站.appendRow({text::decimalText(static_cast<long long>(i) + 1), lists[0][i], pieceOf(lists[1], i),
                          pieceOf(lists[2], i), pieceOf(lists[3], i)});
}

void openSharedLink(host::Shell& shell, const host::ListView& 列表框_分享) {
  const int row = 列表框_分享.selectedRow();
  if (row == -1) return;
  host::openUrl(shell, 列表框_分享.cellText(row, 4));
  // An empty password is not "无": it is copied and announced as well.
  const std::string password = 列表框_分享.cellText(row, 3);
  if (password == "无") return;
  shell.setClipboardText(password);
  shell.messageBox(passwordCopiedMessage, host::boxOk, host::defaultBoxTitle);
}

void openWebsiteLink(host::Shell& shell, const host::ListView& 列表框_分享网站) { openRowLink(shell, 列表框_分享网站, 4); }
