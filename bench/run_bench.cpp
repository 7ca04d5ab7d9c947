// A whole collection run over the demo web (forty sources on loopback) beside fetching
// the same forty pages one after another with libcurl alone; and what start-up costs
// (the creation handler, with its three synchronous downloads) through the headless
// front-end. Prints its figures; run it on demand: build/bench_run_bench [rounds].
#include <curl/curl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/program.h"
#include "app/start_up.h"
#include "collect/catalogue.h"
#include "demo_web.h"
#include "host/files.h"
#include "host/headless/headless_shell.h"
#include "settings/addresses.h"

namespace {

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

size_t discard(char*, size_t size, size_t count, void*) { return size * count; }

// The reference: the forty page addresses fetched in walk order, one handle each.
double fetchAllWithCurl(const std::vector<std::string>& addresses) {
  const auto start = Clock::now();
  for (const auto& address : addresses) {
    if (address.empty()) continue;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    curl_easy_setopt(curl.get(), CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, discard);
    curl_easy_perform(curl.get());
  }
  return msSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  demoweb::DemoWeb web(0);
  std::vector<std::string> addresses;
  for (const SourceEntry& entry : sourceCatalogue()) {
    const int n = static_cast<int>(&entry - &sourceCatalogue()[0]) + 1;
    addresses.push_back(recipeFor(entry, demoweb::siteRoot(web.root(), n), "").pageAddress);
  }

  std::vector<double> runs, curls, startUps;
  for (int round = 0; round < rounds; ++round) {
    std::string pattern = (std::filesystem::temp_directory_path() / "tovi_bench_XXXXXX").string();
    const std::string dir = ::mkdtemp(pattern.data());
    host::writeFileAtomically(dir + "/ZeZa.ini", "[服务器]\r\n地址=" + web.root() + "\r\n");
    host::HeadlessShell shell;
    app::ProgramPaths paths{dir, dir + "/tovi", dir + "/autostart", "Tovi-bench-" + std::to_string(::getpid())};
    {
      app::Program program(shell, paths);
      app::wireProgram(program);
      const auto start = Clock::now();
      app::startUp(program);
      startUps.push_back(msSince(start));
      // The run alone: a refresh starts it afresh, as the user would.
      host::waitThread(program.run.collectionThread);
      const auto runStart = Clock::now();
      host::startThread([&program] { runCollection(program.run); }, program.run.collectionThread);
      host::waitThread(program.run.collectionThread);
      runs.push_back(msSince(runStart));
      curls.push_back(fetchAllWithCurl(addresses));
    }
    std::filesystem::remove_all(dir);
  }
  const auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("rounds: %d (medians)\n", rounds);
  std::printf("whole collection run, 40 sources:     %8.2f ms\n", median(runs));
  std::printf("the 29 pages fetched with libcurl:    %8.2f ms\n", median(curls));
  std::printf("ratio run / libcurl alone:            %8.2f\n", median(runs) / median(curls));
  std::printf("start-up (creation handler, headless): %7.2f ms\n", median(startUps));
  return 0;
}
