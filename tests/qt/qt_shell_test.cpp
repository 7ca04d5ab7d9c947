#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <atomic>

#include "host/qt/qt_shell.h"
#include "host/threads.h"
#include "qt_environment.h"

using host::qt::QtShell;

namespace {
// Presses `button` on the next message box that opens, after noting what it shows.
// It looks every few milliseconds, from inside the box's own event loop.
void answerNextBox(QMessageBox::StandardButton button, QMessageBox::Icon* icon, QMessageBox::StandardButtons* buttons,
                   QString* title) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    *icon = box->icon();
    *buttons = box->standardButtons();
    *title = box->windowTitle();
    box->button(button)->click();
  });
  poll->start();
}
}  // namespace

TEST(QtShell, MessageBoxStylesGiveWindowsIconsButtonsAndAnswers) {
  QtShell shell;
  using B = QMessageBox;
  struct Case {
    int style;
    B::Icon icon;
    B::StandardButtons buttons;
    B::StandardButton press;
    int answer;
  } cases[] = {
      {0, B::NoIcon, B::Ok, B::Ok, 0},
      {16, B::Critical, B::Ok, B::Ok, 0},
      {64, B::Information, B::Ok, B::Ok, 0},
      {65, B::Information, B::Ok | B::Cancel, B::Cancel, 1},
      {65, B::Information, B::Ok | B::Cancel, B::Ok, 0},
      {4112, B::Critical, B::Ok, B::Ok, 0},
  };
  for (const auto& c : cases) {
    B::Icon icon{};
    B::StandardButtons buttons{};
    QString title;
    answerNextBox(c.press, &icon, &buttons, &title);
    EXPECT_EQ(shell.messageBox("内容", c.style, ""), c.answer) << c.style;
    EXPECT_EQ(icon, c.icon) << c.style;
    EXPECT_EQ(buttons, c.buttons) << c.style;
    EXPECT_EQ(title, QStringLiteral("信息：")) << c.style;  // the default title
  }
}

TEST(QtShell, ABoxAskedForByAWorkerShowsOnTheGuiThreadUnlessTheWorkerIsKilledFirst) {
  QtShell shell;
  std::atomic<int> answer{-1};
  host::ThreadSlot worker;
  QMessageBox::Icon icon{};
  QMessageBox::StandardButtons buttons{};
  QString title;
  answerNextBox(QMessageBox::Cancel, &icon, &buttons, &title);
  host::startThread([&] { answer = shell.messageBox("来自采集线程", 65, "提醒"); }, worker);
  ASSERT_TRUE(waitFor([&] { return answer != -1; }));
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(title, QStringLiteral("提醒"));

  // killed before the GUI thread got to it: the worker stops waiting, no box appears
  std::atomic<bool> returned{false};
  host::startThread(
      [&] {
        shell.messageBox("不该出现", 0, "");
        returned = true;
      },
      worker);
  host::killThread(worker);  // the GUI thread has not run an event since
  ASSERT_TRUE(host::killAllThreads(5000));
  EXPECT_TRUE(returned);
  bool boxSeen = false;
  QTimer::singleShot(0, [&] { boxSeen = QApplication::activeModalWidget() != nullptr; });
  waitFor([] { return false; }, 200);
  EXPECT_FALSE(boxSeen);
}

TEST(QtShell, EndProgramEndsTheLoopAndTheThreadsThatStillRun) {
  QtShell shell;
  host::ThreadSlot worker;
  host::startThread(
      [] {
        while (!host::stopRequested()) QThread::msleep(1);
      },
      worker);
  // the program's own loop, as in main(); it leaves the application usable afterwards
  QTimer::singleShot(0, [&] { shell.endProgram(); });
  QTimer failsafe;  // fails instead of hanging; gone with the test
  failsafe.setSingleShot(true);
  QObject::connect(&failsafe, &QTimer::timeout, [] { QApplication::exit(99); });
  failsafe.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(host::liveThreadCount(), 0);
}
