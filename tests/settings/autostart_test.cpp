#include "settings/autostart.h"

#include "settings_fixture.h"

namespace {

struct AutoStartTest : ::testing::Test {
  TemporaryFolder folder{"tovi_settings"};
  host::AutoStartEntry entry{folder.path()};
  host::Control button{host::ControlKind::button, "按钮_开机启动", nullptr, {}, autoStartOffCaption};
};

}  // namespace

TEST_F(AutoStartTest, TwoClicksWriteThenRemoveTheEntry) {
  const std::string exe = "/opt/tovi/tovi";
  reflectAutoStart(button, entry, exe);
  EXPECT_EQ(button.text(), "开机自动启动[关]");
  toggleAutoStart(button, entry, exe);
  EXPECT_EQ(entry.read(), exe);
  EXPECT_EQ(button.text(), "开机自动启动[开]");
  toggleAutoStart(button, entry, exe);
  EXPECT_EQ(entry.read(), "");
  EXPECT_FALSE(host::fileExists(entry.filePath()));
  EXPECT_EQ(button.text(), "开机自动启动[关]");
}

TEST_F(AutoStartTest, StartUpShowsOnOnlyForAnEntryThatIsThisExecutable) {
  struct Case {
    std::string entryPath, exe;
    const char* caption;
  };
  const std::vector<Case> cases = {
      {"/opt/tovi/tovi", "/opt/tovi/tovi", autoStartOnCaption},
      {"/opt/Tovi/tovi", "/opt/tovi/tovi", autoStartOffCaption},  // compared byte for byte
      {"/other/tovi", "/opt/tovi/tovi", autoStartOffCaption},
      {"/home/PROGRA~1/tovi", "/home/PROGRA~1/tovi", autoStartOffCaption},  // the tilde reads as “
      {"/home/a`b/tovi", "/home/a\"b/tovi", autoStartOnCaption},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(entry.write(c.entryPath));
    button.setCaption(autoStartOffCaption);
    reflectAutoStart(button, entry, c.exe);
    EXPECT_EQ(button.text(), c.caption) << c.entryPath;
  }
}

TEST_F(AutoStartTest, AnEntryWithATildeShowsOffAndAClickRemovesIt) {
  const std::string exe = "/home/PROGRA~1/tovi";
  toggleAutoStart(button, entry, exe);
  EXPECT_EQ(entry.read(), exe);  // the entry keeps the tilde
  button.setCaption(autoStartOffCaption);  // a new start
  reflectAutoStart(button, entry, exe);
  EXPECT_EQ(button.text(), autoStartOffCaption);
  // State "关" writes again; the entry stays.
  toggleAutoStart(button, entry, exe);
  EXPECT_EQ(entry.read(), exe);
}

TEST(AutoStartText, BackquotesAndAlternatingTildes) {
  EXPECT_EQ(normaliseAutoStartText("a~b~c~d"), "a“b”c“d");
  EXPECT_EQ(normaliseAutoStartText("`x`"), "\"x\"");
  EXPECT_EQ(normaliseAutoStartText(""), "");
  // A tilde or backquote byte that is the trail of a double-byte character is no tilde.
  EXPECT_EQ(normaliseAutoStartText("\x81\x7E~\x81\x60`"), "\x81\x7E“\x81\x60\"");
}

TEST(AutoStartRights, AFailedWriteLeavesTheCaptionAtOff) {
  host::AutoStartEntry entry("/proc/tovi_autostart");  // cannot be created, as without rights
  host::Control button{host::ControlKind::button, "按钮_开机启动", nullptr, {}, autoStartOffCaption};
  toggleAutoStart(button, entry, "/opt/tovi/tovi");
  EXPECT_EQ(button.text(), autoStartOffCaption);
}
