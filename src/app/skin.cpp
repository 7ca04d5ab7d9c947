#include "app/skin.h"

namespace app {

const std::string& skinData() {
  // Flat and light: white pages, the window's blue for selection and focus, thin frames.
  static const std::string data =
      "QWidget { font-family: \"微软雅黑\"; color: #202020; }\n"
      "QMessageBox, QDialog { background: #ffffff; }\n"
      "QPushButton { background: #f4f8ff; border: 1px solid #0088ff; padding: 2px 8px; }\n"
      "QPushButton:hover { background: #dcecff; }\n"
      "QPushButton:pressed { background: #046dfb; color: #ffffff; }\n"
      "QPushButton:disabled { color: #a0a0a0; border-color: #b0c8e8; }\n"
      "QLineEdit, QPlainTextEdit { border: 0; background: #ffffff; selection-background-color: #0088ff; }\n"
      "QComboBox { border: 1px solid #0088ff; background: #ffffff; padding: 0 4px; }\n"
      "QTableView, QTreeView { border: 0; background: #ffffff; alternate-background-color: #f5f9ff;"
      " selection-background-color: #0088ff; selection-color: #ffffff; }\n"
      "QHeaderView::section { background: #eef5ff; border: 0; border-right: 1px solid #d0e4ff; padding: 2px; }\n"
      "QMenu { background: #ffffff; border: 1px solid #0088ff; }\n"
      "QMenu::item:selected { background: #0088ff; color: #ffffff; }\n"
      "QToolTip { background: #ffffff; border: 1px solid #0088ff; }\n";
  return data;
}

}  // namespace app
