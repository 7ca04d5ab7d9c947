#pragma once
// A borderless top-level window built from a host::Window: one widget per control,
// each kept up to date from its model through a ModelLink.
#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "host/controls.h"
#include "host/shell.h"

namespace host::qt {

class ModelLink;

class WindowView : public QWidget {
 public:
  // `onDesktopClose` runs when the desktop (not the program) asks the window to close.
  WindowView(Window& window, std::function<void()> onDesktopClose);
  ~WindowView() override;

  Window& window() const { return window_; }
  QWidget* widgetOf(const Control& control) const;
  void centreOnScreen();
  // Closes the window for the program: no desktop-close handler runs.
  void closeForProgram();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Part {
    Control* model = nullptr;
    QWidget* widget = nullptr;
    const TabControl* tab = nullptr;  // the tab control whose page this control is on
    std::unique_ptr<ModelLink> link;
  };
  QWidget* makeWidget(Control& control, QWidget* parent);
  void apply(Part& part);
  void applyVisibility(Part& part);

  Window& window_;
  std::function<void()> onDesktopClose_;
  std::vector<std::unique_ptr<Part>> parts_;
  std::map<const Control*, Part*> byModel_;
  bool dragging_ = false, closingForProgram_ = false;
  QPoint dragOffset_;
};

}  // namespace host::qt
