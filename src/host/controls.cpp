#include "host/controls.h"

#include "host/threads.h"

namespace host {

Control::Control(ControlKind kind, std::string name, Control* parent, Rect geometry, std::string text)
    : kind_(kind), name_(std::move(name)), parent_(parent), text_(std::move(text)), geometry_(geometry) {}

void Control::setObserver(ChangeObserver observer) {
  std::lock_guard lock(mutex_);
  observer_ = observer ? std::make_shared<const ChangeObserver>(std::move(observer)) : nullptr;
}

void Control::notify() {
  std::shared_ptr<const ChangeObserver> observer;
  {
    std::lock_guard lock(mutex_);
    observer = observer_;
  }
  if (observer) (*observer)(*this);
}

// Every writer: take the gate, change under the lock, then tell the observer.
#define TOVI_WRITE(body)                \
  {                                     \
    ControlWriteGate gate;              \
    if (!gate.allowed()) return;        \
    {                                   \
      std::lock_guard lock(mutex_);     \
      body;                             \
      ++revision_;                      \
    }                                   \
    notify();                           \
  }

std::string Control::text() const {
  std::lock_guard lock(mutex_);
  return text_;
}
void Control::setText(const std::string& text) TOVI_WRITE(text_ = text)

bool Control::visible() const {
  std::lock_guard lock(mutex_);
  return visible_;
}
void Control::setVisible(bool visible) TOVI_WRITE(visible_ = visible)

bool Control::enabled() const {
  std::lock_guard lock(mutex_);
  return enabled_;
}
void Control::setEnabled(bool enabled) TOVI_WRITE(enabled_ = enabled)

bool Control::checked() const {
  std::lock_guard lock(mutex_);
  return checked_;
}
void Control::setChecked(bool checked) TOVI_WRITE(checked_ = checked)

Rect Control::geometry() const {
  std::lock_guard lock(mutex_);
  return geometry_;
}
void Control::move(Rect geometry) TOVI_WRITE(geometry_ = geometry)

unsigned long Control::revision() const {
  std::lock_guard lock(mutex_);
  return revision_;
}

// ---- ListView

ListView::ListView(std::string name, Control* parent, Rect geometry, std::vector<Column> columns)
    : Control(ControlKind::listView, std::move(name), parent, geometry), columns_(std::move(columns)) {}

int ListView::insertRow() { return appendRow({}); }

int ListView::appendRow(const std::vector<std::string>& cells) {
  int index = -1;
  {
    ControlWriteGate gate;
    if (!gate.allowed()) return -1;
    std::lock_guard lock(mutex_);
    index = static_cast<int>(rows_.size());
    auto& row = rows_.emplace_back(columns_.size());
    for (size_t c = 0; c < cells.size() && c < row.size(); ++c) row[c] = cells[c];
    ++revision_;
  }
  notify();
  return index;
}

void ListView::setCell(int row, int column, const std::string& text) TOVI_WRITE({
  if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size()) || column >= columnCount()) return;
  rows_[row][column] = text;
})

std::string ListView::cellText(int row, int column) const {
  std::lock_guard lock(mutex_);
  if (row < 0 || column < 0 || row >= static_cast<int>(rows_.size()) || column >= columnCount()) return {};
  return rows_[row][column];
}

int ListView::setCellsWhere(int keyColumn, const std::string& key, int column, const std::string& text) {
  int changed = 0;
  {
    ControlWriteGate gate;
    if (!gate.allowed()) return 0;
    std::lock_guard lock(mutex_);
    if (keyColumn < 0 || keyColumn >= columnCount() || column < 0 || column >= columnCount()) return 0;
    for (auto& row : rows_) {
      if (row[keyColumn] != key) continue;
      row[column] = text;
      ++changed;
    }
    if (changed) ++revision_;
  }
  if (changed) notify();
  return changed;
}

int ListView::rowCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(rows_.size());
}

void ListView::deleteRow(int row) TOVI_WRITE({
  if (row < 0 || row >= static_cast<int>(rows_.size())) return;
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) selected_ = -1;
  else if (selected_ > row) --selected_;
  ++generation_;
})

void ListView::clearRows() TOVI_WRITE({
  rows_.clear();
  selected_ = -1;
  ++generation_;
})

int ListView::selectedRow() const {
  std::lock_guard lock(mutex_);
  return selected_;
}

void ListView::setSelectedRow(int row) TOVI_WRITE({
  selected_ = (row >= 0 && row < static_cast<int>(rows_.size())) ? row : -1;
})

ListView::Snapshot ListView::rowsFrom(int from) const {
  std::lock_guard lock(mutex_);
  Snapshot s;
  s.generation = generation_;
  if (from < 0) from = 0;
  if (from < static_cast<int>(rows_.size())) s.rows.assign(rows_.begin() + from, rows_.end());
  return s;
}

unsigned long ListView::generation() const {
  std::lock_guard lock(mutex_);
  return generation_;
}

void ListView::forEachRow(const std::function<void(int, const std::vector<std::string>&)>& visit) const {
  std::lock_guard lock(mutex_);
  for (size_t i = 0; i < rows_.size(); ++i) visit(static_cast<int>(i), rows_[i]);
}

// ---- ComboBox

int ComboBox::addItem(const std::string& text) {
  int index = -1;
  {
    ControlWriteGate gate;
    if (!gate.allowed()) return -1;
    std::lock_guard lock(mutex_);
    items_.push_back(text);
    index = static_cast<int>(items_.size()) - 1;
    ++revision_;
  }
  notify();
  return index;
}

int ComboBox::selectedItem() const {
  std::lock_guard lock(mutex_);
  return current_;
}

void ComboBox::setSelectedItem(int index) TOVI_WRITE({
  current_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
})

std::string ComboBox::itemText(int index) const {
  std::lock_guard lock(mutex_);
  if (index < 0 || index >= static_cast<int>(items_.size())) return {};
  return items_[index];
}

int ComboBox::itemCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(items_.size());
}

std::vector<std::string> ComboBox::items() const {
  std::lock_guard lock(mutex_);
  return items_;
}

void ComboBox::pick(int index) {
  setSelectedItem(index);
  if (onPick) onPick();
}

// ---- TabControl

TabControl::TabControl(std::string name, Control* parent, Rect geometry, std::vector<std::string> pageTitles)
    : Control(ControlKind::tabControl, std::move(name), parent, geometry), titles_(std::move(pageTitles)) {}

int TabControl::currentPage() const {
  std::lock_guard lock(mutex_);
  return current_;
}

void TabControl::setCurrentPage(int page) TOVI_WRITE({
  if (page < 0 || page >= static_cast<int>(titles_.size())) return;
  current_ = page;
})

#undef TOVI_WRITE

}  // namespace host
