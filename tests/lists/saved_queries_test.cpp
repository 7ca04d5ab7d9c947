#include "lists/saved_queries.h"

#include <signal.h>
#include <sys/resource.h>

#include <algorithm>

#include "host/files.h"
#include "lists_fixture.h"
#include "text/date_text.h"

namespace {

std::vector<host::Column> fileColumns() { return {{"文件名称[双击打开]", 130}, {"路径", 0}}; }
std::vector<host::Column> contentColumns() { return {{"名称", 250}, {"时间", 110}, {"链接", 70}}; }

// Paths are code page 936 texts, as everywhere in the program.
void writeBytes(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(host::writeFileAtomically(path, bytes)) << path;
}

struct SavedPageTest : ::testing::Test {
  TemporaryFolder run{"tovi_lists"};
  TemporaryFolder elsewhere{"tovi_lists"};
  host::HeadlessShell shell;
  host::Control statusLine{host::ControlKind::edit, "编辑框1", nullptr, {}, " Toviing：start"};
  host::ListView files{"列表框_保存文件显示", nullptr, {}, fileColumns()};
  host::ListView content{"列表框_保存内容", nullptr, {}, contentColumns()};
  host::FileDialog dialog{"通用对话框1", "", ""};
  host::ListView collect{"列表框_采集", nullptr, {}, resultColumns()};
  host::ListView search{"列表框_搜索", nullptr, {}, resultColumns()};
  SavedPage page{shell, statusLine, files, content, dialog, run.path()};

  std::string ridovi() const { return run.path() + "/Ridovi"; }
  std::string todaysFile(const std::string& part = "Tovi_") const { return part + todayText(0) + ".txt"; }
  std::vector<std::string> listedNames() const {
    std::vector<std::string> names;
    for (const auto& row : rowsOf(files)) names.push_back(row[0]);
    std::sort(names.begin(), names.end());
    return names;
  }
  int rowOf(const std::string& name) const {
    for (int r = 0; r < files.rowCount(); ++r)
      if (files.cellText(r, 0) == name) return r;
    return -1;
  }
  void open(const std::string& name) {
    files.setSelectedRow(rowOf(name));
    showSavedFile(page);
  }
};

const Rows twoRows = {{"1", "小刀", "标题一", "2018-05-30", "http://a/1"},
                      {"2", "深蓝", "Title 2", "2018-05-30", "http://b/2"}};

TEST_F(SavedPageTest, SavedFileHoldsOneCp936LinePerRowAndReadsBack) {
  fill(collect, twoRows);
  saveCollectList(page, collect);

  const std::string name = todaysFile();
  ASSERT_EQ(rowsOf(files), (Rows{{name, ridovi() + "/" + name}}));
  const std::string bytes = host::readFile(ridovi() + "/" + name).value_or("missing");
  EXPECT_EQ(bytes,
            "名称：标题一时间：2018-05-30链接：http://a/1丨\r\n"
            "名称：Title 2时间：2018-05-30链接：http://b/2丨\r\n");
  // "名称：" and "丨" as code page 936 bytes
  EXPECT_EQ(bytes.substr(0, 6), "\xC3\xFB\xB3\xC6\xA3\xBA");
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "\xD8\xAD\r\n");
  EXPECT_EQ(statusLine.text(),
            " Toviing：保存所有数据成功！您也可以在软件的【保存查询】中直接获取列表！双击自动获取！");
  EXPECT_TRUE(shell.boxes().empty());

  open(name);
  EXPECT_EQ(rowsOf(content), (Rows{{"标题一", "2018-05-30", "http://a/1"}, {"Title 2", "2018-05-30", "http://b/2"}}));
}

TEST_F(SavedPageTest, SecondSaveOfTheDayReplacesTheFirst) {
  fill(collect, twoRows);
  saveCollectList(page, collect);
  collect.clearRows();
  fill(collect, {{"1", "QQ", "新的", "2018-05-31", "http://c/3"}});
  saveCollectList(page, collect);
  EXPECT_EQ(listedNames(), (std::vector<std::string>{todaysFile()}));
  EXPECT_EQ(host::readFile(ridovi() + "/" + todaysFile()), "名称：新的时间：2018-05-31链接：http://c/3丨\r\n");
}

