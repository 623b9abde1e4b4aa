#include <gtest/gtest.h>

#include "app/AppConfiger.h"
#include "support/TempDir.h"
#include "ui/core/Paths.h"

using KRUI::CAppConfiger;
using KRUITest::TempDir;

TEST(AppConfiger, FileCreatedOnFirstWriteAndReadBack) {
  TempDir dir;
  CAppConfiger conf(dir.File("conf.dat"));
  EXPECT_EQ("def", conf.Read("hotkey", "show", "def"));
  EXPECT_FALSE(KRUITest::FileExists(conf.Path()));  // reading creates nothing

  conf.Write("hotkey", "show", "ctrl_alt_65");
  ASSERT_TRUE(KRUITest::FileExists(conf.Path()));
  EXPECT_EQ("ctrl_alt_65", conf.Read("hotkey", "show", "def"));
  EXPECT_NE(std::string::npos, KRUITest::ReadFileBytes(conf.Path()).find("[hotkey]"));

  // Missing key, missing section: the caller's default.
  EXPECT_EQ("d1", conf.Read("hotkey", "hide", "d1"));
  EXPECT_EQ("", conf.Read("other", "show", ""));
  conf.Write("hotkey", "show", "alt_66");
  EXPECT_EQ("alt_66", conf.Read("hotkey", "show", "def"));
}

TEST(AppConfiger, ReadReturnsAtMost259Characters) {
  TempDir dir;
  std::string longValue;
  for (int i = 0; i < 300; ++i) longValue += static_cast<char>('a' + i % 26);
  dir.Write("conf.dat", "[s]\r\nk=" + longValue + "\r\nshort=exactly\r\n");
  CAppConfiger conf(dir.File("conf.dat"));
  std::string got = conf.Read("s", "k", "");
  EXPECT_EQ(259u, got.size());
  EXPECT_EQ(longValue.substr(0, 259), got);
  EXPECT_EQ("exactly", conf.Read("s", "short", ""));
}

TEST(AppConfiger, EmptyPathGivesEmptyReadsAndWritesNothing) {
  TempDir dir;
  CAppConfiger conf("");
  EXPECT_EQ("", conf.Read("s", "k", "default"));
  conf.Write("s", "k", "v");
  EXPECT_EQ("", conf.Read("s", "k", "default"));
}

TEST(AppConfiger, ProcessInstanceUsesConfDatInTheInstallationRoot) {
  CAppConfiger& conf = CAppConfiger::Instance();
  EXPECT_EQ(&conf, &CAppConfiger::Instance());
  // <root>\bin\x.exe -> <root>\conf.dat, ".." segments resolved.
  std::string exe = KRUI::ModuleFilePath();
  std::string bin = exe.substr(0, exe.rfind('\\'));
  std::string root = bin.substr(0, bin.rfind('\\'));
  EXPECT_EQ(root + "\\conf.dat", conf.Path());
}

// An executable path too long for GetModuleFileNameA's buffer comes back empty, and then
// names no configuration: "..\..\conf.dat" alone would be the drive root's file.
TEST(AppConfiger, AnExecutablePathThatCannotBeNamedLeavesTheConfigurationUnset) {
  EXPECT_EQ("", CAppConfiger::ConfigPathFor(""));
  EXPECT_EQ("C:\\L\\conf.dat", CAppConfiger::ConfigPathFor("C:\\L\\bin\\launcher.exe"));
}
