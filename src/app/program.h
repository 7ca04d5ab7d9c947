#pragma once
// The running program: the main window model, the services built on the run
// directory, the page contexts that the handlers work on, and the shared state of the
// collection run. Tests build a whole program on a temporary run directory.
#include <memory>
#include <string>

#include "app/main_window.h"
#include "collect/collection_run.h"
#include "host/autostart_entry.h"
#include "host/instance_guard.h"
#include "host/shell.h"
#include "lists/find_pages.h"
#include "lists/saved_queries.h"
#include "settings/settings_file.h"
#include "settings/settings_page.h"

namespace app {

struct ProgramPaths {
  std::string runDirectory;    // the folder of the executable, without a trailing separator
  std::string executablePath;  // what the log-on start entry names
  std::string autostartFolder = "/etc/xdg/autostart";
  // The single-instance guard's name; tests running side by side give each its own.
  std::string instanceName = "Tovi爱采集";
};

// The contact number named in the home text and the closing message.
inline const char* const contactNumber = "10001";

struct Program {
  Program(host::Shell& shell, ProgramPaths paths);
  // Ends the collection threads before the controls they write to go away.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  host::Shell& shell;
  const ProgramPaths paths;
  MainWindow w;
  SettingsFile settings;
  host::AutoStartEntry autoStart;
  std::string settingsVersion;
  // Held from start-up to the end of the process: a second instance finds it taken.
  std::unique_ptr<host::InstanceGuard> instanceGuard;
  // Set when start-up ended the program (a second instance).
  bool ended = false;

  SettingsPage settingsPage;
  FindPage findPage;
  SavedPage savedPage;
  CollectionRun run;
};

// Binds every handler of the main window to its routine.
void wireProgram(Program& program);

}  // namespace app