TEST_F(SavedPageTest, EmptyCollectListSavesAnEmptyFileButEmptySearchListNothing) {
  saveSearchList(page, search);
  EXPECT_FALSE(host::folderExists(ridovi()));
  EXPECT_EQ(statusLine.text(), " Toviing：start");

  saveCollectList(page, collect);
  EXPECT_EQ(host::readFile(ridovi() + "/" + todaysFile()), "");
  EXPECT_EQ(listedNames(), (std::vector<std::string>{todaysFile()}));
  EXPECT_NE(statusLine.text().find("保存所有数据成功"), std::string::npos);

  fill(search, twoRows);
  saveSearchList(page, search);
  EXPECT_EQ(host::readFile(ridovi() + "/" + todaysFile("Tovi_搜_")),
            "名称：标题一时间：2018-05-30链接：http://a/1丨\r\n名称：Title 2时间：2018-05-30链接：http://b/2丨\r\n");
  EXPECT_EQ(listedNames(), (std::vector<std::string>{todaysFile(), todaysFile("Tovi_搜_")}));
}

TEST_F(SavedPageTest, FailedSaveKeepsTheEarlierFileAndSaysSo) {
  fill(collect, twoRows);
  saveCollectList(page, collect);
  const std::string earlier = host::readFile(ridovi() + "/" + todaysFile()).value_or("");
  statusLine.setText("");

  // A file size limit below the new text makes the write fail as a full disk would.
  for (int i = 0; i < 200; ++i) collect.appendRow({"3", "QQ", std::string(100, 'x'), "2018-05-30", "http://c/"});
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  saveCollectList(page, collect);
  setrlimit(RLIMIT_FSIZE, &old);

  EXPECT_EQ(host::readFile(ridovi() + "/" + todaysFile()), earlier);
  EXPECT_EQ(listedNames(), (std::vector<std::string>{todaysFile()})) << "no temporary file is left";
  EXPECT_EQ(statusLine.text(), "");
  ASSERT_EQ(shell.boxes().size(), 1u);
  EXPECT_EQ(shell.boxes()[0].style, 16);
  EXPECT_EQ(shell.boxes()[0].title, "错误");
}

TEST_F(SavedPageTest, FolderInTheWayOfRidoviGivesAnErrorNotSuccess) {
  writeBytes(ridovi(), "a file where the folder should be");
  fill(collect, twoRows);
  saveCollectList(page, collect);
  EXPECT_TRUE(rowsOf(files).empty());
  EXPECT_EQ(statusLine.text(), " Toviing：start");
  ASSERT_EQ(shell.boxes().size(), 1u);
  EXPECT_EQ(shell.boxes()[0].text, saveFailedMessage);
}

TEST_F(SavedPageTest, ListingShowsFilesOfAnyKindButNoFolders) {
  ASSERT_TRUE(host::createFolder(ridovi()));
  ASSERT_TRUE(host::createFolder(ridovi() + "/子文件夹"));
  writeBytes(ridovi() + "/笔记.log", "x");
  writeBytes(ridovi() + "/.hidden", "");
  writeBytes(ridovi() + "/Tovi_05-30.txt", "");
  listSavedFiles(page);
  EXPECT_EQ(listedNames(), (std::vector<std::string>{".hidden", "Tovi_05-30.txt", "笔记.log"}));
  const int row = rowOf("笔记.log");
  EXPECT_EQ(files.cellText(row, 1), ridovi() + "/笔记.log");

  // A missing folder is created and listed empty.
  TemporaryFolder fresh{"tovi_lists"};
  SavedPage other{shell, statusLine, files, content, dialog, fresh.path()};
  listSavedFiles(other);
  EXPECT_TRUE(rowsOf(files).empty());
  EXPECT_TRUE(host::folderExists(fresh.path() + "/Ridovi"));
}

