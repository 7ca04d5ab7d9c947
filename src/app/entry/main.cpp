// The process entry: the application, the shell, the main window; then the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "host/qt/qt_shell.h"
#include "host/threads.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int code = 0;
  {
    // The window model outlives the shell, which detaches its views from it.
    app::MainWindow window;
    host::qt::QtShell shell;
    app::connectMainWindow(window, shell);
    shell.showWindow(window.window);
    code = application.exec();
    host::killAllThreads(1500);
    if (host::liveThreadCount() > 0) {
      // A thread still unwinding may read the controls: leave without destroying them.
      std::fflush(nullptr);
      std::_Exit(code);
    }
  }
  return code;
}
