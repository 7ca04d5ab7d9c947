// The start-up sequence through the headless front-end.
#include "app/skin.h"
#include "collect/collection_run.h"
#include "program_fixture.h"

TEST_F(ProgramTest, StartUpShowsItsBoxesInOrderAndLeavesTheWindowReady) {
  shell.chineseFont = false;
  app::Program& p = start();
  const auto boxes = shell.boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, app::fontMissingText);
  EXPECT_EQ(boxes[0].style, 64);
  EXPECT_EQ(boxes[0].title, "温馨提示");
  EXPECT_EQ(boxes[1].text, "欢迎使用Tovi - 每日资源采集");
  EXPECT_EQ(boxes[1].style, 0);
  EXPECT_EQ(boxes[1].title, "提醒");
  EXPECT_EQ(shell.skin(), app::skinData());
  EXPECT_EQ(host::readFile(host::joinPath(runDir.path(), "SkinH_EL.dll")), app::skinData());
  EXPECT_EQ(shell.windowAlpha(), 235);
  EXPECT_FALSE(shell.windowShape().empty());
  EXPECT_EQ(p.settingsVersion, "0");
  EXPECT_EQ(p.w.按钮_开机启动.text(), "开机自动启动[关]");
  // The waiting panel now covers the whole find page.
  EXPECT_EQ(p.w.图片框4.geometry(), (host::Rect{0, 0, p.w.选择夹1.geometry().width, p.w.选择夹1.geometry().height}));
  EXPECT_EQ(p.settings.read("修改版本", "版本型号"), "0");
  EXPECT_EQ(p.settings.read("项目配置", "小刀娱乐网"), "获取");
  // The collection thread reloads the settings list as its first step: look once it ends.
  waitForRun();
  EXPECT_EQ(p.w.列表框_设置.rowCount(), 40);
}

TEST_F(ProgramTest, ASecondInstanceIsRefusedAndTouchesNothing) {
  app::Program& first = start();
  waitForRun();
  const auto settingsBytes = host::readFile(first.settings.path);
  const int rows = first.w.列表框_采集.rowCount();

  host::HeadlessShell secondShell;
  app::Program second(secondShell, paths());
  app::wireProgram(second);
  app::startUp(second);
  const auto boxes = secondShell.boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "请不要重复打开deravuriv！");
  EXPECT_EQ(boxes[0].style, 0);
  EXPECT_EQ(boxes[0].title, "警告");
  EXPECT_TRUE(secondShell.ended());
  EXPECT_TRUE(second.ended);
  EXPECT_EQ(second.w.列表框_设置.rowCount(), 0);
  EXPECT_FALSE(second.run.collectionThread.get());
  EXPECT_EQ(host::readFile(first.settings.path), settingsBytes);
  EXPECT_EQ(first.w.列表框_采集.rowCount(), rows);
}

TEST_F(ProgramTest, AnUnreachableCatalogueServerLeavesItsListsEmpty) {
  writeSettings();
  host::writeFileAtomically(host::joinPath(runDir.path(), "ZeZa.ini"), "[服务器]\r\n地址=http://127.0.0.1:1/\r\n");
  host::createFolder(host::joinPath(runDir.path(), "Ridovi"));
  host::writeFileAtomically(host::joinPath(runDir.path(), "Ridovi/Tovi_01-01.txt"), "");
  app::Program& p = start();
  EXPECT_EQ(p.w.列表框_设置.rowCount(), 0);
  EXPECT_EQ(p.w.列表框_分享.rowCount(), 0);
  EXPECT_EQ(p.w.列表框_分享网站.rowCount(), 0);
  EXPECT_EQ(p.w.列表框_保存文件显示.rowCount(), 1);
  ASSERT_TRUE(p.run.collectionThread.get());
  waitForRun();
  EXPECT_EQ(status(), host::statusPrefix + closingMessage(app::contactNumber));
}