TEST_F(SavedPageTest, ShowingAFileMakesOneRowPerNameWithEmptyCellsForMissingMarkers) {
  ASSERT_TRUE(host::createFolder(ridovi()));
  struct Case {
    std::string bytes;
    Rows rows;
  };
  const std::vector<Case> cases = {
      {"名称：A时间：1链接：L丨\r\n名称：B时间：2\r\n名称：C", {{"A", "1", "L"}, {"B", "", ""}}},
      {"名称：多行\r\n名字时间：t链接：l丨", {{"多行\r\n名字", "t", "l"}}},
      {"no markers at all", {}},
      {"", {}},
  };
  for (const auto& c : cases) {
    writeBytes(ridovi() + "/hand.txt", c.bytes);
    listSavedFiles(page);
    content.appendRow({"stale", "", ""});
    open("hand.txt");
    EXPECT_EQ(rowsOf(content), c.rows) << c.bytes;
  }

  // Without a selection nothing changes; a file gone meanwhile shows no rows.
  files.setSelectedRow(-1);
  showSavedFile(page);
  EXPECT_TRUE(rowsOf(content).empty());
  writeBytes(ridovi() + "/hand.txt", "名称：A时间：1链接：L丨");
  open("hand.txt");
  ASSERT_EQ(content.rowCount(), 1);
  files.setSelectedRow(-1);
  showSavedFile(page);
  EXPECT_EQ(content.rowCount(), 1);
  std::filesystem::remove(ridovi() + "/hand.txt");
  open("hand.txt");
  EXPECT_TRUE(rowsOf(content).empty());
}

TEST_F(SavedPageTest, ImportCopiesOnlyTxtFilesAndRefusesEverythingElse) {
  const std::string source = elsewhere.path() + "/in.txt";
  writeBytes(source, "名称：导入时间：t链接：l丨\r\n");
  writeBytes(elsewhere.path() + "/upper.TXT", "x");
  writeBytes(elsewhere.path() + "/nodot", "x");
  const std::string chooseNothing = "";  // Cancel

  struct Case {
    std::string choice;
    std::string box;  // empty: imported
  };
  const std::vector<Case> cases = {
      {chooseNothing, noFileChosenMessage},  // cancel before any choice
      {elsewhere.path() + "/upper.TXT", notTxtMessage},
      {elsewhere.path() + "/nodot", notTxtMessage},
      {elsewhere.path() + "/", noFileChosenMessage},
      {elsewhere.path() + "/..", noFileChosenMessage},
      {elsewhere.path() + "/.", noFileChosenMessage},
      {elsewhere.path() + "/../" + std::filesystem::path(elsewhere.path()).filename().string() + "/in.txt", ""},
      {elsewhere.path() + "/missing.txt", importFailedMessage},
  };
  for (const auto& c : cases) {
    shell.dialogChoices = {c.choice};
    const size_t boxesBefore = shell.boxes().size();
    importSavedFile(page);
    const auto boxes = shell.boxes();
    if (c.box.empty()) {
      EXPECT_EQ(boxes.size(), boxesBefore) << c.choice;
      continue;
    }
    ASSERT_EQ(boxes.size(), boxesBefore + 1) << c.choice;
    EXPECT_EQ(boxes.back().text, c.box) << c.choice;
    const int style = c.box == importFailedMessage ? 16 : 4112;
    EXPECT_EQ(boxes.back().style, style) << c.choice;
    EXPECT_EQ(boxes.back().title, "错误") << c.choice;
  }
  EXPECT_EQ(dialog.title, "请选择本软历史保存的TXT文件");
  EXPECT_EQ(listedNames(), (std::vector<std::string>{"in.txt"}));
  EXPECT_EQ(host::readFile(ridovi() + "/in.txt"), "名称：导入时间：t链接：l丨\r\n");
  EXPECT_FALSE(std::filesystem::exists(run.path() + "/in.txt"));
}

