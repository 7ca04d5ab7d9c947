#pragma once
// The shell over Qt widgets. Create it after the QApplication and destroy it before
// the window models it shows (it detaches its views from them).
#include <map>

#include "host/shell.h"

class QEventLoop;

namespace host::qt {

class WindowView;

class QtShell : public Shell {
 public:
  QtShell();
  ~QtShell() override;
  QtShell(const QtShell&) = delete;
  QtShell& operator=(const QtShell&) = delete;

  // Builds the window, shows it centred and runs its creation handler once the event
  // loop runs (so a handler that ends the program ends the loop).
  void showWindow(Window& window);
  // The view of a shown window, nullptr when none (GUI thread).
  WindowView* viewOf(const Window& window) const;

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
  bool hasChineseFont() override;
  void applySkin(const std::string& skinData) override;

 private:
  struct Shown {
    WindowView* view = nullptr;
    QEventLoop* modalLoop = nullptr;  // set while openModal waits
  };
  std::map<const Window*, Shown> shown_;  // GUI thread only
};

}  // namespace host::qt
