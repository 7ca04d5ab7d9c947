#include "host/files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/temporary_folder.h"

TEST(Files, ListingShowsFilesOnlyNotFoldersNorWritesCutShort) {
  TemporaryFolder dir{"tovi_files"};
  ASSERT_TRUE(host::writeFileAtomically(dir.path() + "/Tovi_05-30.txt", "a"));
  ASSERT_TRUE(host::writeFileAtomically(dir.path() + "/.hidden", ""));
  ASSERT_TRUE(host::writeFileAtomically(dir.path() + "/说明.doc", "b"));
  ASSERT_TRUE(host::createFolder(dir.path() + "/sub"));
  // What a crash in the middle of a save leaves beside its target.
  ASSERT_TRUE(host::writeFileAtomically(dir.path() + "/Tovi_05-30.txt.tovi-partial-12-345", "half"));
  auto names = host::listFiles(dir.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", "Tovi_05-30.txt", "说明.doc"}));
}

TEST(Files, AWriteReplacesTheFileWholeOrLeavesItAlone) {
  TemporaryFolder dir{"tovi_files"};
  const std::string path = dir.path() + "/ZeZa.ini";
  ASSERT_TRUE(host::writeFileAtomically(path, "old"));
  ASSERT_TRUE(host::writeFileAtomically(path, "new"));
  EXPECT_EQ(host::readFile(path), "new");
  // A folder where the file should go: the write fails and leaves nothing behind.
  ASSERT_TRUE(host::createFolder(dir.path() + "/taken"));
  EXPECT_FALSE(host::writeFileAtomically(dir.path() + "/taken", "x"));
  EXPECT_EQ(host::listFiles(dir.path()), std::vector<std::string>{"ZeZa.ini"});
  EXPECT_FALSE(host::readFile(dir.path() + "/missing"));
}
