#pragma once
// Message boxes with the Windows style word: buttons in the low four bits, the icon in
// the next four, 4096 for a box that stays above every window.
#include <string>

namespace host::qt {

// Shows the box (GUI thread) and returns the button pressed: 0 OK, 1 Cancel, 2 Abort,
// 3 Retry, 4 Ignore, 5 Yes, 6 No.
int showMessageBox(const std::string& text, int style, const std::string& title);

}  // namespace host::qt
