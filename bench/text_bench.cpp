// Marker extraction over a 16 MB listing page of GBK text, each routine beside the
// plain tool it has to keep up with, measured in the same run:
//   textBetween walking item by item      beside  memmem walking the same way
//   allTextsBetween("<li class=", "</li>") beside  PCRE2 JIT alone on the raw bytes,
//                                                  and Python's re.findall on the
//                                                  decoded text (printed at the end)
// Run: bench_text_bench [--benchmark_filter=...]   (set TOVI_BENCH_NO_PYTHON to skip Python)
#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gbk_text.h"
#include "host/codepage.h"
#include "text/cp936.h"
#include "text/markers.h"

namespace {

constexpr std::string_view kStart = "<li class=";
constexpr std::string_view kEnd = "</li>";

// A listing page the way the sources write theirs: a head, then ~9,000 items whose
// titles and descriptions are GBK text with tags and ASCII mixed in.
const std::string& page() {
  static const std::string buffer = [] {
    std::mt19937 random(936);
    const auto chinese = [&](int count) { return randomGbkText(random, count); };
    std::string out = "<!DOCTYPE html><html><head><meta charset=\"gbk\"><title>" + chinese(8) +
                      "</title></head><body><div class=\"list\"><ul>\r\n";
    const size_t target = 16u << 20;
    for (int n = 0; out.size() < target; ++n) {
      const size_t itemStart = out.size();
      const std::string title = chinese(6 + static_cast<int>(random() % 20));
      out += "<li class=\"item\"><a href=\"/soft/" + std::to_string(100000 + n) +
             ".html\" target=\"_blank\" title=\"" + title + "\">" + title + " v" + std::to_string(n % 10) +
             ".0</a><span class=\"date\">05-30</span>\r\n<div class=\"desc\">";
      while (out.size() - itemStart < 1780) {
        out += chinese(5 + static_cast<int>(random() % 40));
        switch (random() % 5) {
          case 0: out += "<b>" + chinese(3) + "</b>"; break;
          case 1: out += "\xA3\xAC"; break;  // full-width comma
          case 2: out += " Windows 10/11 x64 "; break;
          case 3: out += "<br />\r\n"; break;
          default: out += "<LI>" + chinese(2); break;  // stray tags in the upper case
        }
      }
      out += "</div></li>\r\n";
    }
    return out + "</ul></div></body></html>";
  }();
  return buffer;
}

void textBetweenWalk(benchmark::State& state) {
  const std::string& buf = page();
  size_t items = 0;
  for (auto _ : state) {
    items = 0;
    for (long pos = 1;;) {
      const long at = text::findText(buf, kStart, pos, true);
      if (at == -1) break;
      std::string piece = textBetween(buf, kStart, kEnd, at);
      benchmark::DoNotOptimize(piece.data());
      ++items;
      pos = at + static_cast<long>(kStart.size() + piece.size() + kEnd.size());
    }
  }
  state.counters["items"] = static_cast<double>(items);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

void memmemWalk(benchmark::State& state) {
  const std::string& buf = page();
  size_t items = 0;
  for (auto _ : state) {
    items = 0;
    for (const char* p = buf.data(); const char* end = buf.data() + buf.size();) {
      const auto* s = static_cast<const char*>(memmem(p, end - p, kStart.data(), kStart.size()));
      if (!s) break;
      s += kStart.size();
      const auto* e = static_cast<const char*>(memmem(s, end - s, kEnd.data(), kEnd.size()));
      if (!e) break;
      std::string piece(s, e);
      benchmark::DoNotOptimize(piece.data());
      ++items;
      p = e + kEnd.size();
    }
  }
  state.counters["items"] = static_cast<double>(items);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

void allTextsBetweenPage(benchmark::State& state) {
  const std::string& buf = page();
  std::vector<std::string> results;
  for (auto _ : state) {
    allTextsBetween(buf, kStart, kEnd, results);
    benchmark::DoNotOptimize(results.data());
  }
  state.counters["items"] = static_cast<double>(results.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

// The engine by itself: raw bytes, no conversion, no UTF, groups not copied out.
void pcre2JitRaw(benchmark::State& state) {
  const std::string& buf = page();
  const std::string pattern = std::string(kStart) + "([\\s\\S]*?)" + std::string(kEnd);
  int error = 0;
  PCRE2_SIZE offset = 0;
  std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code(
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), PCRE2_CASELESS, &error,
                    &offset, nullptr),
      pcre2_code_free);
  if (!code || pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0) {
    state.SkipWithError("no PCRE2 JIT");
    return;
  }
  std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> data(
      pcre2_match_data_create_from_pattern(code.get(), nullptr), pcre2_match_data_free);
  const auto* subject = reinterpret_cast<PCRE2_SPTR>(buf.data());
  size_t items = 0;
  for (auto _ : state) {
    items = 0;
    for (size_t from = 0;;) {
      if (pcre2_jit_match(code.get(), subject, buf.size(), from, 0, data.get(), nullptr) < 0) break;
      from = pcre2_get_ovector_pointer(data.get())[1];
      ++items;
    }
  }
  state.counters["items"] = static_cast<double>(items);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

// The two costs that allTextsBetween adds to the engine, measured alone.
void cp936ToUtf8Page(benchmark::State& state) {
  const std::string& buf = page();
  for (auto _ : state) {
    std::string utf8 = host::cp936ToUtf8(buf);
    benchmark::DoNotOptimize(utf8.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

BENCHMARK(memmemWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(textBetweenWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(pcre2JitRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(allTextsBetweenPage)->Unit(benchmark::kMillisecond);
BENCHMARK(cp936ToUtf8Page)->Unit(benchmark::kMillisecond);

// Python's re.findall over the decoded page, best of five, timed inside Python so
// that start-up and decoding are not counted.
void runPython() {
  if (std::getenv("TOVI_BENCH_NO_PYTHON")) return;
  const std::string path = "/tmp/tovi_text_bench_page.html";
  std::ofstream(path, std::ios::binary) << page();
  const std::string command =
      "python3 -c \"import re,sys,time\n"
      "t=open(sys.argv[1],'rb').read().decode('gbk','replace')\n"
      "r=re.compile(r'<li class=([\\s\\S]*?)</li>',re.I)\n"
      "b=[]\n"
      "for _ in range(5):\n"
      "  s=time.perf_counter();n=len(r.findall(t));b.append(time.perf_counter()-s)\n"
      "m=min(b);print('python re.findall: %.1f ms  %.0f MB/s  items=%d'%(m*1e3,int(sys.argv[2])/m/2**20,n))\" " +
      path + " " + std::to_string(page().size());
  std::fflush(stdout);
  if (std::system(command.c_str()) != 0) std::puts("python re.findall: python3 did not run");
  std::remove(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("page: %zu bytes\n", page().size());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  runPython();
  return 0;
}
