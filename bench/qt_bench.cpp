// A worker appends 100,000 rows of five Chinese cells to 列表框_采集 while the GUI runs
// on the offscreen platform. Measures the longest stall of the event loop (gaps between
// ticks of a 1 ms timer), the time from the last append until the view holds the last
// row, and the peak resident memory. Run: build/bench_qt_bench [rows]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QTreeView>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>

#include "app/main_window.h"
#include "host/qt/qt_shell.h"
#include "host/qt/window_view.h"
#include "host/threads.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int total = argc > 1 ? std::atoi(argv[1]) : 100000;
  QApplication application(argc, argv);
  app::MainWindow w;
  host::qt::QtShell shell;
  app::connectMainWindow(w, shell);
  shell.showWindow(w.window);
  w.pageButtons[app::pageCollect]->onClick();  // the list is on screen
  auto* list = static_cast<QTreeView*>(shell.viewOf(w.window)->widgetOf(w.列表框_采集));

  using Clock = std::chrono::steady_clock;
  std::atomic<long long> lastAppendNs{0};
  std::atomic<bool> appended{false};
  long long longestGapUs = 0;
  Clock::time_point lastTick = Clock::now();
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const auto now = Clock::now();
    longestGapUs = std::max<long long>(longestGapUs, std::chrono::duration_cast<std::chrono::microseconds>(now - lastTick).count());
    lastTick = now;
    if (appended && list->model()->rowCount() == total) {
      const long long shownNs = Clock::now().time_since_epoch().count();
      std::printf("rows: %d\n", total);
      std::printf("last row shown after the last append: %.1f ms\n", (shownNs - lastAppendNs) / 1e6);
      std::printf("longest event-loop stall: %.1f ms\n", longestGapUs / 1e3);
      rusage usage{};
      getrusage(RUSAGE_SELF, &usage);
      std::printf("peak memory (ru_maxrss): %.1f MiB\n", usage.ru_maxrss / 1024.0);
      QApplication::exit(0);
    }
  });

  host::ThreadSlot worker;
  QTimer::singleShot(200, [&] {
    lastTick = Clock::now();
    ticker.start();
    host::startThread(
        [&] {
          const auto start = Clock::now();
          for (int i = 0; i < total; ++i) {
            const std::string n = std::to_string(i + 1);
            w.列表框_采集.appendRow({n, "小刀", "【资源】每日精选软件合集第" + n + "期，免费下载", "2018-05-30",
                                      "http://www.xd.example/ruanjian/" + n + ".html"});
          }
          const auto end = Clock::now();
          lastAppendNs = end.time_since_epoch().count();
          appended = true;
          std::printf("appending took %.1f ms\n", std::chrono::duration<double, std::milli>(end - start).count());
        },
        worker);
  });
  const int code = application.exec();
  host::killAllThreads(2000);
  return code;
}
