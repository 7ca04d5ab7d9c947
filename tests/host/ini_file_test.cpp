#include "host/ini_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "host/files.h"
#include "support/temporary_folder.h"

using host::IniFile;

namespace {


std::string bytesOf(const std::string& path) { return host::readFile(path).value_or("<missing>"); }

}  // namespace

TEST(IniFile, NewFileHoldsTheSectionAndKeyWithCrLf) {
  TemporaryFolder dir{"tovi_ini"};
  IniFile ini(dir.path() + "/a.ini");
  EXPECT_EQ(ini.read("项目配置", "小刀娱乐网", "无"), "无");
  ASSERT_TRUE(ini.write("项目配置", "小刀娱乐网", "获取"));
  EXPECT_EQ(bytesOf(ini.path()), "[项目配置]\r\n小刀娱乐网=获取\r\n");
  ASSERT_TRUE(ini.write("修改版本", "版本型号", "0"));
  ASSERT_TRUE(ini.write("项目配置", "QQ国际娱乐", "禁止"));
  ASSERT_TRUE(ini.write("项目配置", "小刀娱乐网", "禁止"));
  EXPECT_EQ(bytesOf(ini.path()),
            "[项目配置]\r\n小刀娱乐网=禁止\r\nQQ国际娱乐=禁止\r\n[修改版本]\r\n版本型号=0\r\n");
}

TEST(IniFile, ValuesRoundTrip) {
  TemporaryFolder dir{"tovi_ini"};
  IniFile ini(dir.path() + "/a.ini");
  const std::vector<std::string> values = {
      "获取", "", " 获取", "获取 ", "  ", "\"quoted\"", "'single'", "\"", "a=b", "x;y", "[z]", "\t tab", "丨]",
      "汉\x5c字"};  // a double-byte character whose trail byte is a backslash
  int n = 0;
  for (const auto& value : values) {
    const std::string key = "key" + std::to_string(n++);
    ASSERT_TRUE(ini.write("节", key, value)) << value;
    EXPECT_EQ(ini.read("节", key), value) << "value [" << value << "]";
  }
  // Overwriting keeps every other key intact.
  n = 0;
  for (const auto& value : values) EXPECT_EQ(ini.read("节", "key" + std::to_string(n++)), value);
}

