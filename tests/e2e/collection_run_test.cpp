// Whole collection runs over the demo web, through the headless front-end.
#include "collect/catalogue.h"
#include "collect/collection_run.h"
#include "program_fixture.h"
#include "settings/settings_page.h"

namespace {

std::string countOf(app::Program& p, const std::string& name) {
  for (int r = 0; r < p.w.列表框_设置.rowCount(); ++r)
    if (p.w.列表框_设置.cellText(r, 0) == name) return p.w.列表框_设置.cellText(r, 2);
  return "(no row)";
}

// Every row's 编号 is its 1-based place: rows of ended runs never mix in.
void expectNumberedInOrder(const host::ListView& list) {
  for (int r = 0; r < list.rowCount(); ++r) ASSERT_EQ(list.cellText(r, 0), std::to_string(r + 1)) << "row " << r;
}

const std::string& nameOf(int sourceNumber) { return sourceCatalogue()[sourceNumber - 1].name; }

}  // namespace

TEST_F(ProgramTest, AWholeRunCollectsEverySourceInWalkOrder) {
  app::Program& p = start();
  waitForRun();
  int total = 0;
  for (int n = 1; n <= 40; ++n) {
    total += expectedCount(n);
    EXPECT_EQ(countOf(p, nameOf(n)), std::to_string(expectedCount(n))) << nameOf(n);
  }
  ASSERT_EQ(p.w.列表框_采集.rowCount(), total);
  expectNumberedInOrder(p.w.列表框_采集);
  EXPECT_EQ(p.w.列表框_采集.cellText(0, 1), "小刀");
  EXPECT_EQ(p.w.列表框_采集.cellText(total - 1, 1), "小叶");
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
  EXPECT_FALSE(p.w.图片框4.visible());
  EXPECT_EQ(p.w.组合框_来源选择.itemText(0), "请选择来源");
  EXPECT_EQ(p.w.组合框_来源选择.itemText(1), "小刀");
  EXPECT_EQ(p.w.组合框_来源选择.selectedItem(), 0);
  EXPECT_EQ(p.w.列表框_设置.rowCount(), 40);
  EXPECT_GT(p.w.列表框_分享.rowCount(), 0);
  EXPECT_GT(p.w.列表框_分享网站.rowCount(), 0);
}

TEST_F(ProgramTest, SourcesNotSetToCollectArePassedOver) {
  app::Program& p = start();
  waitForRun();
  // A value with a trailing space is written quoted so that it reads back exactly.
  p.settings.write("项目配置", nameOf(1), "禁止");
  p.settings.write("项目配置", nameOf(2), "获取 ");
  refreshCollection(p.run);
  waitForRun();
  for (int r = 0; r < p.w.列表框_采集.rowCount(); ++r) {
    ASSERT_NE(p.w.列表框_采集.cellText(r, 1), "小刀");
    ASSERT_NE(p.w.列表框_采集.cellText(r, 1), "QQ国际");
  }
  EXPECT_EQ(countOf(p, nameOf(1)), "请等待获取");
  EXPECT_EQ(countOf(p, nameOf(2)), "请等待获取");
  EXPECT_EQ(p.w.列表框_采集.cellText(0, 1), "深蓝");
  expectNumberedInOrder(p.w.列表框_采集);
}

TEST_F(ProgramTest, SkipFreesTheWalkFromASourceThatNeverAnswers) {
  writeSettings("[站点地址]\r\n" + nameOf(3) + "=" + badRoot("never") + "\r\n");
  app::Program& p = start();
  ASSERT_TRUE(waitForWorker(nameOf(3)));
  skipCurrentSource(p.run);
  waitForRun();
  EXPECT_EQ(countOf(p, nameOf(3)), "0");
  // The rows of the sources before stay; the next source's rows continue the numbering.
  const int before3 = expectedCount(1) + expectedCount(2);
  EXPECT_EQ(p.w.列表框_采集.cellText(before3, 1), "小高");
  expectNumberedInOrder(p.w.列表框_采集);
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
  EXPECT_TRUE(p.w.跳过采集.enabled());
}

TEST_F(ProgramTest, StopEndsTheRunAtOnceAndLeavesNothingBehind) {
  writeSettings("[站点地址]\r\n" + nameOf(3) + "=" + badRoot("never") + "\r\n");
  app::Program& p = start();
  ASSERT_TRUE(waitForStatus(collectingMessage(nameOf(3))));
  stopCollection(p.run);
  const int rows = p.w.列表框_采集.rowCount();
  EXPECT_EQ(rows, expectedCount(1) + expectedCount(2));
  EXPECT_EQ(status(), std::string(host::statusPrefix) + stoppedMessage);
  EXPECT_FALSE(p.w.图片框4.visible());
  EXPECT_TRUE(p.w.停止采集.enabled());
  EXPECT_EQ(countOf(p, nameOf(3)), "请等待获取");
  EXPECT_EQ(p.w.组合框_来源选择.itemText(0), "请选择来源");
  EXPECT_TRUE(host::killAllThreads(5000));  // the blocked request was aborted
  EXPECT_EQ(p.w.列表框_采集.rowCount(), rows);
  EXPECT_EQ(status(), std::string(host::statusPrefix) + stoppedMessage);
}

TEST_F(ProgramTest, RefreshDuringARunStartsAgainFromOne) {
  writeSettings("[站点地址]\r\n" + nameOf(3) + "=" + badRoot("never") + "\r\n");
  app::Program& p = start();
  ASSERT_TRUE(waitForStatus(collectingMessage(nameOf(3))));
  p.settings.write("项目配置", nameOf(3), "禁止");
  refreshCollection(p.run);
  EXPECT_TRUE(p.w.刷新采集.enabled());
  waitForRun();
  int total = 0;
  for (int n = 1; n <= 40; ++n) total += n == 3 ? 0 : expectedCount(n);
  EXPECT_EQ(p.w.列表框_采集.rowCount(), total);
  expectNumberedInOrder(p.w.列表框_采集);
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
}

TEST_F(ProgramTest, ARunWithEverySourceOff) {
  app::Program& p = start();
  waitForRun();
  setAllSourcesOff(p.settingsPage);
  refreshCollection(p.run);
  waitForRun();
  EXPECT_EQ(p.w.列表框_采集.rowCount(), 0);
  for (int n = 1; n <= 40; ++n) EXPECT_EQ(countOf(p, nameOf(n)), "请等待获取");
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
  EXPECT_EQ(p.w.组合框_来源选择.itemText(p.w.组合框_来源选择.itemCount() - 1), "请选择来源");
}

TEST_F(ProgramTest, SkipWithNoSourceBeingCollectedChangesNothing) {
  app::Program& p = start();
  waitForRun();
  const std::string before = countOf(p, nameOf(40));
  skipCurrentSource(p.run);
  EXPECT_EQ(countOf(p, nameOf(40)), before);
  EXPECT_TRUE(p.w.跳过采集.enabled());
}
