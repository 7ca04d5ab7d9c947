#pragma once
// A fresh run directory per test, and a catalogue server on a free loopback port that
// serves whatever bytes a test puts under a path.
#include <gtest/gtest.h>
#include <httplib.h>
#include <stdlib.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "host/files.h"
#include "support/file_server.h"
#include "support/temporary_folder.h"

// The catalogue server. Requests for /paired.txt are answered two at a time, so two
// downloads end together.
class CatalogueServer : public FileServer {
 public:
  CatalogueServer()
      : FileServer([this](const std::string& path, std::unique_lock<std::mutex>& lock) { pair(path, lock); }) {}
  // The server's threads wait on members of this class: stop them before those go.
  ~CatalogueServer() { stop(); }

 private:
  void pair(const std::string& path, std::unique_lock<std::mutex>& lock) {
    if (path != "/paired.txt") return;
    const int round = waiting_++ / 2;
    paired_.notify_all();
    paired_.wait_for(lock, std::chrono::seconds(5), [&] { return waiting_ >= 2 * (round + 1); });
  }
  int waiting_ = 0;
  std::condition_variable paired_;
};

inline std::string fileBytes(const std::string& path) { return host::readFile(path).value_or("<missing>"); }
