#include "host/autostart_entry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "host/files.h"
#include "support/temporary_folder.h"

using host::AutoStartEntry;


TEST(AutoStartEntry, WriteReadRemove) {
  TemporaryFolder dir{"tovi_autostart"};
  AutoStartEntry entry(dir.path() + "/autostart");  // a missing folder is created
  EXPECT_EQ(entry.read(), "");
  ASSERT_TRUE(entry.write("/opt/tovi/tovi"));
  EXPECT_EQ(host::readFile(entry.filePath()).value_or(""),
            "[Desktop Entry]\nType=Application\nName=Tovi\nExec=/opt/tovi/tovi\n");
  EXPECT_EQ(entry.read(), "/opt/tovi/tovi");
  ASSERT_TRUE(entry.remove());
  EXPECT_FALSE(host::fileExists(entry.filePath()));
  EXPECT_EQ(entry.read(), "");
  EXPECT_TRUE(entry.remove());  // nothing left to remove is no failure
}

TEST(AutoStartEntry, PathsWithReservedCharactersRoundTrip) {
  TemporaryFolder dir{"tovi_autostart"};
  AutoStartEntry entry(dir.path());
  const std::vector<std::string> paths = {
      "/home/user/my programs/tovi", "/home/PROGRA~1/tovi", "/a/b\\c$d`e\"f/tovi", "/a/100%/tovi",
      "/home/用户/爱采集/tovi", "/a/'q'/t#1(2)"};
  for (const auto& path : paths) {
    ASSERT_TRUE(entry.write(path)) << path;
    EXPECT_EQ(entry.read(), path);
  }
  ASSERT_TRUE(entry.write("/home/user/my programs/tovi"));
  EXPECT_NE(host::readFile(entry.filePath()).value_or("").find("Exec=\"/home/user/my programs/tovi\"\n"),
            std::string::npos);
  ASSERT_TRUE(entry.write("/a/b\\c"));
  // A backslash is escaped for the quotes and again for the value: four in the file.
  EXPECT_NE(host::readFile(entry.filePath()).value_or("").find("Exec=\"/a/b\\\\\\\\c\"\n"), std::string::npos);
  EXPECT_FALSE(entry.write("/a/b\nc"));
  EXPECT_EQ(entry.read(), "/a/b\\c");
}

TEST(AutoStartEntry, ReadsEntriesWrittenByOthers) {
  TemporaryFolder dir{"tovi_autostart"};
  AutoStartEntry entry(dir.path());
  const std::string file = entry.filePath();
  ASSERT_TRUE(host::writeFileAtomically(
      file, "# comment\n[Other]\nExec=/wrong\n[Desktop Entry]\nName=Tovi\nExec = /x/tovi --quiet %U\n"));
  EXPECT_EQ(entry.read(), "/x/tovi");
  ASSERT_TRUE(host::writeFileAtomically(file, "[Desktop Entry]\nExec=/x/tovi\nHidden=true\n"));
  EXPECT_EQ(entry.read(), "");  // a hidden entry starts nothing
}

TEST(AutoStartEntry, WithoutRightsTheWriteFailsAndChangesNothing) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TemporaryFolder dir{"tovi_autostart"};
  AutoStartEntry entry(dir.path());
  ASSERT_TRUE(entry.write("/old/tovi"));
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
  EXPECT_FALSE(entry.write("/new/tovi"));
  EXPECT_FALSE(entry.remove());
  EXPECT_EQ(entry.read(), "/old/tovi");
}

TEST(AutoStartEntry, AFolderThatCannotBeMadeFailsTheWrite) {
  AutoStartEntry entry("/proc/tovi_autostart");  // not even root may create it
  EXPECT_FALSE(entry.write("/opt/tovi/tovi"));
  EXPECT_EQ(entry.read(), "");
}
