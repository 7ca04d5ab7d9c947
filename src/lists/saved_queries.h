#pragma once
// The saved-query store: the folder Ridovi in the run directory, one text file per
// saved list and day, the save page's two lists and its buttons.
//
// A saved file is code page 936 text, one line per row:
//   "名称：" 名称 "时间：" 时间 "链接：" 链接 "丨" CR LF
// 编号 and 来源 are not saved; an empty list gives a file of 0 bytes.
#include <string>
#include <vector>

#include "host/controls.h"
#include "host/shell.h"

// What the save page's routines work on.
struct SavedPage {
  host::Shell& shell;
  host::Control& statusLine;                // 编辑框1
  host::ListView& 列表框_保存文件显示;      // file name, full path (hidden column)
  host::ListView& 列表框_保存内容;          // 名称, 时间, 链接 of the file opened last
  host::FileDialog& 通用对话框1;            // remembers the path chosen last
  std::string runDirectory;                 // without a trailing separator
};

// run directory + "Ridovi".
std::string savedFolder(const std::string& runDirectory);

// The file text of a list of ResultRow cells (名称, 时间, 链接 from columns 2, 3, 4),
// read as one snapshot of the list.
std::string savedListText(const host::ListView& list);

// The rows (名称, 时间, 链接) that a saved file's text shows: one per name.
std::vector<std::vector<std::string>> savedFileRows(const std::string& fileText);

// Rebuilds the saved-files list from the folder (creating the folder when missing):
// every file of any extension, no folders.
void listSavedFiles(SavedPage& page);

// Writes the collect list to Ridovi/Tovi_<MM-DD>.txt (an empty list too), relists
// the folder and reports on the status line; a failed write shows an error box.
void saveCollectList(SavedPage& page, const host::ListView& 列表框_采集);
// The same for the search list into Ridovi/Tovi_搜_<MM-DD>.txt; an empty search list
// does nothing at all.
void saveSearchList(SavedPage& page, const host::ListView& 列表框_搜索);

// Double-click on the saved-files list: shows the selected file's rows.
void showSavedFile(SavedPage& page);
// "导入文件": copies a .txt file chosen in the dialog into the folder.
void importSavedFile(SavedPage& page);
// "删除文件": deletes the selected file after asking.
void deleteSavedFile(SavedPage& page);

// Double-click on the saved-content list, and its menu item "打开链接   ".
void openSavedRowLink(SavedPage& page);
// Its menu item "复制数据   ".
void copySavedRowText(SavedPage& page);

// The texts the store shows.
inline const char* const saveDoneMessage =
    "保存所有数据成功！您也可以在软件的【保存查询】中直接获取列表！双击自动获取！";
inline const char* const saveFailedMessage = "错误！保存文件失败！请检查磁盘空间以及Ridovi文件夹是否可写！";
inline const char* const noFileChosenMessage = "错误！没有选取文件！";
inline const char* const notTxtMessage = "错误！请选择本软件保存的TXT文件！";
inline const char* const importFailedMessage = "错误！导入文件失败！请检查文件是否可读以及Ridovi文件夹是否可写！";
inline const char* const noFileSelectedMessage = "您还没有选择要删除的数据！请点击你要删除的数据后在点击我吧！";
inline const char* const deleteFailedMessage = "错误！删除文件失败！";
inline const char* const importDialogTitle = "请选择本软历史保存的TXT文件";
