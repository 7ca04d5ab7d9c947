#include <gtest/gtest.h>

#include "app/feedback_window.h"
#include "host/headless/headless_shell.h"

using namespace app;

TEST(FeedbackWindow, HintLeavesOnFocusAndComesBackOnlyWhenEmpty) {
  host::HeadlessShell shell;
  FeedbackWindow f(shell);
  auto& edit = f.编辑框1;
  EXPECT_EQ(edit.text(), feedbackHint);
  edit.onFocusIn();
  EXPECT_EQ(edit.text(), "");
  edit.onFocusOut();
  EXPECT_EQ(edit.text(), feedbackHint);

  struct Case {
    std::string typed, afterLeaving, afterReentering;
  } cases[] = {
      {"   ", "   ", "   "},                                   // spaces are kept
      {feedbackHint, feedbackHint, ""},                      // typing the hint itself
      {"坏了，联系10001", "坏了，联系10001", "坏了，联系10001"},  // a real report
  };
  for (const auto& c : cases) {
    edit.setText(c.typed);
    edit.onFocusOut();
    EXPECT_EQ(edit.text(), c.afterLeaving) << c.typed;
    edit.onFocusIn();
    EXPECT_EQ(edit.text(), c.afterReentering) << c.typed;
  }
}

TEST(FeedbackWindow, OpensTranslucentSendDoesNothingCloseCloses) {
  host::HeadlessShell shell;
  FeedbackWindow f(shell);
  EXPECT_EQ(f.window.width, 380);
  EXPECT_EQ(f.window.height, 250);
  EXPECT_FALSE(f.超级按钮1.onClick);
  shell.whileModal = [&](host::Window& w) {
    EXPECT_EQ(&w, &f.window);
    EXPECT_EQ(shell.windowAlpha(), 235);
  };
  shell.openModal(f.window);
  EXPECT_EQ(shell.openedWindows(), std::vector<std::string>{"窗口_反馈"});
  ASSERT_TRUE(f.按钮_关闭.onClick);
  f.按钮_关闭.onClick();  // the headless shell has no window to destroy; it must not throw
}
