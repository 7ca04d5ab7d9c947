#pragma once
// The status line: the program's only running log, one line, the last message wins.
#include <string>

namespace host {

class Control;

// The prefix every status message is shown after.
inline const char* const statusPrefix = " Toviing：";

// Replaces the status line's text with the prefix and the message. Callable from any
// thread; a killed thread's message is dropped by the control's write gate.
void showStatus(Control& statusLine, const std::string& message);

}  // namespace host
