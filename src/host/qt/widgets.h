#pragma once
// The widgets that show control models. Each keeps a reference to its model and
// raises the model's events; the window view applies the model's state to them.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeView>
#include <vector>

#include "host/controls.h"

namespace host::qt {

class RowsModel;

// Raises a model event; the handler is copied first, since it may replace itself.
void raiseEvent(const std::function<void()>& event);

// A flat page button that works as a check box: the model decides the checked state,
// so a click does not toggle it by itself.
class PageButton : public QAbstractButton {
 public:
  PageButton(Control& model, QWidget* parent);
  QSize sizeHint() const override { return {163, 32}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void nextCheckState() override {}
};

// A button drawn as a picture, with a second picture while the mouse is over it.
class PictureButton : public QAbstractButton {
 public:
  PictureButton(Control& model, QWidget* parent);
  QSize sizeHint() const override { return {32, 32}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Control& model_;
};

// A picture box: its picture scaled to its size, animated when it has frames. Mouse
// presses fall through to the window (which is dragged by its background) unless
// the model handles them.
class PictureBox : public QWidget {
 public:
  PictureBox(Control& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent*) override;
  void hideEvent(QHideEvent*) override;

 private:
  Control& model_;
  const std::vector<QImage>& frames_;
  size_t frame_ = 0;
  QTimer timer_;
};

// A transparent label, optionally over a picture.
class TextLabel : public QLabel {
 public:
  TextLabel(Control& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Control& model_;
};

// One-line edit box: the user's typing goes into the model.
class EditLine : public QLineEdit {
 public:
  EditLine(Control& model, QWidget* parent);
  void showText(const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Control& model_;
};

// Multi-line edit box.
class EditArea : public QPlainTextEdit {
 public:
  EditArea(Control& model, QWidget* parent);
  void showText(const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Control& model_;
  bool showing_ = false;  // a change we make is not the user's typing
};

// A report-style list view.
class ReportView : public QTreeView {
 public:
  ReportView(ListView& model, QWidget* parent);
  // Rows and selection from the model. GUI thread.
  void sync();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void writeSelection();
  ListView& model_;
  RowsModel* rows_;
};

}  // namespace host::qt
