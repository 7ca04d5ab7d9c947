#include "test_servers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

namespace webtest {
namespace {

// Reads one request: the head up to the blank line, then Content-Length bytes.
std::string readRequest(int fd) {
  std::string data;
  char buf[4096];
  size_t want = std::string::npos;
  while (data.size() < want) {
    const ssize_t n = recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    data.append(buf, static_cast<size_t>(n));
    const size_t headEnd = data.find("\r\n\r\n");
    if (want == std::string::npos && headEnd != std::string::npos) {
      size_t length = 0;
      const size_t at = data.find("Content-Length: ");
      if (at != std::string::npos && at < headEnd) length = std::stoul(data.substr(at + 16));
      want = headEnd + 4 + length;
    }
  }
  return data;
}

}  // namespace

RawServer::RawServer(Answer answer) : answer_(std::move(answer)) {
  listenFd_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
  listen(listenFd_, 16);
  socklen_t len = sizeof a;
  getsockname(listenFd_, reinterpret_cast<sockaddr*>(&a), &len);
  port_ = ntohs(a.sin_port);
  if (answer_) thread_ = std::thread([this] { serve(); });
}

RawServer::~RawServer() {
  shutdown(listenFd_, SHUT_RDWR);  // wakes accept()
  if (thread_.joinable()) thread_.join();
  for (int fd : held_) close(fd);
  close(listenFd_);
}

std::string RawServer::address(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> RawServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

bool RawServer::peerClosed() const {
  std::lock_guard lock(mutex_);
  for (int fd : held_) {
    char c;
    if (recv(fd, &c, 1, MSG_DONTWAIT | MSG_PEEK) != 0) return false;  // 0 is end of stream
  }
  return true;
}

void RawServer::serve() {
  for (;;) {
    const int fd = accept(listenFd_, nullptr, nullptr);
    if (fd < 0) return;
    const std::string request = readRequest(fd);
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(request);
    }
    const std::optional<std::string> answer = answer_(request);
    if (!answer) {
      std::lock_guard lock(mutex_);
      held_.push_back(fd);
      continue;
    }
    const std::string& reply = *answer;
    for (size_t sent = 0; sent < reply.size();) {
      const ssize_t n = send(fd, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) break;
      sent += static_cast<size_t>(n);
    }
    close(fd);
  }
}

PageServer::PageServer() : server_(std::make_unique<httplib::Server>()) {}

PageServer::PageServer(const char* certPath, const char* keyPath)
    : server_(std::make_unique<httplib::SSLServer>(certPath, keyPath)) {}

void PageServer::start() {
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // This cpp-httplib has no wait_until_ready(); is_running() turns true once it listens.
  while (!server_->is_running()) std::this_thread::yield();
}

PageServer::~PageServer() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

}  // namespace webtest
