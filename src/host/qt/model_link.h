#pragma once
// Models announce changes on any thread; widgets are touched only on the GUI thread.
// A ModelLink turns a burst of changes into one update per event-loop turn: the
// first change posts the update, later ones see it pending and do nothing, and the
// update reads the model's state as it is when it runs.
#include <QObject>
#include <functional>
#include <memory>

namespace host {
class Control;
}

namespace host::qt {

class ModelLink {
 public:
  // `apply` runs on the thread of `target` (the GUI thread), never after the link or
  // the target is gone.
  ModelLink(Control& model, QObject* target, std::function<void()> apply);
  ~ModelLink();
  ModelLink(const ModelLink&) = delete;
  ModelLink& operator=(const ModelLink&) = delete;

 private:
  struct State;
  Control& model_;
  std::shared_ptr<State> state_;
};

}  // namespace host::qt
