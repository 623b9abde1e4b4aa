#include <windows.h>

#include <gtest/gtest.h>

#include "BrowserTestSupport.h"
#include "browser/CefLibrary.h"
#include "browser/CefStringField.h"
#include "support/TempDir.h"

using KRUI::CCefLibrary;

namespace {

// Sets the current folder for one scope.
class CCurrentFolder {
 public:
  explicit CCurrentFolder(const std::wstring& folder) {
    ::GetCurrentDirectoryW(MAX_PATH, previous_);
    ::SetCurrentDirectoryW(folder.c_str());
  }
  ~CCurrentFolder() { ::SetCurrentDirectoryW(previous_); }

 private:
  wchar_t previous_[MAX_PATH] = {0};
};

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

TEST(CefLibrary, LoadsOnlyFromTheGivenFolderByFullPath) {
  const std::wstring bin = KRUITest::TestBinFolderW();
  ASSERT_FALSE(bin.empty()) << "KRUI_TEST_BIN not set";
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((bin + L"\\libcef.dll").c_str()));

  {
    // A libcef.dll in the current folder (and beside this program) must not be taken for
    // one missing from the folder we ask for.
    KRUITest::TempDir empty;
    CCurrentFolder cwd(bin);
    CCefLibrary library;
    EXPECT_FALSE(library.Load(Widen(empty.Path())));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_FALSE(library.ApiHashMatches());
    EXPECT_EQ(nullptr, library.initialize);
  }

  CCefLibrary library;
  ASSERT_TRUE(library.Load(bin));
  EXPECT_TRUE(library.IsLoaded());
  EXPECT_TRUE(library.ApiHashMatches());
  wchar_t loadedFrom[MAX_PATH] = {0};
  ::GetModuleFileNameW(::GetModuleHandleW(L"libcef.dll"), loadedFrom, MAX_PATH);
  EXPECT_EQ(0, ::lstrcmpiW((bin + L"\\libcef.dll").c_str(), loadedFrom));

  EXPECT_STREQ(KRUI::kCefApiHash, library.api_hash(0));
  ASSERT_NE(nullptr, library.version_info);
  EXPECT_EQ(3359, library.version_info(4));
  EXPECT_NE(nullptr, library.execute_process);
  EXPECT_NE(nullptr, library.shutdown);
  EXPECT_NE(nullptr, library.post_delayed_task);
  EXPECT_NE(nullptr, library.currently_on);
  EXPECT_NE(nullptr, library.browser_host_create_browser);
  EXPECT_NE(nullptr, library.cookie_manager_get_global_manager);
  EXPECT_NE(nullptr, library.string_userfree_utf16_free);
}

TEST(CefLibrary, StringFieldIsCopiedAndClearedAtScopeEnd) {
  CCefLibrary library;
  ASSERT_TRUE(library.Load(KRUITest::TestBinFolderW()));
  cef_settings_t settings = {};
  std::wstring path = L"C:\\users\\x\\AppData\\Roaming\\tlgame\\cache_data";
  {
    KRUI::CCefStringField field(library, settings.cache_path);
    ASSERT_TRUE(field.Set(path));
    ASSERT_NE(nullptr, settings.cache_path.str);
    EXPECT_NE(path.c_str(), settings.cache_path.str);  // a copy the library owns
    EXPECT_NE(nullptr, settings.cache_path.dtor);
    EXPECT_EQ(path, std::wstring(settings.cache_path.str, settings.cache_path.length));
  }
  EXPECT_EQ(nullptr, settings.cache_path.str);
  EXPECT_EQ(0u, settings.cache_path.length);
  EXPECT_EQ(nullptr, settings.cache_path.dtor);
}