TEST_F(SavedPageTest, ImportReplacesASameNamedFileAndCancelCopiesTheLastChoiceAgain) {
  ASSERT_TRUE(host::createFolder(ridovi()));
  writeBytes(ridovi() + "/Tovi_05-30.txt", "old");
  const std::string source = elsewhere.path() + "/Tovi_05-30.txt";
  writeBytes(source, "new");
  shell.dialogChoices = {source};
  importSavedFile(page);
  EXPECT_EQ(host::readFile(ridovi() + "/Tovi_05-30.txt"), "new");

  writeBytes(source, "newer");
  shell.dialogChoices = {""};  // Cancel keeps the path chosen last
  importSavedFile(page);
  EXPECT_EQ(host::readFile(ridovi() + "/Tovi_05-30.txt"), "newer");
  EXPECT_TRUE(shell.boxes().empty());
  EXPECT_EQ(listedNames(), (std::vector<std::string>{"Tovi_05-30.txt"}));
}

TEST_F(SavedPageTest, DeleteAsksFirstAndKeepsEverythingOnCancel) {
  deleteSavedFile(page);
  ASSERT_EQ(shell.boxes().size(), 1u);
  EXPECT_EQ(shell.boxes()[0].text, "您还没有选择要删除的数据！请点击你要删除的数据后在点击我吧！");
  EXPECT_EQ(shell.boxes()[0].style, 16);
  EXPECT_EQ(shell.boxes()[0].title, "错误");

  ASSERT_TRUE(host::createFolder(ridovi()));
  writeBytes(ridovi() + "/a.txt", "a");
  writeBytes(ridovi() + "/b.txt", "b");
  listSavedFiles(page);
  files.setSelectedRow(rowOf("b.txt"));
  shell.boxAnswers = {1};  // Cancel
  deleteSavedFile(page);
  ASSERT_EQ(shell.boxes().size(), 2u);
  EXPECT_EQ(shell.boxes()[1].text, "您真的要删除b.txt这个文件吗？如果是请点击确认！");
  EXPECT_EQ(shell.boxes()[1].style, 65);
  EXPECT_EQ(shell.boxes()[1].title, "询问");
  EXPECT_TRUE(host::fileExists(ridovi() + "/b.txt"));
  EXPECT_EQ(listedNames(), (std::vector<std::string>{"a.txt", "b.txt"}));

  shell.boxAnswers = {0};
  deleteSavedFile(page);
  EXPECT_FALSE(host::fileExists(ridovi() + "/b.txt"));
  EXPECT_EQ(listedNames(), (std::vector<std::string>{"a.txt"}));
  EXPECT_TRUE(host::fileExists(ridovi() + "/a.txt"));

  // A file already gone loses its row without complaint.
  files.setSelectedRow(0);
  std::filesystem::remove(ridovi() + "/a.txt");
  deleteSavedFile(page);
  EXPECT_TRUE(rowsOf(files).empty());
  EXPECT_EQ(shell.boxes().size(), 4u);
}

TEST_F(SavedPageTest, DeleteThatFailsKeepsTheRow) {
  ASSERT_TRUE(host::createFolder(ridovi()));
  ASSERT_TRUE(host::createFolder(ridovi() + "/x"));
  // A listed path that names a non-empty folder cannot be unlinked.
  writeBytes(ridovi() + "/x/inside", "");
  files.appendRow({"x", ridovi() + "/x"});
  files.setSelectedRow(0);
  deleteSavedFile(page);
  EXPECT_EQ(files.rowCount(), 1);
  ASSERT_EQ(shell.boxes().size(), 2u);
  EXPECT_EQ(shell.boxes()[1].text, deleteFailedMessage);
}

TEST_F(SavedPageTest, SavedContentActionsUseItsThreeColumns) {
  content.appendRow({"名", "时", "http://saved/1"});
  openSavedRowLink(page);
  EXPECT_TRUE(shell.openedAddresses().empty());
  copySavedRowText(page);
  EXPECT_EQ(shell.clipboard(), "名称：\r\n时间：\r\n链接：");
  content.setSelectedRow(0);
  openSavedRowLink(page);
  EXPECT_EQ(shell.openedAddresses(), (std::vector<std::string>{"http://saved/1"}));
  copySavedRowText(page);
  EXPECT_EQ(shell.clipboard(), "名称：名\r\n时间：时\r\n链接：http://saved/1");
  EXPECT_NE(statusLine.text().find("复制数据完毕"), std::string::npos);
}

}  // namespace
