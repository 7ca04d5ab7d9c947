// Nothing is lost when the program dies in the middle of a write: a child process that
// keeps saving is killed with SIGKILL at random moments, and each time the file must be,
// byte for byte, either what it was or what was being written.
#include <gtest/gtest.h>

#include <filesystem>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>

#include "host/controls.h"
#include "host/codepage.h"
#include "host/files.h"
#include "host/headless/headless_shell.h"
#include "host/ini_file.h"
#include "lists/saved_queries.h"
#include "settings/settings_file.h"
#include "support/temporary_folder.h"
#include "text/date_text.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Counts {
  int runs = 0, oldKept = 0, newKept = 0, broken = 0, strays = 0;
};

// Forks a child that calls write(true), write(false), write(true) ... (true: the content
// that is not in the file now) until it is killed after a random wait below `window`.
// Temporary files left beside the file are counted and removed.
Counts killWhileWriting(const std::string& path, const std::string& a, const std::string& b,
                        const std::function<void(bool toB)>& write, int runs, Clock::duration window,
                        Clock::duration budget) {
  Counts counts;
  std::mt19937 random(12345);
  const auto window_us = std::chrono::duration_cast<std::chrono::microseconds>(window).count();
  std::uniform_int_distribution<long> wait(0, window_us);
  const auto end = Clock::now() + budget;
  const std::string folder = host::folderOf(path), name = host::fileNameOf(path);
  while (counts.runs < runs && Clock::now() < end) {
    const std::string old = host::readFile(path).value_or("");
    if (old != a && old != b) {
      ++counts.broken;
      break;
    }
    const bool toB = old == a;
    const pid_t child = ::fork();
    if (child == 0) {
      for (bool next = toB;; next = !next) write(next);
    }
    EXPECT_GT(child, 0);
    if (child <= 0) break;
    ::usleep(static_cast<useconds_t>(wait(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself";
    ++counts.runs;
    const std::string now = host::readFile(path).value_or("<missing>");
    if (now == old)
      ++counts.oldKept;
    else if (now == (toB ? b : a))
      ++counts.newKept;
    else {
      ++counts.broken;
      ADD_FAILURE() << "run " << counts.runs << ": " << now.size() << " bytes, neither the old "
                    << old.size() << " nor the new " << (toB ? b : a).size();
    }
    // Partial writes are hidden from the program's listings: count them on the disk.
    for (const auto& entry : std::filesystem::directory_iterator(host::cp936ToUtf8(folder))) {
      if (entry.path().filename() == host::cp936ToUtf8(name)) continue;
      ++counts.strays;
      std::filesystem::remove(entry.path());
    }
  }
  return counts;
}

void print(const char* what, const Counts& c) {
  std::printf("%s: %d runs, old kept %d, new kept %d, broken %d, stray temporary files %d\n", what, c.runs,
              c.oldKept, c.newKept, c.broken, c.strays);
}

// How long one write takes here, so the kills spread over whole writes.
Clock::duration timeOf(const std::function<void(bool)>& write) {
  const auto start = Clock::now();
  for (int i = 0; i < 4; ++i) write(i % 2 == 0);
  return (Clock::now() - start) / 4;
}

std::vector<host::Column> resultColumns() {
  return {{"编号", 40}, {"来源", 60}, {"名称", 300}, {"时间", 110}, {"链接", 70}};
}

struct SavePage {
  TemporaryFolder run{"tovi_hardening"};
  host::HeadlessShell shell;
  host::Control statusLine{host::ControlKind::edit, "编辑框1", nullptr, {}, ""};
  host::ListView files{"列表框_保存文件显示", nullptr, {}, {{"文件名称[双击打开]", 130}, {"路径", 0}}};
  host::ListView content{"列表框_保存内容", nullptr, {}, {{"名称", 250}, {"时间", 110}, {"链接", 70}}};
  host::FileDialog dialog{"通用对话框1", "", ""};
  SavedPage page{shell, statusLine, files, content, dialog, run.path()};
  std::string todaysFile() const { return savedFolder(run.path()) + "/Tovi_" + todayText(0) + ".txt"; }
};

TEST(NothingLost, CollectListSavedWhileKilledIsAlwaysTheOldOrTheNewFile) {
  SavePage p;
  host::ListView a("列表框_采集", nullptr, {}, resultColumns()), b("列表框_采集", nullptr, {}, resultColumns());
  for (int i = 1; i <= 3000; ++i) {
    const std::string n = std::to_string(i);
    a.appendRow({n, "小刀", "资源标题第" + n + "条", "2018-05-30", "http://a.example/soft/" + n + ".html"});
    if (i <= 2200) b.appendRow({n, "深蓝", "另一个标题 " + n, "2018-05-31", "http://b.example/" + n});
  }
  const std::string textA = savedListText(a), textB = savedListText(b);
  ASSERT_NE(textA, textB);
  const auto write = [&](bool toB) { saveCollectList(p.page, toB ? b : a); };
  saveCollectList(p.page, a);
  ASSERT_EQ(host::readFile(p.todaysFile()), textA);
  const auto one = timeOf(write);
  saveCollectList(p.page, a);

  const Counts c = killWhileWriting(p.todaysFile(), textA, textB, write, 200, 3 * one + std::chrono::milliseconds(1),
                                    std::chrono::seconds(20));
  print("collect list", c);
  EXPECT_EQ(c.broken, 0);
  EXPECT_GE(c.runs, 50);
  EXPECT_GT(c.oldKept, 0);
  EXPECT_GT(c.newKept, 0);
  EXPECT_TRUE(p.shell.boxes().empty());
}

TEST(NothingLost, SettingsFileWrittenWhileKilledIsAlwaysTheOldOrTheNewFile) {
  TemporaryFolder run("tovi_hardening");
  SettingsFile settings(run.path());
  ensureSettingsFile(settings, "0");
  std::vector<std::string> names = defaultSourceNameList();
  for (int i = 0; i < 400; ++i) names.push_back("额外的键" + std::to_string(i));
  const auto entries = [&](bool on) {
    std::vector<host::IniEntry> e;
    for (const auto& n : names) e.push_back({sourcesSection, n, on ? collectValue : leaveOutValue});
    return e;
  };
  const auto write = [&](bool toB) { settings.ini.writeAll(entries(!toB)); };
  ASSERT_TRUE(settings.ini.writeAll(entries(false)));
  const std::string textB = host::readFile(settings.path).value_or("");
  ASSERT_TRUE(settings.ini.writeAll(entries(true)));
  const std::string textA = host::readFile(settings.path).value_or("");
  ASSERT_NE(textA, textB);
  ASSERT_NE(textA.find("额外的键399=获取"), std::string::npos);
  const auto one = timeOf(write);
  ASSERT_TRUE(settings.ini.writeAll(entries(true)));

  const Counts c = killWhileWriting(settings.path, textA, textB, write, 200, 3 * one + std::chrono::milliseconds(1),
                                    std::chrono::seconds(20));
  print("settings file", c);
  EXPECT_EQ(c.broken, 0);
  EXPECT_GE(c.runs, 50);
  EXPECT_GT(c.oldKept, 0);
  EXPECT_GT(c.newKept, 0);
}

// A disk that fills up during the save: a small tmpfs mounted over the run directory
// (needs root and a mount that the container allows).
TEST(NothingLost, FullDiskKeepsTheEarlierSaveAndShowsAnError) {
  SavePage p;
  if (::geteuid() != 0 || ::mount("tovi", p.run.path().c_str(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "cannot mount a small tmpfs here";
  host::ListView list("列表框_采集", nullptr, {}, resultColumns());
  list.appendRow({"1", "小刀", "早先的标题", "2018-05-30", "http://a.example/1"});
  saveCollectList(p.page, list);
  const std::string earlier = host::readFile(p.todaysFile()).value_or("<missing>");
  ASSERT_EQ(earlier, savedListText(list));
  p.statusLine.setText("");
  for (int i = 0; i < 2000; ++i) list.appendRow({"2", "深蓝", std::string(60, 'x'), "2018-05-30", "http://b/"});
  saveCollectList(p.page, list);
  EXPECT_EQ(host::readFile(p.todaysFile()), earlier);
  EXPECT_EQ(p.statusLine.text(), "");
  ASSERT_EQ(p.shell.boxes().size(), 1u);
  EXPECT_EQ(p.shell.boxes()[0].text, saveFailedMessage);
  EXPECT_EQ(p.shell.boxes()[0].style, 16);
  ::umount2(p.run.path().c_str(), MNT_DETACH);
}

// An imported file's name is taken after the last "/", so nothing lands outside
// Ridovi; a backslash is an ordinary byte of a name here and stays inside it too.
TEST(NothingLost, ImportedNamesNeverWriteOutsideRidovi) {
  SavePage p;
  TemporaryFolder elsewhere("tovi_hardening_src");
  const std::string weird = elsewhere.path() + "/..\\..\\escape.txt";
  ASSERT_TRUE(host::writeFileAtomically(weird, "名称：x时间：t链接：l丨\r\n"));
  for (const std::string& choice : {weird, elsewhere.path() + "/../" + host::fileNameOf(elsewhere.path()) + "/..\\..\\escape.txt"}) {
    p.shell.dialogChoices = {choice};
    importSavedFile(p.page);
  }
  std::vector<std::string> tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(p.run.path()))
    tree.push_back(std::filesystem::relative(entry.path(), p.run.path()).string());
  std::sort(tree.begin(), tree.end());
  EXPECT_EQ(tree, (std::vector<std::string>{"Ridovi", "Ridovi/..\\..\\escape.txt"}));
  EXPECT_TRUE(p.shell.boxes().empty());
}

}  // namespace
