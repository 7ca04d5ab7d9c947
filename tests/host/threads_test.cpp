#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "host/controls.h"
#include "host/threads.h"

using namespace host;
using namespace std::chrono_literals;

TEST(Threads, KilledThreadWritesNothingAfterKillReturns) {
  ListView list("list", nullptr, {}, {{"a", 10}});
  ThreadSlot slot;
  std::atomic<bool> go{true};
  startThread([&] {
    while (go) list.insertRow();
  }, slot);
  while (list.rowCount() < 100) std::this_thread::yield();
  killThread(slot);
  const int afterKill = list.rowCount();
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(list.rowCount(), afterKill);
  go = false;
  EXPECT_TRUE(killAllThreads(2000));
}

TEST(Threads, WaitReturnsOnKillAndWhenTheWaiterIsKilled) {
  ThreadSlot collector, worker;
  std::atomic<bool> release{false};
  std::atomic<bool> waited{false};
  startThread([&] {
    startThread([&] {
      while (!release) std::this_thread::sleep_for(1ms);
    }, worker);
    waitThread(worker);
    waited = true;
  }, collector);
  while (!worker.get()) std::this_thread::yield();
  killThread(collector);  // the collector's own wait ends, the worker counts as stopped
  waitThread(collector);
  std::this_thread::sleep_for(20ms);
  EXPECT_TRUE(waited);
  release = true;
  EXPECT_TRUE(killAllThreads(2000));
  EXPECT_EQ(liveThreadCount(), 0);
}

TEST(Threads, StopCallbackRunsOnKillAndThreadsStartedByKilledThreadsNeverRun) {
  ThreadSlot slot, child;
  std::atomic<bool> woken{false}, childRan{false}, ready{false};
  startThread([&] {
    StopCallback cb([&] { woken = true; });
    ready = true;
    while (!woken) std::this_thread::sleep_for(1ms);
    startThread([&] { childRan = true; }, child);
  }, slot);
  while (!ready) std::this_thread::yield();
  killThread(slot);
  EXPECT_TRUE(woken);
  EXPECT_TRUE(killAllThreads(2000));
  EXPECT_FALSE(childRan);
  EXPECT_FALSE(stopRequested());  // the test's own thread is never stopped
}

TEST(Threads, KillingAnEndedThreadOrNoThreadDoesNothing) {
  ThreadSlot slot;
  killThread(slot);
  waitThread(slot);
  startThread([] {}, slot);
  waitThread(slot);
  killThread(slot);
  EXPECT_TRUE(killAllThreads(2000));
}
