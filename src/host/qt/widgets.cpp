#include "host/qt/widgets.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include "host/qt/fonts.h"
#include "host/qt/pictures.h"
#include "host/qt/qt_text.h"
#include "host/qt/rows_model.h"

namespace host::qt {

void raiseEvent(const std::function<void()>& event) {
  if (!event) return;
  auto copy = event;
  copy();
}

namespace {
const QImage* stillPicture(const std::string& name) {
  const auto& frames = pictureFrames(name);
  return frames.empty() ? nullptr : &frames.front();
}
}  // namespace

// ---- PageButton

PageButton::PageButton(Control& model, QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::PointingHandCursor);
  connect(this, &QAbstractButton::clicked, this, [&model] { raiseEvent(model.onClick); });
}

void PageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool lit = isChecked() || underMouse() || isDown();
  p.fillRect(rect(), lit ? QColor(4, 109, 251) : QColor(0, 136, 255));
  if (isChecked()) p.fillRect(0, 0, 4, height(), Qt::white);  // the checked mark
  p.setPen(Qt::white);
  p.setFont(font());
  p.drawText(rect(), Qt::AlignCenter, text());
}

// ---- PictureButton

PictureButton::PictureButton(Control& model, QWidget* parent) : QAbstractButton(parent), model_(model) {
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::PointingHandCursor);
  connect(this, &QAbstractButton::clicked, this, [&model] { raiseEvent(model.onClick); });
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool hover = underMouse() && !model_.hoverPicture.empty();
  if (const QImage* image = stillPicture(hover ? model_.hoverPicture : model_.picture)) {
    const QRect target(QPoint(0, 0), image->size().boundedTo(size()));
    p.drawImage(target.translated(rect().center() - target.center()), *image);
  }
}

// ---- PictureBox

PictureBox::PictureBox(Control& model, QWidget* parent)
    : QWidget(parent), model_(model), frames_(pictureFrames(model.picture)) {
  timer_.setInterval(frameMilliseconds);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % frames_.size();
    update();
  });
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(rect(), frames_[frame_ % frames_.size()]);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && model_.onMouseDown) {
    raiseEvent(model_.onMouseDown);
    return;
  }
  event->ignore();
}

void PictureBox::showEvent(QShowEvent*) {
  if (frames_.size() > 1) timer_.start();
}

void PictureBox::hideEvent(QHideEvent*) { timer_.stop(); }

// ---- TextLabel

TextLabel::TextLabel(Control& model, QWidget* parent) : QLabel(parent), model_(model) {
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  // one line sits in the middle of its height, several lines start at the top
  const bool oneLine = model.geometry().height <= 2 * model.fontHeight + 8;
  setAlignment(Qt::AlignLeft | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
  if (model.onMouseDown) setCursor(Qt::PointingHandCursor);
}

void TextLabel::paintEvent(QPaintEvent* event) {
  if (const QImage* image = stillPicture(model_.picture)) {
    QPainter p(this);
    p.drawImage(QRect(QPoint(0, 0), image->size()), *image);
  }
  QLabel::paintEvent(event);
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && model_.onMouseDown) {
    raiseEvent(model_.onMouseDown);
    return;
  }
  event->ignore();  // the window is dragged by its background
}

// ---- EditLine

EditLine::EditLine(Control& model, QWidget* parent) : QLineEdit(parent), model_(model) {
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) { model_.setText(fromQString(text)); });
}

void EditLine::showText(const QString& text) {
  if (this->text() != text) setText(text);
}

void EditLine::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  raiseEvent(model_.onFocusIn);
}

void EditLine::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  raiseEvent(model_.onFocusOut);
}

// ---- EditArea

EditArea::EditArea(Control& model, QWidget* parent) : QPlainTextEdit(parent), model_(model) {
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_) model_.setText(fromQString(toPlainText()));
  });
}

void EditArea::showText(const QString& text) {
  if (toPlainText() == text) return;
  showing_ = true;
  setPlainText(text);
  showing_ = false;
}

void EditArea::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  raiseEvent(model_.onFocusIn);
}

void EditArea::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  raiseEvent(model_.onFocusOut);
}

// ---- ReportView

ReportView::ReportView(ListView& model, QWidget* parent)
    : QTreeView(parent), model_(model), rows_(new RowsModel(model, this)) {
  setModel(rows_);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideRight);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  header()->setMinimumSectionSize(0);
  for (int c = 0; c < model.columnCount(); ++c) header()->resizeSection(c, model.columns()[c].width);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { writeSelection(); });
}

void ReportView::writeSelection() {
  int first = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows())
    if (first < 0 || index.row() < first) first = index.row();
  if (model_.selectedRow() != first) model_.setSelectedRow(first);
}

void ReportView::sync() {
  rows_->sync();
  const int wanted = model_.selectedRow();
  const QModelIndexList selected = selectionModel()->selectedRows();
  const int shown = selected.isEmpty() ? -1 : selected.front().row();
  if (wanted == shown) return;
  if (wanted < 0 || wanted >= rows_->rowCount()) {
    selectionModel()->clearSelection();
  } else {
    const QModelIndex index = rows_->index(wanted, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

void ReportView::mousePressEvent(QMouseEvent* event) {
  // the press selects the row under the mouse first, as a right-press does on Windows
  QTreeView::mousePressEvent(event);
  if (event->button() == Qt::RightButton) raiseEvent(model_.onRightClick);
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) raiseEvent(model_.onDoubleClick);
}

}  // namespace host::qt
