#pragma once
// Shell operations may be asked for on any thread (a box from the collection thread);
// widgets live on the GUI thread only.
#include <functional>

namespace host::qt {

bool onGuiThread();
// Runs `work` on the GUI thread and returns when it has run; on the GUI thread it runs
// at once. A started thread that is killed while waiting stops waiting, and its work
// is skipped unless it has already begun (then it is waited for, since it may write
// into the caller's variables).
void runOnGui(const std::function<void()>& work);

}  // namespace host::qt