TEST(IniFile, WindowsReadingRules) {
  TemporaryFolder dir{"tovi_ini"};
  const std::string path = dir.path() + "/a.ini";
  ASSERT_TRUE(host::writeFileAtomically(path,
                                        "first=outside any section\n"
                                        "  [ Sec One ]  \r\n"
                                        "  Name  =   padded value   \r\n"
                                        "quoted = \"  kept  \"\r\n"
                                        "single='x'\r\n"
                                        "half=\"open\r\n"
                                        "name=second one loses\r\n"
                                        "novalue\r\n"
                                        "\r\n"
                                        "[sec one]\r\n"
                                        "other=from the second section\r\n"
                                        "[节\x5d名]\r\n"  // the trail byte of the first character is "]"
                                        "k=v"));
  IniFile ini(path);
  EXPECT_EQ(ini.read("SEC ONE", "NAME"), "padded value");
  EXPECT_EQ(ini.read("sec one", "name"), "padded value");
  EXPECT_EQ(ini.read("Sec One", "quoted"), "  kept  ");
  EXPECT_EQ(ini.read("Sec One", "single"), "x");
  EXPECT_EQ(ini.read("Sec One", "half"), "\"open");
  EXPECT_EQ(ini.read("Sec One", "novalue", "dflt"), "dflt");
  EXPECT_EQ(ini.read("Sec One", "other", "dflt"), "dflt");  // only the first section of a name counts
  EXPECT_EQ(ini.read("Sec One", "first", "dflt"), "dflt");
  EXPECT_EQ(ini.read("节\x5d名", "k"), "v");
  // A key in the file without a line end gets one before the next key.
  ASSERT_TRUE(ini.write("节\x5d名", "k2", "v2"));
  EXPECT_EQ(ini.read("节\x5d名", "k"), "v");
  EXPECT_EQ(ini.read("节\x5d名", "k2"), "v2");
  // A write replaces the first key in place and keeps its spelling.
  ASSERT_TRUE(ini.write("sec one", "NAME", "new"));
  const std::string bytes = bytesOf(path);
  EXPECT_NE(bytes.find("\r\nName=new\r\nquoted"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("name=second one loses"), std::string::npos);
}

TEST(IniFile, CaseFoldsOnlyAsciiLettersNotTrailBytes) {
  TemporaryFolder dir{"tovi_ini"};
  IniFile ini(dir.path() + "/a.ini");
  // 0x81 0x41 and 0x81 0x61 are two different characters; folding their trail
  // bytes would make them one key.
  ASSERT_TRUE(ini.write("s", "\x81\x41", "upper"));
  ASSERT_TRUE(ini.write("s", "\x81\x61", "lower"));
  EXPECT_EQ(ini.read("s", "\x81\x41"), "upper");
  EXPECT_EQ(ini.read("s", "\x81\x61"), "lower");
  ASSERT_TRUE(ini.write("s", "QQ国际娱乐", "1"));
  EXPECT_EQ(ini.read("S", "qq国际娱乐"), "1");
}

TEST(IniFile, AppendsAKeyAtTheEndOfItsSectionBeforeBlankLines) {
  TemporaryFolder dir{"tovi_ini"};
  const std::string path = dir.path() + "/a.ini";
  ASSERT_TRUE(host::writeFileAtomically(path, "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n"));
  IniFile ini(path);
  ASSERT_TRUE(ini.write("A", "z", "3"));
  EXPECT_EQ(bytesOf(path), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
}

TEST(IniFile, RefusedNamesAndValuesLeaveTheFileUnchanged) {
  TemporaryFolder dir{"tovi_ini"};
  IniFile ini(dir.path() + "/a.ini");
  ASSERT_TRUE(ini.write("项目配置", "小刀娱乐网", "获取"));
  const std::string before = bytesOf(ini.path());
  struct Case {
    std::string section, key, value;
    std::string readBack;  // what reading the key gives afterwards
  };
  const std::vector<Case> refused = {
      {"项目配置", "a\r\n[项目配置]\r\nb", "获取", "none"},
      {"项目配置", "evil\nx", "获取", "none"},
      {"项目配置", "a=b", "获取", "none"},
      {"项目配置", "[x]", "获取", "none"},
      {"项目配置", " [x", "获取", "none"},
      {"项目配置", "  ", "获取", "none"},
      {"项目配置", "小刀娱乐网", "获取\r\n小刀娱乐网=禁止", "获取"},
      {"项目配置", "小刀娱乐网", "a\rb", "获取"},
      {"项目配置", "小刀娱乐网", std::string("a\0b", 3), "获取"},
      {"a\nb", "k", "v", "none"},
      {"", "k", "v", "none"},
      {"节\x94", "k", "v", "none"},  // a lone lead byte would swallow the closing "]"
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(ini.write(c.section, c.key, c.value)) << c.key;
    EXPECT_EQ(bytesOf(ini.path()), before) << c.key;
    EXPECT_EQ(ini.read(c.section, c.key, "none"), c.readBack) << c.key;
  }
  // In a batch the refused entry is skipped and the others are written.
  EXPECT_FALSE(ini.writeAll({{"项目配置", "a=b", "获取"}, {"项目配置", "好", "禁止"}}));
  EXPECT_EQ(ini.read("项目配置", "好"), "禁止");
  EXPECT_EQ(ini.read("项目配置", "a"), "");
}

TEST(IniFile, ConcurrentWritersAndReadersSeeWholeFiles) {
  TemporaryFolder dir{"tovi_ini"};
  const std::string path = dir.path() + "/a.ini";
  // Two objects of the same file, one reached through a different spelling of the path.
  IniFile writer(path);
  IniFile reader(dir.path() + "/./a.ini");
  constexpr int keys = 12;
  for (int k = 0; k < keys; ++k) ASSERT_TRUE(writer.write("s", "k" + std::to_string(k), "0"));
  std::atomic<bool> done{false};
  std::atomic<int> missing{0};
  std::vector<std::thread> threads;
  for (int w = 0; w < 2; ++w) {
    threads.emplace_back([&, w] {
      IniFile own(path);
      for (int round = 1; round <= 10; ++round)
        for (int k = w; k < keys; k += 2) own.write("s", "k" + std::to_string(k), std::to_string(round));
    });
  }
  threads.emplace_back([&] {
    while (!done) {
      for (int k = 0; k < keys; k += 5)
        if (reader.read("s", "k" + std::to_string(k), "missing") == "missing") ++missing;
    }
  });
  threads[0].join();
  threads[1].join();
  done = true;
  threads[2].join();
  EXPECT_EQ(missing, 0);
  for (int k = 0; k < keys; ++k) EXPECT_EQ(reader.read("s", "k" + std::to_string(k)), "10") << k;
  // No temporary file is left beside it.
  EXPECT_EQ(host::listFiles(dir.path()), std::vector<std::string>{"a.ini"});
}

TEST(IniFile, UnwritableFolderReportsFailure) {
  IniFile ini("/proc/tovi_no_such_folder/a.ini");
  EXPECT_FALSE(ini.write("s", "k", "v"));
  EXPECT_EQ(ini.read("s", "k", "d"), "d");
}
