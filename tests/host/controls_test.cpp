#include <gtest/gtest.h>

#include "host/controls.h"
#include "host/headless/headless_shell.h"
#include "host/shell.h"

using namespace host;

TEST(ListView, HostOperationSemantics) {
  ListView list("l", nullptr, {}, {{"a", 10}, {"b", 10}});
  EXPECT_EQ(list.insertRow(), 0);
  EXPECT_EQ(list.insertRow(), 1);
  list.setCell(1, 1, "x");
  list.setCell(5, 0, "ignored");
  list.setCell(0, 2, "ignored");
  EXPECT_EQ(list.cellText(1, 1), "x");
  EXPECT_EQ(list.cellText(-1, 0), "");
  EXPECT_EQ(list.cellText(0, 9), "");
  EXPECT_EQ(list.selectedRow(), -1);
  list.setSelectedRow(1);
  list.deleteRow(0);
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.cellText(0, 1), "x");
  EXPECT_EQ(list.selectedRow(), 0);  // the selected row moved up with its row
  list.clearRows();
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.selectedRow(), -1);
}

TEST(ListView, SetCellsWhereSetsEveryRowWithTheKey) {
  ListView list("l", nullptr, {}, {{"name", 10}, {"count", 10}});
  list.appendRow({"a", "?"});
  list.appendRow({"b", "?"});
  list.appendRow({"a", "?"});
  EXPECT_EQ(list.setCellsWhere(0, "a", 1, "4"), 2);
  EXPECT_EQ(list.cellText(0, 1), "4");
  EXPECT_EQ(list.cellText(1, 1), "?");
  EXPECT_EQ(list.cellText(2, 1), "4");
  EXPECT_EQ(list.setCellsWhere(0, "z", 1, "4"), 0);
}

TEST(ComboBox, SetSelectedItemRaisesNoPickButAUserPickDoes) {
  ComboBox combo(ControlKind::comboBox, "c", nullptr, {});
  int picks = 0;
  combo.onPick = [&] { ++picks; };
  EXPECT_EQ(combo.selectedItem(), -1);
  EXPECT_EQ(combo.addItem("a"), 0);
  EXPECT_EQ(combo.addItem("b"), 1);
  combo.setSelectedItem(1);
  EXPECT_EQ(picks, 0);
  combo.pick(0);
  EXPECT_EQ(picks, 1);
  EXPECT_EQ(combo.selectedItem(), 0);
  EXPECT_EQ(combo.itemText(7), "");
}

TEST(Control, ObserverHearsEveryChange) {
  Control label(ControlKind::label, "l", nullptr, {1, 2, 3, 4}, "t");
  int told = 0;
  label.setObserver([&](Control&) { ++told; });
  label.setText("u");
  label.setVisible(false);
  label.move({5, 6, 7, 8});
  EXPECT_EQ(told, 3);
  EXPECT_EQ(label.geometry(), (Rect{5, 6, 7, 8}));
  EXPECT_EQ(label.revision(), 3u);
}

TEST(OpenUrl, OnlyWebAddressesReachTheDesktop) {
  HeadlessShell shell;
  for (const char* bad : {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "../../x", "",
                          "calc.exe", "http://", "http:///etc/passwd", "ftp://a b", "xdg-open http://a",
                          "HTTP:evil", "mailto:a@b"})
    openUrl(shell, bad);
  EXPECT_TRUE(shell.openedAddresses().empty());
  for (const char* good : {"http://a.com/x?y=1", "HTTPS://b.cn/", "ftp://c.org/f.zip"}) openUrl(shell, good);
  EXPECT_EQ(shell.openedAddresses().size(), 3u);
}
