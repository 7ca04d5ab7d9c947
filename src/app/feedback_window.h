#pragma once
// The feedback window: a box for a report and a contact, with a hint that leaves on
// focus-in and comes back when the box is left empty. Nothing typed is sent or kept.
#include "host/controls.h"
#include "host/shell.h"

namespace app {

extern const char* const feedbackHint;

struct FeedbackWindow {
  explicit FeedbackWindow(host::Shell& shell);
  FeedbackWindow(const FeedbackWindow&) = delete;
  FeedbackWindow& operator=(const FeedbackWindow&) = delete;

  // Names are local to this window: this 编辑框1 is not the main window's status line.
  host::Control 标签1;  // the background, covering the window
  host::Control 透明标签1, 编辑框1, 透明标签2, 超级按钮1, 按钮_关闭;
  host::Window window;  // 380 by 250
};

}  // namespace app
