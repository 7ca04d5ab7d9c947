#include "host/headless/headless_shell.h"

#include "host/threads.h"

namespace host {

std::vector<HeadlessShell::Box> HeadlessShell::boxes() const {
  std::lock_guard lock(mutex_);
  return boxes_;
}
std::vector<std::string> HeadlessShell::openedAddresses() const {
  std::lock_guard lock(mutex_);
  return opened_;
}
std::vector<std::string> HeadlessShell::shownMenus() const {
  std::lock_guard lock(mutex_);
  return menus_;
}
std::string HeadlessShell::clipboard() const {
  std::lock_guard lock(mutex_);
  return clipboard_;
}
int HeadlessShell::windowAlpha() const {
  std::lock_guard lock(mutex_);
  return alpha_;
}
std::string HeadlessShell::windowShape() const {
  std::lock_guard lock(mutex_);
  return shape_;
}
bool HeadlessShell::minimised() const {
  std::lock_guard lock(mutex_);
  return minimised_;
}
bool HeadlessShell::ended() const {
  std::lock_guard lock(mutex_);
  return ended_;
}
std::vector<std::string> HeadlessShell::openedWindows() const {
  std::lock_guard lock(mutex_);
  return windows_;
}

int HeadlessShell::messageBox(const std::string& text, int style, const std::string& title) {
  std::lock_guard lock(mutex_);
  boxes_.push_back({text, style, title});
  if (boxAnswers.empty()) return answerOk;
  int answer = boxAnswers.front();
  boxAnswers.pop_front();
  return answer;
}

std::string HeadlessShell::openFileDialog(FileDialog& dialog) {
  std::lock_guard lock(mutex_);
  if (!dialogChoices.empty()) {
    if (!dialogChoices.front().empty()) dialog.fileName = dialogChoices.front();
    dialogChoices.pop_front();
  }
  return dialog.fileName;
}

void HeadlessShell::popupMenu(Menu& menu) {
  std::function<void()> chosen;
  {
    std::lock_guard lock(mutex_);
    menus_.push_back(menu.name);
    if (menuChoices.empty()) return;
    const std::string caption = menuChoices.front();
    menuChoices.pop_front();
    for (auto& item : menu.items)
      if (!caption.empty() && item.caption == caption) chosen = item.onChoose;
  }
  if (chosen) chosen();
}

void HeadlessShell::openAddress(const std::string& address) {
  std::lock_guard lock(mutex_);
  opened_.push_back(address);
}

void HeadlessShell::setClipboardText(const std::string& text) {
  std::lock_guard lock(mutex_);
  clipboard_ = text;
}

void HeadlessShell::setWindowAlpha(Window&, int alpha) {
  std::lock_guard lock(mutex_);
  alpha_ = alpha;
}

void HeadlessShell::setWindowShape(Window&, const std::string& picture, unsigned) {
  std::lock_guard lock(mutex_);
  shape_ = picture;
}

void HeadlessShell::minimiseWindow(Window&) {
  std::lock_guard lock(mutex_);
  minimised_ = true;
}

void HeadlessShell::openModal(Window& window) {
  {
    std::lock_guard lock(mutex_);
    windows_.push_back(window.name);
  }
  if (window.onCreate) window.onCreate();
  if (whileModal) whileModal(window);
}

void HeadlessShell::closeWindow(Window&) {}

void HeadlessShell::applySkin(const std::string& skinData) {
  std::lock_guard lock(mutex_);
  skin_ = skinData;
}

std::string HeadlessShell::skin() const {
  std::lock_guard lock(mutex_);
  return skin_;
}

void HeadlessShell::endProgram() {
  killAllThreads(2000);
  std::lock_guard lock(mutex_);
  ended_ = true;
}

}  // namespace host
