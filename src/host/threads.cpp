#include "host/threads.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <utility>

namespace host {

class ThreadState {
 public:
  explicit ThreadState(ThreadHandle parent) : parent(std::move(parent)) {}
  const ThreadHandle parent;
  // Set under gateMutex(), so a kill and a control write never overlap; read
  // anywhere (a waiter must not take the gate while holding its own mutex).
  std::atomic<bool> killed{false};
  // Guarded by gateMutex().
  std::vector<std::pair<size_t, std::function<void()>>> stopCallbacks;
  // Guarded by mutex: the routine has returned.
  std::mutex mutex;
  std::condition_variable changed;
  bool finished = false;

  bool stoppedLocked() const {
    for (const ThreadState* t = this; t; t = t->parent.get())
      if (t->killed) return true;
    return false;
  }
};

namespace {

std::recursive_mutex& gateMutex() {
  static std::recursive_mutex m;
  return m;
}

thread_local ThreadHandle currentThread;

struct Registry {
  std::mutex mutex;
  std::condition_variable allDone;
  std::vector<ThreadHandle> live;
};
Registry& registry() {
  static Registry* r = new Registry;  // outlives threads still unwinding at exit
  return *r;
}

size_t nextCallbackId() {
  static std::atomic<size_t> id{1};
  return id++;
}

// Wakes every waiter of `t` and of the threads it started (their waits must end too).
void notifyAll() {
  auto& reg = registry();
  std::lock_guard lock(reg.mutex);
  for (auto& t : reg.live) {
    std::lock_guard l(t->mutex);
    t->changed.notify_all();
  }
}

std::vector<ThreadHandle> liveThreads() {
  std::lock_guard lock(registry().mutex);
  return registry().live;
}

// Called under the gate with a snapshot of the live threads: runs the callbacks of
// `target` and of every thread it started, since those count as stopped too.
void runStopCallbacks(ThreadState& target, const std::vector<ThreadHandle>& live) {
  for (auto& t : live) {
    bool below = false;
    for (const ThreadState* p = t.get(); p; p = p->parent.get())
      if (p == &target) below = true;
    if (!below) continue;
    for (auto& [id, cb] : t->stopCallbacks) cb();
    t->stopCallbacks.clear();
  }
}

}  // namespace

ThreadHandle ThreadSlot::get() const {
  std::lock_guard lock(mutex_);
  return handle_;
}

void ThreadSlot::set(ThreadHandle h) {
  std::lock_guard lock(mutex_);
  handle_ = std::move(h);
}

void startThread(std::function<void()> routine, ThreadSlot& slot) {
  auto state = std::make_shared<ThreadState>(currentThread);
  {
    std::lock_guard gate(gateMutex());
    if (state->stoppedLocked()) {  // started by a killed thread: it never runs
      state->finished = true;
      slot.set(state);
      return;
    }
  }
  {
    std::lock_guard lock(registry().mutex);
    registry().live.push_back(state);
  }
  slot.set(state);
  std::thread([state, routine = std::move(routine)]() mutable {
    currentThread = state;
    routine();
    routine = nullptr;  // release what the routine captured while still accounted for
    {
      std::lock_guard lock(state->mutex);
      state->finished = true;
    }
    state->changed.notify_all();
    {
      auto& reg = registry();
      std::lock_guard lock(reg.mutex);
      reg.live.erase(std::remove(reg.live.begin(), reg.live.end(), state), reg.live.end());
      reg.allDone.notify_all();
    }
    currentThread.reset();
  }).detach();
}

bool isRunning(const ThreadHandle& handle) {
  if (!handle || handle->stoppedLocked()) return false;
  std::lock_guard lock(handle->mutex);
  return !handle->finished;
}

bool isRunning(const ThreadSlot& slot) { return isRunning(slot.get()); }

bool stopRequested() {
  if (!currentThread) return false;
  std::lock_guard gate(gateMutex());
  return currentThread->stoppedLocked();
}

void waitThread(const ThreadHandle& handle) {
  if (!handle) return;
  const ThreadHandle self = currentThread;
  std::unique_lock lock(handle->mutex);
  handle->changed.wait(lock, [&] {
    return handle->finished || handle->stoppedLocked() || (self && self->stoppedLocked());
  });
}

void waitThread(const ThreadSlot& slot) { waitThread(slot.get()); }

void killThread(const ThreadHandle& handle) {
  if (!handle) return;
  {
    std::lock_guard lock(handle->mutex);
    if (handle->finished) return;
  }
  const auto live = liveThreads();
  {
    std::lock_guard gate(gateMutex());
    handle->killed = true;
    runStopCallbacks(*handle, live);
  }
  notifyAll();
}

void killThread(const ThreadSlot& slot) { killThread(slot.get()); }

bool killAllThreads(int patienceMs) {
  for (auto& t : liveThreads()) killThread(t);
  auto& reg = registry();
  std::unique_lock lock(reg.mutex);
  return reg.allDone.wait_for(lock, std::chrono::milliseconds(patienceMs), [&] { return reg.live.empty(); });
}

int liveThreadCount() {
  std::lock_guard lock(registry().mutex);
  return static_cast<int>(registry().live.size());
}

StopCallback::StopCallback(std::function<void()> onStop) : owner_(currentThread) {
  if (!owner_) return;
  std::lock_guard gate(gateMutex());
  if (owner_->stoppedLocked()) {
    onStop();
    return;
  }
  id_ = nextCallbackId();
  owner_->stopCallbacks.emplace_back(id_, std::move(onStop));
}

StopCallback::~StopCallback() {
  if (!owner_ || id_ == 0) return;
  std::lock_guard gate(gateMutex());
  auto& cbs = owner_->stopCallbacks;
  cbs.erase(std::remove_if(cbs.begin(), cbs.end(), [&](auto& p) { return p.first == id_; }), cbs.end());
}

ControlWriteGate::ControlWriteGate() {
  if (!currentThread) return;
  gateMutex().lock();
  locked_ = true;
  allowed_ = !currentThread->stoppedLocked();
}

ControlWriteGate::~ControlWriteGate() {
  if (locked_) gateMutex().unlock();
}

}  // namespace host
