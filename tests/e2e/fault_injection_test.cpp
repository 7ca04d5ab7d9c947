// Sources that misbehave on purpose: the walk goes on, every other source's rows are
// complete, nothing crashes, and a huge page does not take the memory with it.
#include <sys/resource.h>

#include "collect/catalogue.h"
#include "collect/collection_run.h"
#include "program_fixture.h"

namespace {
// Bare-host sources, whose page address is exactly the site root without its "/".
const std::pair<int, const char*> faults[] = {
    {13, "drop"}, {14, "loop"}, {15, "huge"}, {17, "garbage"}, {19, "badutf8"}, {21, "halfgbk"}, {22, "redirect"},
};
}  // namespace

TEST_F(ProgramTest, MisbehavingSourcesCostOnlyTheirOwnRows) {
  const auto& catalogue = sourceCatalogue();
  std::string lines = "[站点地址]\r\n" + catalogue[7].name + "=" + badRoot("slow") + "\r\n";
  for (auto [n, bad] : faults) lines += catalogue[n - 1].name + "=" + badRoot(bad) + "\r\n";
  writeSettings(lines);
  app::Program& p = start();
  // A page that trickles a byte a second never times out: skip is the way past it.
  ASSERT_TRUE(waitForWorker(catalogue[7].name));
  skipCurrentSource(p.run);
  waitForRun();

  int expected = 0;
  for (int n = 1; n <= 40; ++n) {
    bool broken = n == 8;
    for (auto [f, bad] : faults) broken = broken || f == n;
    if (!broken) expected += expectedCount(n);
  }
  int rows = 0;
  for (int r = 0; r < p.w.列表框_采集.rowCount(); ++r) {
    const std::string label = p.w.列表框_采集.cellText(r, 1);
    // The redirected source reaches a page that is no listing: it gives nothing either.
    if (label != catalogue[7].label) ++rows;
  }
  EXPECT_EQ(rows, expected);
  for (int r = 0; r < p.w.列表框_设置.rowCount(); ++r) {
    for (auto [n, bad] : faults) {
      if (p.w.列表框_设置.cellText(r, 0) == catalogue[n - 1].name) {
        EXPECT_EQ(p.w.列表框_设置.cellText(r, 2), "0") << bad;
      }
    }
  }
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
#ifndef __SANITIZE_ADDRESS__
  // 200 MB were offered; the body stops at its 64 MiB cap and gives its memory back.
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 150 * 1024) << "peak resident kB";
#endif
}
