#include "lists/saved_queries.h"

#include "host/files.h"
#include "host/status_line.h"
#include "lists/find_pages.h"
#include "text/date_text.h"
#include "text/markers.h"

namespace {

using Cells = std::vector<std::string>;

std::string cellOf(const std::vector<std::string>& list, size_t i) { return i < list.size() ? list[i] : std::string(); }

// Writes the list to Ridovi/<namePart><MM-DD>.txt, relists and reports. The write is
// whole or nothing, so a full disk or a read-only folder leaves the earlier file of the
// day as it was; the user is told instead of being shown the success message.
void saveList(SavedPage& page, const std::string& fileText, const std::string& namePart) {
  const std::string folder = savedFolder(page.runDirectory);
  host::createFolder(folder);
  const bool written = host::writeFileAtomically(host::joinPath(folder, namePart + todayText(0) + ".txt"), fileText);
  listSavedFiles(page);
  if (written)
    host::showStatus(page.statusLine, saveDoneMessage);
  else
    page.shell.messageBox(saveFailedMessage, host::boxError, "错误");
}

// A name (already cut after the last separator) that would not name a file inside
// Ridovi once joined to it.
bool leavesFolder(const std::string& name) {
  return name.empty() || name == "." || name == "..";
}

}  // namespace

std::string savedFolder(const std::string& runDirectory) { return host::joinPath(runDirectory, "Ridovi"); }

std::string savedListText(const host::ListView& list) {
  std::string fileText;
  list.forEachRow([&](int, const Cells& row) {
    fileText += "名称：" + cellOf(row, 2) + "时间：" + cellOf(row, 3) + "链接：" + cellOf(row, 4) + "丨\r\n";
  });
  return fileText;
}

std::vector<std::vector<std::string>> savedFileRows(const std::string& fileText) {
  std::vector<std::string> names, times, links;
  allTextsBetween(fileText, "名称：", "时间：", names);
  allTextsBetween(fileText, "时间：", "链接：", times);
  allTextsBetween(fileText, "链接：", "丨", links);
  // One row per name; a hand-edited file that lacks a marker gives shorter time or
  // link lists, whose missing cells stay empty.
  std::vector<std::vector<std::string>> rows;
  rows.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) rows.push_back({names[i], cellOf(times, i), cellOf(links, i)});
  return rows;
}

void listSavedFiles(SavedPage& page) {
  page.列表框_保存文件显示.clearRows();
  const std::string folder = savedFolder(page.runDirectory);
  if (!host::folderExists(folder)) host::createFolder(folder);
  for (const std::string& name : host::listFiles(folder))
    page.列表框_保存文件显示.appendRow({name, host::joinPath(folder, name)});
}

void saveCollectList(SavedPage& page, const host::ListView& 列表框_采集) {
  saveList(page, savedListText(列表框_采集), "Tovi_");
}

void saveSearchList(SavedPage& page, const host::ListView& 列表框_搜索) {
  const std::string fileText = savedListText(列表框_搜索);
  if (fileText.empty()) return;  // no rows: no file, no listing, no message
  saveList(page, fileText, "Tovi_搜_");
}

void showSavedFile(SavedPage& page) {
  const int row = page.列表框_保存文件显示.selectedRow();
  if (row == -1) return;
  page.列表框_保存内容.clearRows();
  const std::string fileText = host::readFile(page.列表框_保存文件显示.cellText(row, 1)).value_or("");
  for (auto& cells : savedFileRows(fileText)) page.列表框_保存内容.appendRow(std::move(cells));
}

void importSavedFile(SavedPage& page) {
  page.通用对话框1.title = importDialogTitle;
  // After Cancel the dialog still holds the path chosen last, which is copied again.
  const std::string chosen = page.shell.openFileDialog(page.通用对话框1);
  const std::string name = host::fileNameOf(chosen);
  if (leavesFolder(name)) {
    page.shell.messageBox(noFileChosenMessage, host::boxError | host::boxSystemModal, "错误");
    return;
  }
  // The extension is what follows the last "." of the whole path, compared with its
  // case; "." is below every trail byte of code page 936, so a byte search is exact.
  const auto dot = chosen.rfind('.');
  if (dot == std::string::npos || chosen.substr(dot + 1) != "txt") {
    page.shell.messageBox(notTxtMessage, host::boxError | host::boxSystemModal, "错误");
    return;
  }
  const std::string folder = savedFolder(page.runDirectory);
  host::createFolder(folder);
  const bool copied = host::copyFileAtomically(chosen, host::joinPath(folder, name));
  listSavedFiles(page);
  if (!copied) page.shell.messageBox(importFailedMessage, host::boxError, "错误");
}

void deleteSavedFile(SavedPage& page) {
  host::ListView& files = page.列表框_保存文件显示;
  const int row = files.selectedRow();
  if (row == -1) {
    page.shell.messageBox(noFileSelectedMessage, host::boxError, "错误");
    return;
  }
  const std::string question = "您真的要删除" + files.cellText(row, 0) + "这个文件吗？如果是请点击确认！";
  if (page.shell.messageBox(question, host::boxOkCancel | host::boxInformation, "询问") != host::answerOk) return;
  const std::string path = files.cellText(row, 1);
  // A file that is still there after the delete keeps its row, so the list does not
  // claim a removal that did not happen; one already gone loses its row.
  const bool stillThere = !host::deleteFile(path) && (host::fileExists(path) || host::folderExists(path));
  if (stillThere) {
    page.shell.messageBox(deleteFailedMessage, host::boxError, "错误");
    return;
  }
  files.deleteRow(files.selectedRow());
}

void openSavedRowLink(SavedPage& page) { openRowLink(page.shell, page.列表框_保存内容, 2); }

void copySavedRowText(SavedPage& page) { copyRowText(page.shell, page.statusLine, page.列表框_保存内容, 0, 1, 2); }
