#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/feedback_window.h"
#include "app/main_window.h"
#include "host/qt/qt_shell.h"
#include "host/qt/window_view.h"
#include "host/threads.h"
#include "qt_environment.h"

using namespace app;

namespace {

struct MainWindowView : ::testing::Test {
  MainWindow w;
  host::qt::QtShell shell;
  host::qt::WindowView* view = nullptr;

  void SetUp() override {
    connectMainWindow(w, shell);
    shell.showWindow(w.window);
    view = shell.viewOf(w.window);
    ASSERT_NE(view, nullptr);
  }
  void TearDown() override { host::killAllThreads(5000); }

  template <class T = QWidget>
  T* widget(const char16_t* name) {
    return view->findChild<T*>(QString::fromUtf16(name));
  }
};

}  // namespace

TEST_F(MainWindowView, WidgetsCarryTheFormNamesAndChineseTexts) {
  auto* home = widget<QAbstractButton>(u"首页");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->text(), QStringLiteral("我的首页"));
  EXPECT_EQ(home->accessibleName(), QStringLiteral("首页"));
  EXPECT_TRUE(home->isChecked());
  auto* title = widget<QLabel>(u"标签_首页_装逼标题");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), QStringLiteral("Tovi资源采集器 - 一个专注免费分享软件的工具"));
  EXPECT_EQ(title->geometry(), QRect(16, 16, 496, 24));
  EXPECT_TRUE(view->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(view->size(), QSize(800, 500));
}

TEST_F(MainWindowView, PageButtonShowsItsPageAndOnlyItIsChecked) {
  auto* collect = widget<QAbstractButton>(u"采集");
  ASSERT_NE(collect, nullptr);
  for (int round = 0; round < 2; ++round) {  // the second click is on the page shown
    QTest::mouseClick(collect, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return widget(u"图片框2")->isVisible(); }));
    EXPECT_TRUE(widget(u"列表框_采集")->isVisible());
    EXPECT_FALSE(widget(u"标签_首页_装逼标题")->isVisible());
    EXPECT_FALSE(widget(u"图片框5")->isVisible());
    QStringList checked;
    for (host::Control* button : w.pageButtons) {
      auto* shown = qobject_cast<QAbstractButton*>(view->widgetOf(*button));
      if (shown->isChecked()) checked << shown->objectName();
    }
    EXPECT_EQ(checked, QStringList{QStringLiteral("采集")});
  }
}

TEST_F(MainWindowView, RightPressOnAListPopsItsMenuAndTheChosenItemRuns) {
  int copies = 0;
  ASSERT_TRUE(bindMenuItem(w.菜单_采集, "复制数据", [&] { ++copies; }));
  w.列表框_采集.appendRow({"1", "小刀", "一个资源", "2018-05-30", "http://a.example/1"});
  w.pageButtons[pageCollect]->onClick();
  auto* list = widget<QTreeView>(u"列表框_采集");
  ASSERT_TRUE(waitFor([&] { return list->isVisible() && list->model()->rowCount() == 1; }));

  QString menuShown;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    menuShown = menu->objectName();
    for (QAction* action : menu->actions())
      if (action->text() == QStringLiteral("复制数据   ")) menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  const QRect row = list->visualRect(list->model()->index(0, 2));
  QTest::mousePress(list->viewport(), Qt::RightButton, {}, row.center());
  EXPECT_EQ(menuShown, QStringLiteral("采集"));
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(w.列表框_采集.selectedRow(), 0);  // the press selected the row first
  EXPECT_EQ(list->model()->data(list->model()->index(0, 2), Qt::AccessibleTextRole).toString(),
            QStringLiteral("一个资源"));
}

TEST_F(MainWindowView, FeedbackWindowOpensModalKeepsItsHintRulesAndCloses) {
  bool sawWindow = false;
  QString onOpening, afterFocusIn, afterFocusOut;
  QTimer::singleShot(0, [&] {
    QWidget* feedback = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QStringLiteral("窗口_反馈") && top->isVisible()) feedback = top;
    if (!feedback) return;
    sawWindow = feedback->size() == QSize(380, 250) && feedback->isModal();
    auto* edit = feedback->findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
    waitFor([&] { return QApplication::activeWindow() == feedback; }, 500);
    onOpening = edit->toPlainText();  // opening does not enter the box
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QApplication::sendEvent(edit, &in);
    waitFor([&] { return edit->toPlainText().isEmpty(); }, 2000);
    afterFocusIn = edit->toPlainText();
    QApplication::sendEvent(edit, &out);
    waitFor([&] { return !edit->toPlainText().isEmpty(); }, 2000);
    afterFocusOut = edit->toPlainText();
    QTest::mouseClick(feedback->findChild<QAbstractButton*>(QStringLiteral("超级按钮1")), Qt::LeftButton);
    QTest::mouseClick(feedback->findChild<QAbstractButton*>(QStringLiteral("按钮_关闭")), Qt::LeftButton);
  });
  QTest::mouseClick(widget<QAbstractButton>(u"按钮_反馈"), Qt::LeftButton);  // returns once closed
  EXPECT_TRUE(sawWindow);
  const QString hint = QStringLiteral("请输入您要反馈的内容信息，并请写下联系方式，方便修正BUG，谢谢合作。");
  EXPECT_EQ(onOpening, hint);
  EXPECT_EQ(afterFocusIn, QString());
  EXPECT_EQ(afterFocusOut, hint);
  for (QWidget* top : QApplication::topLevelWidgets())
    EXPECT_FALSE(top->objectName() == QStringLiteral("窗口_反馈") && top->isVisible());
}

TEST_F(MainWindowView, AHundredThousandRowsFromAWorkerAllShow) {
  constexpr int total = 100000;
  host::ThreadSlot worker;
  host::startThread(
      [&] {
        for (int i = 0; i < total; ++i)
          w.列表框_采集.appendRow({std::to_string(i + 1), "小刀", "第" + std::to_string(i) + "个资源",
                                    "2018-05-30", "http://a.example/" + std::to_string(i)});
      },
      worker);
  auto* list = widget<QTreeView>(u"列表框_采集");
  ASSERT_TRUE(waitFor([&] { return list->model()->rowCount() == total; }, 120000));
  host::waitThread(worker);
  QTest::qWait(50);
  EXPECT_EQ(list->model()->rowCount(), total);
  EXPECT_EQ(list->model()->data(list->model()->index(total - 1, 2)).toString(), QStringLiteral("第99999个资源"));
  // removing rows resets what is shown
  w.列表框_采集.clearRows();
  w.列表框_采集.appendRow({"1", "小刀", "新的", "2018-05-31", "http://a.example/n"});
  ASSERT_TRUE(waitFor([&] { return list->model()->rowCount() == 1; }));
  EXPECT_EQ(list->model()->data(list->model()->index(0, 2)).toString(), QStringLiteral("新的"));
}
