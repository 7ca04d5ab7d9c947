#pragma once
// Threads of the program, with a forced end that is cooperative but immediate in
// effect. Every started thread has a stop flag. killThread sets it under the same
// lock that each control write from a started thread takes (ControlWriteGate), so
// once killThread has returned the killed thread changes no control any more, even
// while its code is still unwinding. Blocking work (a transfer) registers a
// StopCallback so that a kill wakes it at once.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace host {

class ThreadState;
using ThreadHandle = std::shared_ptr<ThreadState>;

// A handle variable that two threads may read and write (the window thread reads
// what the collection thread stored).
class ThreadSlot {
 public:
  ThreadHandle get() const;
  void set(ThreadHandle h);

 private:
  mutable std::mutex mutex_;
  ThreadHandle handle_;
};

// Runs `routine` on a new thread and stores its handle in `slot`. A thread started
// by a thread that has been killed never runs its routine.
void startThread(std::function<void()> routine, ThreadSlot& slot);
// Returns when the thread has ended or has been killed, or when the calling thread
// itself is killed. An empty handle returns at once.
void waitThread(const ThreadHandle& handle);
void waitThread(const ThreadSlot& slot);
// Ends the thread's effects at once; a thread that has ended is left alone.
void killThread(const ThreadHandle& handle);
void killThread(const ThreadSlot& slot);

// True while the thread's routine runs and nobody has killed it.
bool isRunning(const ThreadHandle& handle);
bool isRunning(const ThreadSlot& slot);

// True when the calling thread, or a thread that started it, has been killed.
bool stopRequested();

// Kills every started thread and waits up to `patienceMs` for them to finish
// unwinding. Returns true when all have finished. Used at program end and by tests
// before the controls the threads write to go away.
bool killAllThreads(int patienceMs);
// Number of started threads whose routine has not returned yet.
int liveThreadCount();

// While it exists, a kill of the calling thread (or of a thread that started it)
// runs `onStop` once, on the killing thread, under the write gate: keep it short and
// non-blocking (set a flag, wake a poll). When the thread is already stopped,
// `onStop` runs in the constructor.
class StopCallback {
 public:
  explicit StopCallback(std::function<void()> onStop);
  ~StopCallback();
  StopCallback(const StopCallback&) = delete;
  StopCallback& operator=(const StopCallback&) = delete;

 private:
  ThreadHandle owner_;
  size_t id_ = 0;
};

// Taken by every control write. On the window thread (or any thread not started
// through startThread) it always allows; on a started thread it allows only while
// neither the thread nor any thread that started it has been killed.
class ControlWriteGate {
 public:
  ControlWriteGate();
  ~ControlWriteGate();
  ControlWriteGate(const ControlWriteGate&) = delete;
  ControlWriteGate& operator=(const ControlWriteGate&) = delete;
  bool allowed() const { return allowed_; }

 private:
  bool locked_ = false;
  bool allowed_ = true;
};

}  // namespace host
