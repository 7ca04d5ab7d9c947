#include "host/qt/look.h"

namespace host::qt {

QString defaultLook() {
  return QStringLiteral(R"(
QLabel { color: rgb(51,51,51); background: transparent; }
#启动窗口 QLabel#透明标签1, #窗口_反馈 QLabel#透明标签1 { color: white; }
QLabel#标签_首页_装逼标题 { color: rgb(0,136,255); }
QLabel#透明标签7, QLabel#透明标签8 { color: rgb(0,136,255); }
QLabel#透明标签9 { color: rgb(0,136,255); }
QPushButton { color: rgb(0,136,255); background: white; border: 1px solid rgb(0,136,255);
  border-radius: 3px; padding: 0 4px; }
QPushButton:hover { color: white; background: rgb(0,136,255); }
QPushButton:pressed { color: white; background: rgb(4,109,251); }
QPushButton:disabled { color: rgb(160,160,160); border-color: rgb(190,190,190); background: white; }
QPushButton#按钮_缩小, QPushButton#按钮_关闭 { color: white; background: transparent; border: none; }
QPushButton#按钮_缩小:hover, QPushButton#按钮_关闭:hover { background: rgb(4,109,251); }
QLineEdit, QPlainTextEdit { border: none; background: white; color: rgb(51,51,51);
  selection-background-color: rgb(0,136,255); }
#启动窗口 QLineEdit#编辑框1 { background: rgb(240,247,255); color: rgb(0,110,220); }
QTreeView { border: none; background: white; color: rgb(51,51,51);
  selection-background-color: rgb(0,136,255); selection-color: white; }
QHeaderView::section { background: rgb(240,247,255); color: rgb(51,51,51); border: none;
  border-right: 1px solid rgb(210,228,248); border-bottom: 1px solid rgb(210,228,248); padding: 0 4px; }
QComboBox { border: 1px solid rgb(170,205,240); background: white; color: rgb(51,51,51); padding: 0 4px; }
)");
}

}  // namespace host::qt
