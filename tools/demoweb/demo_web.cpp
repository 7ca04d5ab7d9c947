// The server: one routing function in front of cpp-httplib's own router (whose
// patterns are regular expressions we do not need), on a background thread.
#include "demo_web.h"

#include <httplib.h>

#include <atomic>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>

#include "internal.h"

namespace demoweb {

struct DemoWeb::Impl {
  httplib::Server server;
  std::thread thread;
  std::atomic<bool> stopping{false};
  std::atomic<bool> listenEnded{false};
  int port = -1;
  std::string root;
  std::mutex todayMutex;
  std::optional<Day> fixedToday;

  Day today() {
    std::lock_guard lock(todayMutex);
    return fixedToday ? *fixedToday : Day::today();
  }
  void route(const httplib::Request& req, httplib::Response& res);
  bool serveSite(const std::string& path, httplib::Response& res);
};

namespace {

const char* contentType(bool utf8) {
  return utf8 ? "text/html; charset=utf-8" : "text/html; charset=gb2312";
}

// "/siteNN" or "/siteNN/..." gives NN (1..40); anything else 0.
int siteNumber(const std::string& path) {
  if (path.size() < 7 || path.compare(0, 5, "/site") != 0) return 0;
  if (path[5] < '0' || path[5] > '9' || path[6] < '0' || path[6] > '9') return 0;
  if (path.size() > 7 && path[7] != '/') return 0;
  const int n = (path[5] - '0') * 10 + (path[6] - '0');
  return n >= 1 && n <= 40 ? n : 0;
}

}  // namespace

bool DemoWeb::Impl::serveSite(const std::string& path, httplib::Response& res) {
  const int n = siteNumber(path);
  if (n == 0) return false;
  const SiteInfo info = siteInfo(n);
  const std::string rest = path.substr(7);  // "", "/" or "/..."
  bool listing = false;
  if (info.hasPage) {
    if (info.pagePath.empty() || info.pagePath == "/")
      listing = rest.empty() || rest == "/";  // a site answers with or without the slash
    else  // a paging endpoint: its query (?menu=fy) is not looked at
      listing = rest == info.pagePath.substr(0, info.pagePath.find('?'));
  }
  const std::string body =
      listing ? renderPage(n, today(), root) : renderArticle(n, path, root);
  res.set_content(body, contentType(info.utf8));
  return true;
}

void DemoWeb::Impl::route(const httplib::Request& req, httplib::Response& res) {
  // A request that names this server "localhost" is sent on to 127.0.0.1, except
  // the second leg of /bad/redirect, which ends there.
  const std::string host = req.get_header_value("Host");
  if (host.compare(0, 10, "localhost:") == 0 || host == "localhost") {
    if (req.path.compare(0, 13, "/bad/redirect") == 0) return serveRedirectTarget(res);
    res.status = 301;
    res.set_header("Location", "http://127.0.0.1:" + std::to_string(port));
    return;
  }
  if (req.path == "/") return res.set_content(renderIndex(root), contentType(false));
  static const std::string kBook = "/book/kpzw/";
  if (req.path.compare(0, kBook.size(), kBook) == 0) {
    const std::string file = renderCatalogueFile(req.path.substr(kBook.size()), root);
    if (!file.empty()) return res.set_content(file, "text/plain; charset=gb2312");
  }
  if (serveSite(req.path, res)) return;
  if (serveMisbehaving(req, res, stopping, root)) return;
  res.status = 404;
  res.set_content("<html><body><h1>404 Not Found</h1></body></html>", "text/html");
}

DemoWeb::DemoWeb(int port) : impl_(std::make_unique<Impl>()) {
  Impl& im = *impl_;
  // A client that hangs up mid-body (a test aborting /bad/huge) must not kill the
  // process: the write then fails and the connection is closed.
  std::signal(SIGPIPE, SIG_IGN);
  // Nagle on a keep-alive server stalls every second request by 40 ms.
  im.server.set_tcp_nodelay(true);
  // Requests to /bad/never hold a worker until the stop; leave room for the others.
  im.server.new_task_queue = [] { return new httplib::ThreadPool(32); };
  im.server.set_pre_routing_handler([&im](const httplib::Request& req, httplib::Response& res) {
    im.route(req, res);
    return httplib::Server::HandlerResponse::Handled;
  });
  if (port == 0) {
    im.port = im.server.bind_to_any_port("127.0.0.1");
  } else {
    im.port = im.server.bind_to_port("127.0.0.1", port) ? port : -1;
  }
  if (im.port <= 0) {
    im.port = -1;
    return;
  }
  im.root = "http://127.0.0.1:" + std::to_string(im.port) + "/";
  im.thread = std::thread([&im] {
    im.server.listen_after_bind();
    im.listenEnded = true;
  });
  // The socket already queues connections; waiting for the accept loop makes a stop
  // that follows at once reach it (a stop before it runs would be lost).
  while (!im.server.is_running() && !im.listenEnded) std::this_thread::yield();
}

DemoWeb::~DemoWeb() { stop(); }

int DemoWeb::port() const { return impl_->port; }

std::string DemoWeb::root() const { return impl_->root; }

void DemoWeb::setToday(const Day& d) {
  std::lock_guard lock(impl_->todayMutex);
  impl_->fixedToday = d;
}

void DemoWeb::stop() {
  Impl& im = *impl_;
  im.stopping = true;
  if (im.thread.joinable()) {
    im.server.stop();
    im.thread.join();
  }
}

}  // namespace demoweb
