#pragma once
// Control models: each control of a window is a small thread-safe object that holds
// its state. The model is the truth; a front-end shows it. Writes from a started
// thread pass through the ControlWriteGate, so a killed thread changes nothing.
// Texts are code page 936 bytes.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace host {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};

enum class ControlKind { label, edit, button, pageButton, picture, listView, comboBox, tabControl };
enum class Align { left, centre };

struct Column {
  std::string title;
  int width = 0;
  Align align = Align::left;
};

class Control;
// Told after every change of a control, on the thread that made it. It must not
// block and must not call back into the control's writers.
using ChangeObserver = std::function<void(Control&)>;

class Control {
 public:
  Control(ControlKind kind, std::string name, Control* parent, Rect geometry, std::string text = {});
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }

  // The text of an edit box or label, or a button's caption (controlText).
  std::string text() const;
  void setText(const std::string& text);
  void setCaption(const std::string& caption) { setText(caption); }
  bool visible() const;
  void setVisible(bool visible);
  bool enabled() const;
  void setEnabled(bool enabled);
  bool checked() const;
  void setChecked(bool checked);
  Rect geometry() const;
  void move(Rect geometry);
  // How many changes this control has seen: lets a front-end skip what it has shown.
  unsigned long revision() const;

  // Fixed look, set while the window is built.
  int fontHeight = 12;
  std::string tooltip;
  std::string picture;       // name of an image resource of ours, for picture boxes and buttons
  std::string hoverPicture;  // shown while the mouse is over a picture button
  int page = -1;             // page of the tab control this control sits on, -1: on no page

  // Events, raised by a front-end on the window thread.
  std::function<void()> onClick, onDoubleClick, onRightClick, onFocusIn, onFocusOut, onMouseDown;

  void setObserver(ChangeObserver observer);

 protected:
  void notify();
  mutable std::mutex mutex_;
  unsigned long revision_ = 0;

 private:
  const ControlKind kind_;
  const std::string name_;
  Control* const parent_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  Rect geometry_;
  std::shared_ptr<const ChangeObserver> observer_;
};

// A report-style list view.
class ListView : public Control {
 public:
  ListView(std::string name, Control* parent, Rect geometry, std::vector<Column> columns);

  const std::vector<Column>& columns() const { return columns_; }
  int columnCount() const { return static_cast<int>(columns_.size()); }

  // Appends an empty row and returns its 0-based index (the old row count); -1 when
  // no row can be added.
  int insertRow();
  // Appends a whole row in one step: readers never see it half-filled.
  int appendRow(const std::vector<std::string>& cells);
  // A row or column that does not exist is ignored.
  void setCell(int row, int column, const std::string& text);
  // The empty text for a row or column that does not exist, row -1 included.
  std::string cellText(int row, int column) const;
  // Sets `column` of every row whose `keyColumn` equals `key`, in one step, so that a
  // rebuild of the list on another thread never mixes with it. Returns the rows set.
  int setCellsWhere(int keyColumn, const std::string& key, int column, const std::string& text);
  int rowCount() const;
  void deleteRow(int row);
  void clearRows();
  // The first selected row, -1 when none.
  int selectedRow() const;
  // Set by the front-end when the user selects, and by tests.
  void setSelectedRow(int row);

  // For a front-end: rows [from, rowCount) and the generation, which changes
  // whenever rows are removed (then everything shown must be dropped).
  struct Snapshot {
    unsigned long generation = 0;
    std::vector<std::vector<std::string>> rows;
  };
  Snapshot rowsFrom(int from) const;
  unsigned long generation() const;
  // Calls `visit` with each row's cells under the lock (no copy of the list).
  void forEachRow(const std::function<void(int, const std::vector<std::string>&)>& visit) const;

 private:
  const std::vector<Column> columns_;
  std::vector<std::vector<std::string>> rows_;
  int selected_ = -1;
  unsigned long generation_ = 0;
};

// A drop-down list that cannot be typed into; items stay in the order added.
class ComboBox : public Control {
 public:
  using Control::Control;
  int addItem(const std::string& text);
  int selectedItem() const;
  // Makes the item current without raising the pick event.
  void setSelectedItem(int index);
  std::string itemText(int index) const;
  int itemCount() const;
  std::vector<std::string> items() const;
  // The user picks an item: it becomes current and onPick runs (window thread).
  void pick(int index);
  std::function<void()> onPick;

 private:
  std::vector<std::string> items_;
  int current_ = -1;
};

// A container of pages without a tab strip: it shows the controls of its current page.
class TabControl : public Control {
 public:
  TabControl(std::string name, Control* parent, Rect geometry, std::vector<std::string> pageTitles);
  const std::vector<std::string>& pageTitles() const { return titles_; }
  int currentPage() const;
  void setCurrentPage(int page);

 private:
  const std::vector<std::string> titles_;
  int current_ = 0;
};

}  // namespace host
