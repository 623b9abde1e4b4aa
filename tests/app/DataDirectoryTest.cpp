#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/CommandLineSwitches.h"
#include "app/DataDirectory.h"

// The only user of GetDataDirectory in this program, so the first call happens here.
TEST(DataDirectory, ComputedAtFirstCallThenFixed) {
  wchar_t appData[MAX_PATH] = {0};
  ASSERT_TRUE(::SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE));
  ASSERT_FALSE(KRUI::CommandLineSwitches::Instance().Has(L"data_dir"));

  std::wstring first = KRUI::GetDataDirectory();
  EXPECT_EQ(std::wstring(appData) + L"\\tlgame", first);

  // A data_dir switch that arrives later changes nothing any more.
  KRUI::CommandLineSwitches::Instance().ParseFrom(L"prog.exe --data_dir=elsewhere");
  ASSERT_EQ(L"elsewhere", KRUI::CommandLineSwitches::Instance().GetSwitch(L"data_dir"));
  EXPECT_EQ(first, KRUI::GetDataDirectory());
  // Not created by being computed.
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((first + L"\\cache_data").c_str()));
}
