// demoweb [--port N]: serves the demo web on 127.0.0.1 until killed.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "demo_web.h"

int main(int argc, char** argv) {
  int port = 18936;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
      port = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: demoweb [--port N]   (N = 0: any free port)\n");
      return 2;
    }
  }
  // Wait for SIGINT/SIGTERM on this thread, so the server stops cleanly.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);  // before any thread starts

  demoweb::DemoWeb web(port);
  if (web.port() < 0) {
    std::fprintf(stderr, "demoweb: cannot listen on 127.0.0.1:%d\n", port);
    return 1;
  }
  std::printf("demoweb serving %s\n", web.root().c_str());
  std::fflush(stdout);
  int received = 0;
  sigwait(&signals, &received);
  web.stop();
  return 0;
}
