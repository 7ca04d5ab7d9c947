#pragma once
// A front-end without widgets, for tests and scripted runs: boxes and dialogs are
// answered from a script, and what the program shows or hands out is recorded.
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "host/shell.h"

namespace host {

class HeadlessShell : public Shell {
 public:
  struct Box {
    std::string text;
    int style = 0;
    std::string title;
  };

  // Script. An empty queue answers OK, leaves the dialog's name as it was, and
  // chooses no menu item.
  std::deque<int> boxAnswers;
  std::deque<std::string> dialogChoices;  // "" stands for Cancel
  std::deque<std::string> menuChoices;    // caption of the item to choose, "" for none
  // Runs while a modal window is open; it may click its controls.
  std::function<void(Window&)> whileModal;
  bool chineseFont = true;

  // Records (read them after the threads that write them have been waited for).
  std::vector<Box> boxes() const;
  std::vector<std::string> openedAddresses() const;
  std::vector<std::string> shownMenus() const;
  std::string clipboard() const;
  int windowAlpha() const;
  std::string windowShape() const;
  bool minimised() const;
  bool ended() const;
  std::vector<std::string> openedWindows() const;

  int messageBox(const std::string& text, int style, const std::string& title) override;
  std::string openFileDialog(FileDialog& dialog) override;
  void popupMenu(Menu& menu) override;
  void openAddress(const std::string& address) override;
  void setClipboardText(const std::string& text) override;
  void setWindowAlpha(Window& window, int alpha) override;
  void setWindowShape(Window& window, const std::string& picture, unsigned colour) override;
  void minimiseWindow(Window& window) override;
  void openModal(Window& window) override;
  void closeWindow(Window& window) override;
  void endProgram() override;
  bool hasChineseFont() override { return chineseFont; }
  void applySkin(const std::string& skinData) override;
  std::string skin() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Box> boxes_;
  std::vector<std::string> opened_, menus_, windows_;
  std::string clipboard_, shape_, skin_;
  int alpha_ = 255;
  bool minimised_ = false, ended_ = false;
};

}  // namespace host
