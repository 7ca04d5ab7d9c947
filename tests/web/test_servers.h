#pragma once
// Loopback servers for the request tests. RawServer speaks bytes, so a test sees
// the request exactly as it arrived and can answer anything, broken answers
// included. PageServer is a cpp-httplib server (HTTP or HTTPS) on a free port.
#include <httplib.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace webtest {

class RawServer {
 public:
  // `answer` gets each raw request (head and body) and gives the bytes to send
  // back; the connection is closed after them. No bytes (nullopt): the connection
  // is held open, silent, until the server ends. Without
  // `answer` the server never accepts: connections wait in the queue.
  using Answer = std::function<std::optional<std::string>(const std::string&)>;
  explicit RawServer(Answer answer = {});
  ~RawServer();
  int port() const { return port_; }
  std::string address(const std::string& path = "/") const;
  std::vector<std::string> requests() const;
  // True once the client has closed every connection that is held open.
  bool peerClosed() const;

 private:
  void serve();
  int listenFd_ = -1;
  int port_ = 0;
  Answer answer_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> held_;
  std::thread thread_;
};

// An HTTP (or, given a certificate and key, HTTPS) cpp-httplib server.
class PageServer {
 public:
  PageServer();
  PageServer(const char* certPath, const char* keyPath);
  ~PageServer();
  httplib::Server& server() { return *server_; }
  void start();
  int port() const { return port_; }

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
};

}  // namespace webtest
