// UTF-8 pages turned into code page 936 texts: utf8ToLocal over a 16 MB listing
// page of UTF-8 Chinese HTML, beside Python's decode('utf-8').encode('gbk') on the
// same bytes (best of five, timed inside Python, printed at the end).
// Run: bench_web_bench [--benchmark_filter=...]   (set TOVI_BENCH_NO_PYTHON to skip Python)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "host/codepage.h"
#include "web/encoding.h"

namespace {

// A listing page the way the UTF-8 sources write theirs: tags, links and dates in
// ASCII around titles and descriptions in Chinese (three bytes a character).
const std::string& page() {
  static const std::string buffer = [] {
    std::mt19937 random(65001);
    const auto chinese = [&](int count) {
      std::string s;
      for (int i = 0; i < count; ++i) {
        const char32_t c = 0x4E00 + random() % 0x5000;  // CJK ideographs (a few lack a GBK code)
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
      }
      return s;
    };
    std::string out = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + chinese(8) +
                      "</title></head><body><div class=\"list\"><ul>\r\n";
    for (int n = 0; out.size() < (16u << 20); ++n) {
      const std::string title = chinese(6 + static_cast<int>(random() % 20));
      out += "<li class=\"item\"><a href=\"/soft/" + std::to_string(100000 + n) +
             ".html\" target=\"_blank\" title=\"" + title + "\">" + title + " v" + std::to_string(n % 10) +
             ".0</a><span class=\"date\">2018-05-30</span>\r\n<div class=\"desc\">";
      for (int k = 0; k < 12; ++k) {
        out += chinese(5 + static_cast<int>(random() % 40));
        out += random() % 3 ? "\xEF\xBC\x8C" : " Windows 10/11 x64 <br />\r\n";  // full-width comma
      }
      out += "</div></li>\r\n";
    }
    return out + "</ul></div></body></html>";
  }();
  return buffer;
}

void utf8ToLocalPage(benchmark::State& state) {
  const std::string& buf = page();
  for (auto _ : state) {
    std::string local = utf8ToLocal(buf);
    benchmark::DoNotOptimize(local.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

// The general converter of the host layer, for comparison.
void hostUtf8ToCp936Page(benchmark::State& state) {
  const std::string& buf = page();
  for (auto _ : state) {
    std::string local = host::utf8ToCp936(buf);
    benchmark::DoNotOptimize(local.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buf.size()));
}

BENCHMARK(utf8ToLocalPage)->Unit(benchmark::kMillisecond);
BENCHMARK(hostUtf8ToCp936Page)->Unit(benchmark::kMillisecond);

void runPython() {
  if (std::getenv("TOVI_BENCH_NO_PYTHON")) return;
  const std::string path = "/tmp/tovi_web_bench_page.html";
  std::ofstream(path, std::ios::binary) << page();
  const std::string command =
      "python3 -c \"import sys,time\n"
      "d=open(sys.argv[1],'rb').read()\n"
      "b=[]\n"
      "for _ in range(5):\n"
      "  s=time.perf_counter();o=d.decode('utf-8').encode('gbk','replace');b.append(time.perf_counter()-s)\n"
      "m=min(b);print('python decode/encode: %.1f ms  %.0f MB/s  out=%d bytes'%(m*1e3,len(d)/m/2**20,len(o)))\" " +
      path;
  std::fflush(stdout);
  if (std::system(command.c_str()) != 0) std::puts("python decode/encode: python3 did not run");
  std::remove(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::printf("page: %zu bytes, %zu bytes in code page 936\n", page().size(), utf8ToLocal(page()).size());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  runPython();
  return 0;
}
