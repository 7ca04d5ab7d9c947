#include "host/qt/window_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "host/qt/fonts.h"
#include "host/qt/look.h"
#include "host/qt/model_link.h"
#include "host/qt/qt_text.h"
#include "host/qt/widgets.h"

namespace host::qt {

namespace {

const TabControl* tabOf(const Control& control) {
  for (const Control* c = control.parent(); c; c = c->parent())
    if (c->kind() == ControlKind::tabControl) return static_cast<const TabControl*>(c);
  return nullptr;
}

// An edit box taller than two lines of its font holds several lines.
bool multiLine(const Control& control) { return control.geometry().height > 2 * control.fontHeight + 16; }

void syncComboItems(QComboBox& box, const ComboBox& model) {
  const QSignalBlocker block(&box);
  const std::vector<std::string> items = model.items();
  bool same = box.count() == static_cast<int>(items.size());
  for (int i = 0; same && i < box.count(); ++i) same = box.itemText(i) == toQString(items[i]);
  if (!same) {
    // the source selector is only appended to: keep what is there when that is so
    bool prefix = box.count() <= static_cast<int>(items.size());
    for (int i = 0; prefix && i < box.count(); ++i) prefix = box.itemText(i) == toQString(items[i]);
    if (!prefix) box.clear();
    for (size_t i = static_cast<size_t>(box.count()); i < items.size(); ++i) box.addItem(toQString(items[i]));
  }
  box.setCurrentIndex(model.selectedItem());
}

}  // namespace

WindowView::WindowView(Window& window, std::function<void()> onDesktopClose)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      window_(window),
      onDesktopClose_(std::move(onDesktopClose)) {
  const QString name = toQString(window.name);
  setObjectName(name);
  setAccessibleName(name);
  setFixedSize(window.width, window.height);  // no maximise, no resize
  setStyleSheet(defaultLook());
  // The window itself takes the focus when shown and when its background is clicked,
  // so no edit box is entered (and its hint cleared) before the user chooses it.
  setFocusPolicy(Qt::ClickFocus);

  for (Control* control : window.controls) {
    auto part = std::make_unique<Part>();
    part->model = control;
    part->tab = tabOf(*control);
    QWidget* parent = this;
    if (control->parent()) {
      auto it = byModel_.find(control->parent());
      if (it != byModel_.end()) parent = it->second->widget;
    }
    part->widget = makeWidget(*control, parent);
    const QString controlName = toQString(control->name());
    part->widget->setObjectName(controlName);
    part->widget->setAccessibleName(controlName);
    part->widget->setFont(controlFont(control->fontHeight));
    if (!control->tooltip.empty()) {
      part->widget->setToolTip(toQString(control->tooltip));
      part->widget->setAccessibleDescription(toQString(control->tooltip));
    }
    Part* raw = part.get();
    byModel_[control] = raw;
    parts_.push_back(std::move(part));
    apply(*raw);
    raw->link = std::make_unique<ModelLink>(*control, raw->widget, [this, raw] { apply(*raw); });
  }
  setFocus();  // remembered until shown: activation then focuses the window, not its first edit box
}

WindowView::~WindowView() {
  // Detach from the models before the widgets go: a model may outlive this view and
  // keep changing on other threads.
  for (auto& part : parts_) part->link.reset();
}

QWidget* WindowView::widgetOf(const Control& control) const {
  auto it = byModel_.find(&control);
  return it == byModel_.end() ? nullptr : it->second->widget;
}

void WindowView::centreOnScreen() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void WindowView::closeForProgram() {
  closingForProgram_ = true;
  close();
}

QWidget* WindowView::makeWidget(Control& control, QWidget* parent) {
  switch (control.kind()) {
    case ControlKind::label:
      return new TextLabel(control, parent);
    case ControlKind::edit:
      if (multiLine(control)) return new EditArea(control, parent);
      return new EditLine(control, parent);
    case ControlKind::button: {
      if (!control.picture.empty()) return new PictureButton(control, parent);
      auto* button = new QPushButton(parent);
      button->setCursor(Qt::PointingHandCursor);
      QObject::connect(button, &QPushButton::clicked, button, [&control] { raiseEvent(control.onClick); });
      return button;
    }
    case ControlKind::pageButton:
      return new PageButton(control, parent);
    case ControlKind::picture:
      return new PictureBox(control, parent);
    case ControlKind::listView:
      return new ReportView(static_cast<ListView&>(control), parent);
    case ControlKind::comboBox: {
      auto* box = new QComboBox(parent);
      auto& model = static_cast<ComboBox&>(control);
      QObject::connect(box, &QComboBox::activated, box, [&model](int index) { model.pick(index); });
      return box;
    }
    case ControlKind::tabControl: {
      // a plain white container: no tab strip, pages are chosen by the page buttons
      auto* page = new QWidget(parent);
      page->setAutoFillBackground(true);
      QPalette palette = page->palette();
      palette.setColor(QPalette::Window, Qt::white);
      page->setPalette(palette);
      return page;
    }
  }
  return new QWidget(parent);
}

void WindowView::applyVisibility(Part& part) {
  const Control& c = *part.model;
  const bool onShownPage = c.page < 0 || !part.tab || part.tab->currentPage() == c.page;
  part.widget->setVisible(c.visible() && onShownPage);
}

void WindowView::apply(Part& part) {
  Control& c = *part.model;
  QWidget* w = part.widget;
  const Rect g = c.geometry();
  w->setGeometry(g.left, g.top, g.width, g.height);
  w->setEnabled(c.enabled());
  applyVisibility(part);
  switch (c.kind()) {
    case ControlKind::label: {
      auto* label = static_cast<TextLabel*>(w);
      const QString text = toQString(c.text());
      if (label->text() != text) label->setText(text);
      break;
    }
    case ControlKind::edit:
      if (auto* line = dynamic_cast<EditLine*>(w)) line->showText(toQString(c.text()));
      if (auto* area = dynamic_cast<EditArea*>(w)) area->showText(toQString(c.text()));
      break;
    case ControlKind::button:
    case ControlKind::pageButton: {
      auto* button = static_cast<QAbstractButton*>(w);
      const QString text = toQString(c.text());
      if (button->text() != text) button->setText(text);
      if (c.kind() == ControlKind::pageButton) {
        button->setChecked(c.checked());
        button->update();
      }
      break;
    }
    case ControlKind::listView:
      static_cast<ReportView*>(w)->sync();
      break;
    case ControlKind::comboBox:
      syncComboItems(*static_cast<QComboBox*>(w), static_cast<ComboBox&>(c));
      break;
    case ControlKind::tabControl:
      for (auto& other : parts_)
        if (other->tab == &c) applyVisibility(*other);
      break;
    case ControlKind::picture:
      break;
  }
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  // the window has no caption bar: any point of its background drags it
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) move(event->globalPosition().toPoint() - dragOffset_);
}

void WindowView::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void WindowView::closeEvent(QCloseEvent* event) {
  if (closingForProgram_ || !onDesktopClose_) return event->accept();
  event->ignore();
  auto handler = onDesktopClose_;
  handler();
}

}  // namespace host::qt
