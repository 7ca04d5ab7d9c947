#include "lists/find_pages.h"

#include <atomic>
#include <thread>

#include "host/status_line.h"
#include "lists_fixture.h"

namespace {

struct FindPageTest : ::testing::Test {
  host::ListView collect{"列表框_采集", nullptr, {}, resultColumns()};
  host::ListView found{"列表框_查找", nullptr, {}, resultColumns()};
  host::ComboBox selector{host::ControlKind::comboBox, "组合框_来源选择", nullptr, {}};
  host::Control keywordBox{host::ControlKind::edit, "编辑框_查找内容", nullptr, {}};
  host::Control statusLine{host::ControlKind::edit, "编辑框1", nullptr, {}};
  host::HeadlessShell shell;
  FindPage page{collect, found, selector, keywordBox};
  int picks = 0;

  void SetUp() override {
    selector.onPick = [this] {
      ++picks;
      findBySource(page);
    };
  }
  void collectSources(const std::vector<std::string>& sources) {
    int n = 0;
    for (const auto& source : sources) {
      ++n;
      collect.appendRow({std::to_string(n), source, "标题" + std::to_string(n), "2018-05-30", "http://a/" + std::to_string(n)});
    }
  }
  void collectNames(const std::vector<std::string>& names) {
    int n = 0;
    for (const auto& name : names) {
      ++n;
      collect.appendRow({std::to_string(n), "小刀", name, "2018-05-30", "http://a/" + std::to_string(n)});
    }
  }
  std::vector<std::string> foundColumn(int column) const {
    std::vector<std::string> cells;
    for (const auto& row : rowsOf(found)) cells.push_back(row[column]);
    return cells;
  }
};

TEST_F(FindPageTest, SelectorAddsEachSourceOnceByContainment) {
  struct Case {
    std::vector<std::string> sources;
    std::vector<std::string> items;
  };
  const std::vector<Case> cases = {
      {{}, {"请选择来源"}},
      {{"小刀", "深蓝", "小刀", "QQ国际"}, {"请选择来源", "小刀", "深蓝", "QQ国际"}},
      // a source that is part of one added before is left out; the other way round not
      {{"QQ国际", "QQ"}, {"请选择来源", "QQ国际"}},
      {{"QQ", "QQ国际"}, {"请选择来源", "QQ", "QQ国际"}},
      // an empty source is added only while nothing has been added yet
      {{"", "小刀", ""}, {"请选择来源", "", "小刀"}},
      {{"小刀", ""}, {"请选择来源", "小刀"}},
  };
  for (const auto& c : cases) {
    host::ListView list{"列表框_采集", nullptr, {}, resultColumns()};
    host::ComboBox combo{host::ControlKind::comboBox, "组合框_来源选择", nullptr, {}};
    for (const auto& source : c.sources) list.appendRow({"1", source, "名", "时", "http://a/"});
    fillSourceSelector(list, combo);
    EXPECT_EQ(combo.items(), c.items) << "sources: " << c.sources.size();
    EXPECT_EQ(combo.selectedItem(), 0);
  }
}

TEST_F(FindPageTest, SelectorOnlyGrowsAndFillingRaisesNoPick) {
  collectSources({"小刀", "深蓝"});
  found.appendRow({"1", "深蓝", "kept", "", ""});
  fillSourceSelector(collect, selector);
  selector.pick(2);
  ASSERT_EQ(foundColumn(2), (std::vector<std::string>{"标题2"}));
  fillSourceSelector(collect, selector);
  EXPECT_EQ(selector.items(), (std::vector<std::string>{"请选择来源", "小刀", "深蓝", "请选择来源", "小刀", "深蓝"}));
  EXPECT_EQ(selector.selectedItem(), 0);
  EXPECT_EQ(picks, 1);
  EXPECT_EQ(foundColumn(2), (std::vector<std::string>{"标题2"})) << "a fill leaves the find list alone";

  // The first prompt only empties the list; the second one is searched for like a
  // source and matches nothing.
  keywordBox.setText("标题");
  selector.pick(0);
  EXPECT_TRUE(rowsOf(found).empty());
  EXPECT_EQ(keywordBox.text(), "");
  found.appendRow({"1", "深蓝", "kept", "", ""});
  selector.pick(3);
  EXPECT_TRUE(rowsOf(found).empty());
}

TEST_F(FindPageTest, PickingASourceCopiesContainingRowsNumberedFromOne) {
  collectSources({"QQ", "小刀", "QQ国际", "QQ"});
  fillSourceSelector(collect, selector);
  ASSERT_EQ(selector.items(), (std::vector<std::string>{"请选择来源", "QQ", "小刀", "QQ国际"}));
  keywordBox.setText("something");
  selector.pick(1);
  EXPECT_EQ(rowsOf(found), (Rows{{"1", "QQ", "标题1", "2018-05-30", "http://a/1"},
                                 {"2", "QQ国际", "标题3", "2018-05-30", "http://a/3"},
                                 {"3", "QQ", "标题4", "2018-05-30", "http://a/4"}}));
  EXPECT_EQ(keywordBox.text(), "");
  selector.pick(2);
  EXPECT_EQ(rowsOf(found), (Rows{{"1", "小刀", "标题2", "2018-05-30", "http://a/2"}}));
}

TEST_F(FindPageTest, KeywordMatchesNamesFoldingOnlyAsciiOnCharacterBoundaries) {
  // "乹" is 81 71: its trail byte is the letter q.
  collectNames({"QQ辅助", "好用的qq工具", "", "深蓝教程", "乹Q", "乹q辅助", "ＱＱ全角"});
  struct Case {
    std::string keyword;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {"qq", {"QQ辅助", "好用的qq工具"}},
      {"Qq", {"QQ辅助", "好用的qq工具"}},
      {"教程", {"深蓝教程"}},
      {"辅助", {"QQ辅助", "乹q辅助"}},
      {"乹", {"乹Q", "乹q辅助"}},
      {"q辅", {"QQ辅助", "乹q辅助"}},
      {"ｑｑ", {}},  // full-width letters are not folded
      {"", {"QQ辅助", "好用的qq工具", "深蓝教程", "乹Q", "乹q辅助", "ＱＱ全角"}},
      {"x", {}},
  };
  for (const auto& c : cases) {
    keywordBox.setText(c.keyword);
    findByKeyword(page);
    EXPECT_EQ(foundColumn(2), c.names) << "keyword: " << c.keyword;
    std::vector<std::string> numbers;
    for (size_t i = 1; i <= c.names.size(); ++i) numbers.push_back(std::to_string(i));
    EXPECT_EQ(foundColumn(0), numbers) << "keyword: " << c.keyword;
  }
}

TEST_F(FindPageTest, KeywordSearchReturnsTheSelectorToItsPrompt) {
  collectSources({"小刀", "深蓝"});
  fillSourceSelector(collect, selector);
  selector.pick(2);
  keywordBox.setText("标题1");
  findByKeyword(page);
  EXPECT_EQ(selector.selectedItem(), 0);
  EXPECT_EQ(rowsOf(found), (Rows{{"1", "小刀", "标题1", "2018-05-30", "http://a/1"}}));
  EXPECT_EQ(picks, 1);
}

TEST_F(FindPageTest, OpenRowLinkNeedsASelectedRow) {
  collectSources({"小刀", "深蓝"});
  openRowLink(shell, collect);
  EXPECT_TRUE(shell.openedAddresses().empty());
  collect.setSelectedRow(1);
  openRowLink(shell, collect);
  collect.setCell(0, 4, "file:///etc/passwd");
  collect.setSelectedRow(0);
  openRowLink(shell, collect);
  EXPECT_EQ(shell.openedAddresses(), (std::vector<std::string>{"http://a/2"}));
}

TEST_F(FindPageTest, CopyRowTextPutsThreeCrLfLinesOnTheClipboard) {
  copyRowText(shell, statusLine, collect);
  EXPECT_EQ(shell.clipboard(), "\xC3\xFB\xB3\xC6\xA3\xBA\r\n\xCA\xB1\xBC\xE4\xA3\xBA\r\n\xC1\xB4\xBD\xD3\xA3\xBA");
  EXPECT_EQ(statusLine.text(),
            " Toviing：复制数据完毕一共复制了名称、时间、链接的数据，请您按Ctrl键+V键粘贴（或右击粘贴）");

  collectSources({"小刀"});
  collect.setSelectedRow(0);
  copyRowText(shell, statusLine, collect);
  EXPECT_EQ(shell.clipboard(), "名称：标题1\r\n时间：2018-05-30\r\n链接：http://a/1");
}

TEST_F(FindPageTest, FiltersSeeEveryCollectRowWholeWhileACollectionRuns) {
  // A collection thread refreshes and appends while the user searches: every row that
  // reaches the find list must be one collect row, never cells of two.
  std::atomic<bool> done{false};
  std::thread collection([&] {
    for (int run = 0; !done; ++run) {
      collect.clearRows();
      for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(run) + "_" + std::to_string(i);
        collect.appendRow({n, "小刀", "标题" + n, "2018-05-30", "http://a/" + n});
      }
    }
  });
  int mixedRows = 0;
  for (int search = 0; search < 400; ++search) {
    keywordBox.setText("标题");
    findByKeyword(page);
    const Rows rows = rowsOf(found);
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i][0] != std::to_string(i + 1) || rows[i][4].size() < 9 || "标题" + rows[i][4].substr(9) != rows[i][2])
        ++mixedRows;
  }
  done = true;
  collection.join();
  EXPECT_EQ(mixedRows, 0);
}

}  // namespace
