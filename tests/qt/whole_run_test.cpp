// One whole program through the Qt front-end on the offscreen platform: start-up with
// its boxes answered as a user would, a collection run over the demo web, and the rows
// in the collect list's view.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "app/program.h"
#include "app/start_up.h"
#include "collect/collection_run.h"
#include "demo_web.h"
#include "host/files.h"
#include "host/qt/qt_shell.h"
#include "host/qt/window_view.h"
#include "host/status_line.h"
#include "qt_environment.h"
#include "support/temporary_folder.h"

TEST(QtWholeRun, StartUpAndARunFillTheCollectListView) {
  demoweb::DemoWeb web(0);
  TemporaryFolder run{"tovi_qt_run"};
  host::writeFileAtomically(run.path() + "/ZeZa.ini", "[服务器]\r\n地址=" + web.root() + "\r\n");
  app::ProgramPaths paths{run.path(), run.path() + "/tovi", run.path() + "/autostart",
                          "Tovi-qt-test-" + std::to_string(::getpid())};
  auto shell = std::make_unique<host::qt::QtShell>();
  auto program = std::make_unique<app::Program>(*shell, paths);
  app::wireProgram(*program);

  // The user presses OK on every box start-up shows.
  int boxesAnswered = 0;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++boxesAnswered;
      box->accept();
    }
  });
  answer.start(10);

  program->w.window.onCreate = [&] { app::startUp(*program); };
  shell->showWindow(program->w.window);
  ASSERT_TRUE(waitFor([&] {
    return program->w.编辑框1.text() == host::statusPrefix + closingMessage(app::contactNumber);
  }, 60000));
  EXPECT_GE(boxesAnswered, 1);  // the welcome box (and the font box where no Chinese font is)

  auto* view = shell->viewOf(program->w.window)->findChild<QAbstractItemView*>(QStringLiteral("列表框_采集"));
  ASSERT_NE(view, nullptr);
  const int rows = program->w.列表框_采集.rowCount();
  EXPECT_GT(rows, 100);
  ASSERT_TRUE(waitFor([&] { return view->model()->rowCount() == rows; }));
  EXPECT_EQ(view->model()->data(view->model()->index(0, 1)).toString(), QStringLiteral("小刀"));
  EXPECT_EQ(view->model()->data(view->model()->index(rows - 1, 0)).toString(), QString::number(rows));

  host::killAllThreads(5000);
  shell.reset();  // the views go before the models they show
  program.reset();
}
