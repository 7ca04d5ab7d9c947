// Random skips, stops and refreshes against sources that trickle and drop: no row or
// status after an end, no deadlock, no race (run under ThreadSanitizer too). A page that
// never answers pins one of the demo web's workers per request until it stops, so
// hundreds of those would starve it; the trickling page frees its worker when the
// client hangs up, and holds the walk just as long.
#include <random>

#include "collect/catalogue.h"
#include "collect/collection_run.h"
#include "program_fixture.h"

TEST_F(ProgramTest, StormOfSkipsStopsAndRefreshes) {
  const auto& catalogue = sourceCatalogue();
  writeSettings("[站点地址]\r\n" + catalogue[2].name + "=" + badRoot("slow") + "\r\n" + catalogue[7].name + "=" +
                badRoot("slow") + "\r\n" + catalogue[12].name + "=" + badRoot("drop") + "\r\n" +
                catalogue[13].name + "=" + badRoot("slow") + "\r\n");
  app::Program& p = start();
  std::mt19937 random(20261211);
  for (int i = 0; i < 240; ++i) {
    switch (random() % 3) {
      case 0: skipCurrentSource(p.run); break;
      case 1: stopCollection(p.run); break;
      default: refreshCollection(p.run); break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
  }
  stopCollection(p.run);
  const int rows = p.w.列表框_采集.rowCount();
  const std::string lastStatus = status();
  const std::string settingsRow = p.w.列表框_设置.cellText(0, 2);
  EXPECT_TRUE(host::killAllThreads(10000)) << "a thread did not end";
  EXPECT_EQ(host::liveThreadCount(), 0);
  EXPECT_EQ(p.w.列表框_采集.rowCount(), rows);
  EXPECT_EQ(status(), lastStatus);
  EXPECT_EQ(p.w.列表框_设置.cellText(0, 2), settingsRow);
  for (int r = 0; r < rows; ++r) ASSERT_EQ(p.w.列表框_采集.cellText(r, 0), std::to_string(r + 1));
  EXPECT_TRUE(p.w.刷新采集.enabled() && p.w.停止采集.enabled() && p.w.跳过采集.enabled());

  // Nothing left behind blocks the next run.
  p.settings.write("站点地址", catalogue[2].name, web.root() + "site03/");
  p.settings.write("站点地址", catalogue[7].name, web.root() + "site08/");
  p.settings.write("站点地址", catalogue[12].name, web.root() + "site13/");
  p.settings.write("站点地址", catalogue[13].name, web.root() + "site14/");
  refreshCollection(p.run);
  waitForRun();
  int total = 0;
  for (int n = 1; n <= 40; ++n) total += expectedCount(n);
  EXPECT_EQ(p.w.列表框_采集.rowCount(), total);
}
