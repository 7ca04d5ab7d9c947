#include "host/qt/gui_thread.h"

#include <QCoreApplication>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "host/threads.h"

namespace host::qt {

bool onGuiThread() {
  auto* app = QCoreApplication::instance();
  return !app || QThread::currentThread() == app->thread();
}

void runOnGui(const std::function<void()>& work) {
  if (onGuiThread()) {
    work();
    return;
  }
  struct State {
    std::mutex mutex;
    std::condition_variable changed;
    bool started = false, done = false, abandoned = false;
  };
  auto state = std::make_shared<State>();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [state, &work] {
        {
          std::lock_guard lock(state->mutex);
          if (state->abandoned) return;  // the caller has gone: `work` may be dangling
          state->started = true;
        }
        work();
        {
          std::lock_guard lock(state->mutex);
          state->done = true;
        }
        state->changed.notify_all();
      },
      Qt::QueuedConnection);
  StopCallback onKill([state] {
    std::lock_guard lock(state->mutex);
    state->abandoned = true;
    state->changed.notify_all();
  });
  std::unique_lock lock(state->mutex);
  state->changed.wait(lock, [&] { return state->done || (state->abandoned && !state->started); });
}

}  // namespace host::qt
