#pragma once
// What a front-end does for the program beyond showing control models: boxes,
// dialogs, menus, the clipboard, the browser and the window itself. host/qt does it
// with widgets, host/headless from a script. Texts are code page 936 bytes.
#include <functional>
#include <string>
#include <vector>

namespace host {

class Control;

// Message-box styles, as the Windows flag word: the buttons, the icon and 4096
// (system-modal) added together.
enum MessageBoxStyle : int {
  boxOk = 0,
  boxOkCancel = 1,
  boxError = 16,
  boxInformation = 64,
  boxSystemModal = 4096,
};
// The button pressed, as the system numbers them.
enum MessageBoxAnswer : int { answerOk = 0, answerCancel = 1 };

// A menu of the window's menu bar, shown only as a pop-up.
struct MenuItem {
  std::string caption;  // "-" is a separator
  std::function<void()> onChoose;
};
struct Menu {
  std::string name;
  std::vector<MenuItem> items;
};

// The file-open dialog: it remembers the name chosen last.
struct FileDialog {
  std::string name;
  std::string title;
  std::string fileName;  // after Cancel it keeps the value chosen last
};

// A window the front-end can show: its controls in creation order, the first being
// the one that covers it.
struct Window {
  std::string name;
  int width = 0, height = 0;
  std::vector<Control*> controls;
  std::function<void()> onCreate;  // run once when the window and its controls exist
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Modal box without owner window; returns the button pressed (0 OK, 1 Cancel, ...).
  virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
  // Shows the dialog with its title and no filter; returns dialog.fileName afterwards.
  virtual std::string openFileDialog(FileDialog& dialog) = 0;
  // Shows the menu at the mouse position moved 3 pixels right and down; the chosen
  // item's handler runs before this returns.
  virtual void popupMenu(Menu& menu) = 0;
  // Hands an address that has passed openUrl's scheme check to the desktop.
  virtual void openAddress(const std::string& address) = 0;
  // Silent when the clipboard cannot be opened.
  virtual void setClipboardText(const std::string& text) = 0;
  virtual void setWindowAlpha(Window& window, int alpha) = 0;
  // The window's outline from a picture: pixels of `colour` (0xRRGGBB) lie outside.
  virtual void setWindowShape(Window& window, const std::string& picture, unsigned colour) = 0;
  virtual void minimiseWindow(Window& window) = 0;
  // Shows the window as a modal dialog; returns when it has been closed.
  virtual void openModal(Window& window) = 0;
  virtual void closeWindow(Window& window) = 0;
  // Ends the program: threads are ended, the exit clean-up runs.
  virtual void endProgram() = 0;
  // Is a font that covers Simplified Chinese installed?
  virtual bool hasChineseFont() = 0;
  // Applies our skin (a style sheet carried by the program) to the whole application.
  virtual void applySkin(const std::string& skinData) = 0;
};

// The default title of a box shown without one.
inline const char* const defaultBoxTitle = "信息：";

// Opens a link in the desktop's browser when it is an http, https or ftp address;
// anything else (a file, a script, a command line) is refused silently.
void openUrl(Shell& shell, const std::string& address);
// The check behind openUrl.
bool isWebAddress(const std::string& address);

}  // namespace host
