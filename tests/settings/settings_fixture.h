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

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tovi_settings_XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class CatalogueServer {
 public:
  CatalogueServer() {
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      std::unique_lock lock(mutex_);
      ++requests_;
      if (request.path == "/paired.txt") {
        // Answers requests two at a time, so two downloads end together.
        const int pair = waiting_++ / 2;
        paired_.notify_all();
        paired_.wait_for(lock, std::chrono::seconds(5), [&] { return waiting_ >= 2 * (pair + 1); });
      }
      auto file = files_.find(request.path);
      if (file == files_.end()) {
        response.status = 404;
        return;
      }
      response.set_content(file->second, "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // The socket listens from the bind on; this only makes sure stop() finds it running.
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~CatalogueServer() {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }
  void put(const std::string& path, const std::string& bytes) {
    std::lock_guard lock(mutex_);
    files_[path] = bytes;
  }
  int requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }
  std::string root() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  int requests_ = 0;
  int waiting_ = 0;
  std::condition_variable paired_;
};

inline std::string fileBytes(const std::string& path) { return host::readFile(path).value_or("<missing>"); }
