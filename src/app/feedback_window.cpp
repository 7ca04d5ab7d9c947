#include "app/feedback_window.h"

namespace app {

using host::ControlKind;

const char* const feedbackHint = "请输入您要反馈的内容信息，并请写下联系方式，方便修正BUG，谢谢合作。";

FeedbackWindow::FeedbackWindow(host::Shell& shell)
    : 标签1(ControlKind::label, "标签1", nullptr, {0, 0, 384, 256}),
      透明标签1(ControlKind::label, "透明标签1", nullptr, {16, 6, 152, 24}, "软件BUG反馈或其他"),
      编辑框1(ControlKind::edit, "编辑框1", nullptr, {1, 40, 378, 172}, feedbackHint),
      透明标签2(ControlKind::label, "透明标签2", nullptr, {29, 219, 179, 24}, "注：请您记得留下联系方式哦！"),
      超级按钮1(ControlKind::button, "超级按钮1", nullptr, {257, 215, 120, 32}, "发送反馈"),
      按钮_关闭(ControlKind::button, "按钮_关闭", nullptr, {345, 3, 32, 32}, "×") {
  标签1.picture = "feedback_background";
  透明标签1.fontHeight = 16;
  按钮_关闭.fontHeight = 16;
  按钮_关闭.tooltip = "关闭";

  // Only the hint itself is cleared: a text the user typed stays, even spaces.
  编辑框1.onFocusIn = [this] {
    if (编辑框1.text() == feedbackHint) 编辑框1.setText("");
  };
  编辑框1.onFocusOut = [this] {
    if (编辑框1.text().empty()) 编辑框1.setText(feedbackHint);
  };
  // "发送反馈" sends nothing: 超级按钮1 has no handler.
  按钮_关闭.onClick = [this, &shell] { shell.closeWindow(window); };

  window.name = "窗口_反馈";
  window.width = 380;
  window.height = 250;
  window.controls = {&标签1, &透明标签1, &编辑框1, &透明标签2, &超级按钮1, &按钮_关闭};
  window.onCreate = [this, &shell] { shell.setWindowAlpha(window, 235); };
}

}  // namespace app
