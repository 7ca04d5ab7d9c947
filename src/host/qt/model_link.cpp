#include "host/qt/model_link.h"

#include <atomic>
#include <mutex>

#include "host/controls.h"

namespace host::qt {

struct ModelLink::State {
  std::atomic<bool> pending{false};
  std::mutex mutex;
  QObject* target = nullptr;  // guarded by mutex; null once the link is gone
  std::function<void()> apply;  // GUI thread only
};

ModelLink::ModelLink(Control& model, QObject* target, std::function<void()> apply)
    : model_(model), state_(std::make_shared<State>()) {
  state_->target = target;
  state_->apply = std::move(apply);
  model_.setObserver([state = state_](Control&) {
    if (state->pending.exchange(true)) return;  // an update is on its way
    std::lock_guard lock(state->mutex);
    if (!state->target) return;
    QMetaObject::invokeMethod(
        state->target,
        [state] {
          // cleared before reading the model, so a change made meanwhile posts again
          state->pending = false;
          {
            // the link may have gone after this was posted (both happen on this thread)
            std::lock_guard lock(state->mutex);
            if (!state->target) return;
          }
          state->apply();
        },
        Qt::QueuedConnection);
  });
}

ModelLink::~ModelLink() {
  model_.setObserver(nullptr);
  // An observer call already under way finishes first, then finds no target; updates
  // already posted die with the target object.
  std::lock_guard lock(state_->mutex);
  state_->target = nullptr;
}

}  // namespace host::qt
