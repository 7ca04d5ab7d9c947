#pragma once
// A web server on a free loopback port that serves whatever bytes a test puts under a
// path (404 for any other path), as a catalogue server would.
#include <httplib.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

class FileServer {
 public:
  // Runs for every request under the server's lock, before the file is looked up.
  using Hook = std::function<void(const std::string& path, std::unique_lock<std::mutex>& lock)>;

  explicit FileServer(Hook hook = {}) : hook_(std::move(hook)) {
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      std::unique_lock lock(mutex_);
      ++requests_;
      if (hook_) hook_(request.path, lock);
      auto file = files_.find(request.path);
      if (file == files_.end()) {
        response.status = 404;
        return;
      }
      response.set_content(file->second, "text/plain");
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // The socket listens from the bind on; this only makes sure stop() finds a running
    // server (this version of cpp-httplib has no wait_until_ready).
    while (!server_.is_running()) std::this_thread::yield();
  }
  ~FileServer() { stop(); }
  FileServer(const FileServer&) = delete;
  FileServer& operator=(const FileServer&) = delete;

  void stop() {
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
  std::string root() const { return address("/"); }
  // The full address of `path` (which begins with "/").
  std::string address(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

 private:
  Hook hook_;
  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  int requests_ = 0;
};
