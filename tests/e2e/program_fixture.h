#pragma once
// A whole program on a temporary run directory, driven through the headless front-end,
// with the demo web on a free loopback port as the catalogue server and the forty sites.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "app/program.h"
#include "app/start_up.h"
#include "collect/collection_run.h"
#include "demo_web.h"
#include "host/files.h"
#include "host/headless/headless_shell.h"
#include "host/status_line.h"
#include "host/threads.h"
#include "support/temporary_folder.h"

class ProgramTest : public testing::Test {
 protected:
  // Lines added to ZeZa.ini before start-up; the catalogue server is the demo web.
  void writeSettings(const std::string& extraLines = {}) {
    host::writeFileAtomically(host::joinPath(runDir.path(), "ZeZa.ini"),
                              "[服务器]\r\n地址=" + web.root() + "\r\n" + extraLines);
    settingsWritten_ = true;
  }

  app::ProgramPaths paths() const {
    app::ProgramPaths p;
    p.runDirectory = runDir.path();
    p.executablePath = runDir.path() + "/tovi";
    p.autostartFolder = runDir.path() + "/autostart";
    p.instanceName = "Tovi爱采集-test-" + std::to_string(::getpid());
    return p;
  }

  app::Program& start() {
    if (!settingsWritten_) writeSettings();
    program = std::make_unique<app::Program>(shell, paths());
    app::wireProgram(*program);
    app::startUp(*program);
    return *program;
  }

  // Waits until the current collection thread has ended.
  void waitForRun() { host::waitThread(program->run.collectionThread); }

  // The site root of a source that misbehaves in the way `bad` names; given to a source
  // whose page address is its bare host, that address is exactly /bad/<bad>.
  std::string badRoot(const std::string& bad) const { return web.root() + "bad/" + bad + "/"; }

  std::string status() const { return program->w.编辑框1.text(); }

  // Waits (up to ten seconds) until the status line shows `message`.
  bool waitForStatus(const std::string& message) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (status() != host::statusPrefix + message) {
      if (std::chrono::steady_clock::now() > until) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }

  // Waits until `name`'s worker runs: the status names the source a moment before its
  // worker starts, and skip acts only on a running worker.
  bool waitForWorker(const std::string& name) {
    if (!waitForStatus(collectingMessage(name))) return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!host::isRunning(program->run.workerThread) || program->run.currentSourceName.get() != name) {
      if (std::chrono::steady_clock::now() > until) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }

  // The demo web's rows of today for each source, in walk order (its pages' README).
  static int expectedCount(int sourceNumber) {
    static const int counts[41] = {0, 7, 4, 5, 3, 4, 6, 2, 8, 0, 2, 5, 3, 4, 4, 2, 12, 6, 0, 3, 0,
                                   3, 2, 3, 4, 10, 2, 4, 4, 9, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return counts[sourceNumber];
  }

  void TearDown() override { program.reset(); }

  demoweb::DemoWeb web{0};
  TemporaryFolder runDir{"tovi_e2e"};
  host::HeadlessShell shell;
  std::unique_ptr<app::Program> program;
  bool settingsWritten_ = false;
};
