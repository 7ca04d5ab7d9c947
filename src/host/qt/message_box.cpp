#include "host/qt/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>
#include <vector>

#include "host/qt/qt_text.h"

namespace host::qt {

namespace {

QMessageBox::Icon iconOf(int style) {
  switch (style & 0x70) {
    case 0x10: return QMessageBox::Critical;
    case 0x20: return QMessageBox::Question;
    case 0x30: return QMessageBox::Warning;
    case 0x40: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The buttons of each button style, with the answer each gives.
std::vector<std::pair<QMessageBox::StandardButton, int>> buttonsOf(int style) {
  using B = QMessageBox;
  switch (style & 0x0F) {
    case 1: return {{B::Ok, 0}, {B::Cancel, 1}};
    case 2: return {{B::Abort, 2}, {B::Retry, 3}, {B::Ignore, 4}};
    case 3: return {{B::Yes, 5}, {B::No, 6}, {B::Cancel, 1}};
    case 4: return {{B::Yes, 5}, {B::No, 6}};
    case 5: return {{B::Retry, 3}, {B::Cancel, 1}};
    default: return {{B::Ok, 0}};
  }
}

}  // namespace

int showMessageBox(const std::string& text, int style, const std::string& title) {
  QMessageBox box;
  box.setObjectName(QStringLiteral("messageBox"));
  box.setWindowTitle(toQString(title));
  box.setText(toQString(text));
  box.setTextFormat(Qt::PlainText);
  box.setIcon(iconOf(style));
  box.setWindowModality(Qt::ApplicationModal);
  if (style & 4096) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  const auto buttons = buttonsOf(style);
  QMessageBox::StandardButtons all;
  for (auto [button, answer] : buttons) all |= button;
  box.setStandardButtons(all);
  box.setDefaultButton(buttons.front().first);
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  for (auto [button, answer] : buttons)
    if (clicked && box.button(button) == clicked) return answer;
  // closed without a button: Windows answers Cancel where there is one, else the only button
  for (auto [button, answer] : buttons)
    if (answer == 1) return answer;
  return buttons.front().second;
}

}  // namespace host::qt
