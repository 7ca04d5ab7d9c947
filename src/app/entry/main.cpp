// The process entry: the application, the shell, the program; the start-up sequence
// runs as the window's creation handler, then the event loop until the program ends.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/program.h"
#include "app/start_up.h"
#include "host/files.h"
#include "host/qt/qt_shell.h"
#include "host/threads.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int code = 0;
  {
    app::ProgramPaths paths;
    paths.executablePath = host::executablePath();
    paths.runDirectory = host::folderOf(paths.executablePath);
    // The shell goes before the program: the window model must outlive the views.
    auto shell = std::make_unique<host::qt::QtShell>();
    app::Program program(*shell, paths);
    app::wireProgram(program);
    program.w.window.onCreate = [&program] { app::startUp(program); };
    shell->showWindow(program.w.window);
    code = application.exec();
    host::killAllThreads(1500);
    if (host::liveThreadCount() > 0) {
      // A thread still unwinding may read the controls: leave without destroying them.
      std::fflush(nullptr);
      std::_Exit(code);
    }
    shell.reset();
  }
  return code;
}
