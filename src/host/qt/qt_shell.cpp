#include "host/qt/qt_shell.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include "host/qt/fonts.h"
#include "host/qt/gui_thread.h"
#include "host/qt/message_box.h"
#include "host/qt/pictures.h"
#include "host/qt/qt_text.h"
#include "host/qt/window_view.h"
#include "host/threads.h"

namespace host::qt {

namespace {
// How long the end of the program waits for killed threads to unwind.
constexpr int endPatienceMs = 1500;
}  // namespace

QtShell::QtShell() { installFontSubstitutes(); }

QtShell::~QtShell() {
  for (auto& [window, shown] : shown_) delete shown.view;
}

WindowView* QtShell::viewOf(const Window& window) const {
  auto it = shown_.find(&window);
  return it == shown_.end() ? nullptr : it->second.view;
}

void QtShell::showWindow(Window& window) {
  runOnGui([&] {
    auto* view = new WindowView(window, [this] { endProgram(); });
    shown_[&window].view = view;
    view->centreOnScreen();
    view->show();
    QTimer::singleShot(0, view, [&window] {
      if (window.onCreate) window.onCreate();
    });
  });
}

int QtShell::messageBox(const std::string& text, int style, const std::string& title) {
  int answer = answerOk;
  runOnGui([&] { answer = showMessageBox(text, style, title.empty() ? std::string(defaultBoxTitle) : title); });
  return answer;
}

std::string QtShell::openFileDialog(FileDialog& dialog) {
  runOnGui([&] {
    // opens where the last choice was; Cancel keeps that choice
    const QString chosen = QFileDialog::getOpenFileName(nullptr, toQString(dialog.title), toQString(dialog.fileName));
    if (!chosen.isEmpty()) dialog.fileName = fromQString(chosen);
  });
  return dialog.fileName;
}

void QtShell::popupMenu(Menu& menu) {
  runOnGui([&] {
    QMenu popup;
    popup.setObjectName(toQString(menu.name));
    std::map<QAction*, size_t> itemOf;
    for (size_t i = 0; i < menu.items.size(); ++i) {
      if (menu.items[i].caption == "-") {
        popup.addSeparator();
        continue;
      }
      itemOf[popup.addAction(toQString(menu.items[i].caption))] = i;
    }
    QAction* chosen = popup.exec(QCursor::pos() + QPoint(3, 3));
    auto it = itemOf.find(chosen);
    if (it == itemOf.end()) return;
    auto handler = menu.items[it->second].onChoose;  // the handler may rebind the item
    if (handler) handler();
  });
}

void QtShell::openAddress(const std::string& address) {
  // the desktop's URL handler, started by Qt without a shell
  runOnGui([&] { QDesktopServices::openUrl(QUrl(toQString(address), QUrl::TolerantMode)); });
}

void QtShell::setClipboardText(const std::string& text) {
  runOnGui([&] {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(toQString(text));
  });
}

void QtShell::setWindowAlpha(Window& window, int alpha) {
  runOnGui([&] {
    if (WindowView* view = viewOf(window)) view->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
  });
}

void QtShell::setWindowShape(Window& window, const std::string& picture, unsigned colour) {
  runOnGui([&] {
    WindowView* view = viewOf(window);
    const auto& frames = pictureFrames(picture);
    if (view && !frames.empty()) view->setMask(outlineRegion(frames.front(), colour));
  });
}

void QtShell::minimiseWindow(Window& window) {
  runOnGui([&] {
    if (WindowView* view = viewOf(window)) view->showMinimized();
  });
}

void QtShell::openModal(Window& window) {
  runOnGui([&] {
    if (viewOf(window)) return;  // already open
    auto* view = new WindowView(window, [this, &window] { closeWindow(window); });
    view->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    shown_[&window] = {view, &loop};
    if (window.onCreate) window.onCreate();
    view->centreOnScreen();
    view->show();
    loop.exec();
    shown_.erase(&window);
    delete view;
  });
}

void QtShell::closeWindow(Window& window) {
  runOnGui([&] {
    auto it = shown_.find(&window);
    if (it == shown_.end()) return;
    it->second.view->closeForProgram();
    if (it->second.modalLoop) {
      it->second.modalLoop->quit();  // openModal deletes the view
    } else {
      it->second.view->deleteLater();
      shown_.erase(it);
    }
  });
}

void QtShell::endProgram() {
  // Threads first, so none writes to a window that is going away; then every event
  // loop, nested ones included, ends.
  killAllThreads(endPatienceMs);
  if (onGuiThread())
    QCoreApplication::exit(0);
  else
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool QtShell::hasChineseFont() {
  bool found = false;
  runOnGui([&] { found = chineseFontInstalled(); });
  return found;
}

void QtShell::applySkin(const std::string& skinData) {
  runOnGui([&] {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) app->setStyleSheet(toQString(skinData));
  });
}

}  // namespace host::qt
