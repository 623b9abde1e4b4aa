#include <gtest/gtest.h>

#include "app/CommandLineSwitches.h"

using KRUI::CommandLineSwitches;

TEST(CommandLineSwitches, ValueAfterEqualsLaterOccurrenceWins) {
  CommandLineSwitches s;
  ASSERT_EQ(1, s.ParseFrom(L"prog.exe --a=1 --a=2 --url=x=y --empty="));
  EXPECT_EQ(L"2", s.GetSwitch(L"a"));
  EXPECT_EQ(L"x=y", s.GetSwitch(L"url"));  // everything after the first '='
  EXPECT_TRUE(s.Has(L"empty"));
  EXPECT_EQ(L"", s.GetSwitch(L"empty"));
  EXPECT_EQ(3u, s.Switches().size());
}

TEST(CommandLineSwitches, NameWithoutEqualsAndSingleDash) {
  CommandLineSwitches s;
  ASSERT_EQ(1, s.ParseFrom(L"prog.exe --name -gameName -x=1 - plain"));
  EXPECT_FALSE(s.Has(L"name"));  // --name without '=' adds nothing
  EXPECT_TRUE(s.Has(L"gameName"));
  EXPECT_EQ(L"", s.GetSwitch(L"gameName"));
  EXPECT_TRUE(s.Has(L"x=1"));  // a single '-' takes the whole rest as the name
  EXPECT_FALSE(s.Has(L""));    // "-" alone is too short
  EXPECT_FALSE(s.Has(L"plain"));
  EXPECT_EQ(2u, s.Switches().size());
}

TEST(CommandLineSwitches, NamesAreCaseSensitiveAndQuotingFollowsTheShell) {
  CommandLineSwitches s;
  ASSERT_EQ(1, s.ParseFrom(L"\"C:\\Program Files\\L\\bin\\app.exe\" --gameName=g1 --GAMENAME=g2 "
                           L"\"--data_dir=my data\" --中文=值"));
  EXPECT_EQ(L"g1", s.GetSwitch(L"gameName"));
  EXPECT_EQ(L"g2", s.GetSwitch(L"GAMENAME"));
  EXPECT_EQ(L"my data", s.GetSwitch(L"data_dir"));
  EXPECT_EQ(L"值", s.GetSwitch(L"中文"));
  EXPECT_EQ(L"", s.GetSwitch(L"missing"));
  EXPECT_FALSE(s.Has(L"missing"));
}

TEST(CommandLineSwitches, ProcessTableReadsTheRealCommandLine) {
  // The test program is started without switches of ours: parsing its own line succeeds
  // and finds nothing that looks like "--gameName=".
  CommandLineSwitches& s = CommandLineSwitches::Instance();
  EXPECT_EQ(&s, &CommandLineSwitches::Instance());
  EXPECT_EQ(1, s.Parse());
  EXPECT_FALSE(s.Has(L"gameName"));
}
