#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLineSwitches.h"
#include "app/DataDirectory.h"
#include "cache/DeleteCefCache.h"
#include "cache/DeleteInternetExplorerCache.h"
#include "support/GdiplusSession.h"
#include "support/MessagePump.h"
#include "support/TempDir.h"
#include "ui/core/Paths.h"
#include "ui/controls/TextControl.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"
#include "ui/core/LayoutLoader.h"
#include "ui/windows/PopupHostDialog.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

::testing::Environment* const g_gdiplus = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

template <typename T>
std::unique_ptr<T> Make(const char* name, const AttributeMap& attributes) {
  CObjectx* object = nullptr;
  if (!CreateElement(name, &object)) return nullptr;
  std::unique_ptr<T> action(dynamic_cast<T*>(object));
  if (action) action->LoadAttributes(attributes);
  return action;
}

// ---- Chromium cache folders -------------------------------------------------------------

std::string Narrow(const std::wstring& w) { return WideToAnsi(w); }

// The data directory of this program: %APPDATA%\krui-cache-tests (set before its first use).
class CefCache : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    CommandLineSwitches::Instance().ParseFrom(L"tests.exe --data_dir=krui-cache-tests");
  }
  void SetUp() override {
    data = Narrow(GetDataDirectory());
    ASSERT_NE(std::string::npos, data.find("krui-cache-tests")) << data;
    cache = data + "\\cache_data";
    RemoveTree(data);
  }
  void TearDown() override { RemoveTree(data); }

  // Files made below the data directory, folders included.
  void Make(const std::vector<std::string>& files) {
    for (const std::string& f : files) Write(data + "\\" + f);
  }
  static void Write(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
      ::CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    }
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h) << path;
    DWORD written = 0;
    ::WriteFile(h, "x", 1, &written, nullptr);
    ::CloseHandle(h);
  }
  bool Exists(const std::string& relative) const {
    return ::GetFileAttributesA((data + "\\" + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  static void RemoveTree(const std::string& folder) {
    std::string from = folder + std::string(1, '\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&op);
  }
  bool Run(const AttributeMap& attributes) {
    auto action = ::Make<CDeleteCefCache>("DeleteCefCache", attributes);
    CEventx event(101, nullptr);
    return action->Execute(event);
  }

  std::string data;
  std::string cache;
};

TEST_F(CefCache, WithoutDirsEveryFileGoesAndTheFoldersStay) {
  Make({"cache_data\\index", "cache_data\\a\\f1", "cache_data\\a\\b\\c\\deep", "cache_data\\empty\\x",
        "keep.txt"});
  EXPECT_FALSE(Run({}));  // the handler goes on
  for (const char* gone : {"cache_data\\index", "cache_data\\a\\f1", "cache_data\\a\\b\\c\\deep", "cache_data\\empty\\x"}) {
    EXPECT_FALSE(Exists(gone)) << gone;
  }
  for (const char* kept : {"cache_data", "cache_data\\a\\b\\c", "cache_data\\empty", "keep.txt"}) {
    EXPECT_TRUE(Exists(kept)) << kept;
  }
  EXPECT_FALSE(Run({}));  // an empty cache, and then a missing one, change nothing
  RemoveTree(cache);
  EXPECT_FALSE(Run({}));
}

TEST_F(CefCache, DirsClearsExactlyTheListedFoldersInsideTheCache) {
  Make({"cache_data\\a\\1", "cache_data\\a\\sub\\2", "cache_data\\b\\3", "cache_data\\c\\4", "cache_data\\top",
        "cache_data\\d e\\5", "outside\\precious", "precious.txt"});
  EXPECT_FALSE(Run({{"dirs", ",a,,missing,b,"}}));
  EXPECT_FALSE(Exists("cache_data\\a\\1"));
  EXPECT_FALSE(Exists("cache_data\\a\\sub\\2"));
  EXPECT_FALSE(Exists("cache_data\\b\\3"));
  EXPECT_TRUE(Exists("cache_data\\a\\sub"));
  EXPECT_TRUE(Exists("cache_data\\c\\4"));
  EXPECT_TRUE(Exists("cache_data\\top"));
  EXPECT_FALSE(Exists("cache_data\\missing"));

  // Spaces belong to the names; names that lead out of the cache are refused.
  const std::string absolute = data + "\\outside";
  EXPECT_FALSE(Run({{"dirs", " d e,d e,..,..\\outside,a\\..\\..\\outside,\\outside," + absolute + ",C:outside"}}));
  EXPECT_FALSE(Exists("cache_data\\d e\\5"));
  EXPECT_TRUE(Exists("outside\\precious"));
  EXPECT_TRUE(Exists("precious.txt"));
  EXPECT_TRUE(Exists("cache_data\\c\\4"));
}

// The Unix name of an existing path under Wine; empty elsewhere.
std::string UnixPath(const std::string& path) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  auto unixName = reinterpret_cast<UnixName>(::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name"));
  char* name = unixName ? unixName(ThreadAnsiToWide(path).c_str()) : nullptr;
  const std::string result = name ? name : "";
  if (name) ::HeapFree(::GetProcessHeap(), 0, name);
  return result;
}

// Runs a command of the Unix shell beneath Wine, then waits for done(): Wine's handle of a
// Unix process may be signalled before the command has run.
bool UnixShell(const std::string& command, const std::function<bool()>& done) {
  std::string line = "sh -c \"" + command + "\"";
  STARTUPINFOA startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA("Z:\\bin\\sh", &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  for (int i = 0; i < 100 && !done(); ++i) ::Sleep(50);
  return done();
}

bool IsLink(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// A directory link at link leading to target: a symbolic link where the system makes one;
// Wine makes none (its call reports success), but a link of the Unix file system beneath
// shows as one.
bool MakeDirectoryLink(const std::string& link, const std::string& target) {
  if (::CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | 2) && IsLink(link)) return true;
  const size_t slash = link.rfind('\\');  // its folder exists, the link not yet
  const std::string folder = UnixPath(link.substr(0, slash)), to = UnixPath(target);
  return !folder.empty() && !to.empty() &&
         UnixShell("ln -s '" + to + "' '" + folder + "/" + link.substr(slash + 1) + "'", [&] { return IsLink(link); });
}

void RemoveDirectoryLink(const std::string& link) {
  if (::RemoveDirectoryA(link.c_str()) || !IsLink(link)) return;
  UnixShell("rm -f '" + UnixPath(link) + "'", [&] { return !IsLink(link); });
}

// The last part of a path's short (8.3) name; empty when the file system gives none.
std::string ShortName(const std::string& path) {
  char buffer[MAX_PATH] = {0};
  const DWORD n = ::GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
  const std::string shortPath(buffer, n < MAX_PATH ? n : 0);
  const std::string name = shortPath.substr(shortPath.rfind('\\') + 1);
  return name.find('~') == std::string::npos ? std::string() : name;
}

// Every spelling of a listed name the file system understands either stays in the cache or
// is refused; files outside the cache and in it survive every refused one.
TEST_F(CefCache, ListedNamesNeverLeadOutOfTheCache) {
  const std::string sibling = data + "-sibling";
  RemoveTree(sibling);
  Write(sibling + "\\precious");
  Make({"cache_data\\a\\1", "cache_data\\a\\sub\\2", "cache_data\\a long folder\\3", "cache_data\\b\\4",
        "outside\\precious", "outside\\deep\\precious", "precious.txt", "cache_data2\\precious"});
  // The links go first at the end: a tree removal would follow them.
  struct Links {
    std::vector<std::string> paths;
    ~Links() {
      for (const std::string& link : paths) RemoveDirectoryLink(link);
    }
  } links{{cache + "\\link", cache + "\\a\\mid"}};
  for (const std::string& link : links.paths) ASSERT_TRUE(MakeDirectoryLink(link, data + "\\outside")) << link;
  const std::string shortInside = ShortName(cache + "\\a long folder");
  const std::string shortData = ShortName(data);
  const std::string shortCache = ShortName(cache);

  const char* const kOut = "\x01";      // refused: empty
  const char* const kNotOut = "\x02";   // empty, or a folder inside the cache
  struct Row {
    std::string name;
    std::string folder;  // below the cache ("" for the cache itself), or kOut / kNotOut
  } rows[] = {
      // Steps out, in every separator spelling.
      {"a/../..", kOut}, {"x/../../..", kOut}, {"a/..\\..", kOut}, {"a\\../../outside", kOut},
      {"../outside", kOut}, {"..\\outside", kOut}, {"./../outside", kOut}, {"a/./../../outside", kOut},
      {"..", kOut}, {"../", kOut}, {"..\\", kOut}, {"a//..//..//outside", kOut},
      {"a/../../cache_data/../outside", kOut}, {"../cache_data2", kOut}, {"../../krui-cache-tests-sibling", kOut},
      // Absolute, rooted, drive, stream, UNC and device forms.
      {"/outside", kOut}, {"\\outside", kOut}, {"//server/share", kOut}, {"\\\\server\\share\\x", kOut},
      {"\\\\?\\" + data + "\\outside", kOut}, {"\\\\.\\" + data, kOut}, {"//?/C:/", kOut}, {"C:outside", kOut},
      {"C:\\", kOut}, {data + "\\outside", kOut}, {"a:b", kOut}, {"a::$DATA", kOut}, {"a/sub:stream", kOut},
      {"a*", kOut}, {"a?", kOut}, {"a\tb", kOut}, {"a|b", kOut},
      // Trailing dots and spaces.
      {".. ", kNotOut}, {"... ", kNotOut}, {"...", kNotOut}, {".. /outside", kOut}, {"..../outside", kOut},
      {"a./../..", kOut}, {"a /../../outside", kOut},
      // Links at the listed folder or on the way to it.
      {"link", kOut}, {"link/", kOut}, {"link/deep", kOut}, {"a/mid", kOut}, {"a/mid/deep", kOut},
      {"a/../link/deep", kOut},
      // Short names of folders outside, or reached through a step out.
      {"../../" + shortData + "/outside", kOut}, {"../" + shortCache + "/a", kOut},
      // Inside: the file system's own spellings of the cache's folders.
      {"a", "a"}, {"a/sub", "a\\sub"}, {"a\\sub/", "a\\sub"}, {"./a", "a"}, {"a/./sub", "a\\sub"},
      {"b/../a", "a"}, {"b\\..//a", "a"}, {"A/SUB", "a\\sub"}, {"a.", "a"}, {"a ", "a"}, {"a. .", "a"},
      {".", ""}, {"a/..", ""}, {"a/sub/../..", ""}, {"a long folder", "a long folder"},
      {shortInside, "a long folder"},
      // Nothing to clear.
      {"missing", kOut}, {"a/1", kOut}, {"a/missing/..", "a"},
  };
  const std::wstring cacheW = ThreadAnsiToWide(cache);
  for (const Row& row : rows) {
    if (row.name.empty()) continue;  // no short names on this file system
    const std::wstring listed = CDeleteCefCache::ListedFolder(cacheW, ThreadAnsiToWide(row.name));
    if (row.folder == kOut) {
      EXPECT_EQ(L"", listed) << row.name;
    } else if (row.folder == kNotOut) {
      EXPECT_TRUE(listed.empty() || IsSameOrBelowW(FinalPathW(listed), FinalPathW(cacheW))) << row.name;
    } else {
      const std::string expected = row.folder.empty() ? cache : cache + "\\" + row.folder;
      EXPECT_EQ(CSTR_EQUAL, ::CompareStringOrdinal(FinalPathW(listed).c_str(), -1,
                                                   FinalPathW(ThreadAnsiToWide(expected)).c_str(), -1, TRUE))
          << row.name << " -> " << WideToAnsi(listed);
    }
  }

  // The action with each name that is not let in: not one file goes, inside or out.
  for (const Row& row : rows) {
    if (row.folder != kOut || row.name.empty()) continue;
    EXPECT_FALSE(Run({{"dirs", row.name}})) << row.name;
  }
  for (const char* kept : {"cache_data\\a\\1", "cache_data\\a\\sub\\2", "cache_data\\a long folder\\3",
                           "cache_data\\b\\4", "outside\\precious", "outside\\deep\\precious", "precious.txt",
                           "cache_data2\\precious"}) {
    EXPECT_TRUE(Exists(kept)) << kept;
  }
  EXPECT_TRUE(FileExists(sibling + "\\precious"));
  // A short name and a step through "." reach what they name.
  EXPECT_FALSE(Run({{"dirs", shortInside + ",a/./sub"}}));
  EXPECT_FALSE(Exists("cache_data\\a long folder\\3"));
  EXPECT_FALSE(Exists("cache_data\\a\\sub\\2"));
  EXPECT_TRUE(Exists("cache_data\\a\\1"));
  RemoveTree(sibling);
}

TEST_F(CefCache, AFileInUseIsSkippedAndTheRestDeleted) {
  Make({"cache_data\\locked", "cache_data\\free1", "cache_data\\z\\free2"});
  HANDLE held = ::CreateFileA((cache + "\\locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  EXPECT_FALSE(Run({}));
  EXPECT_TRUE(Exists("cache_data\\locked"));
  EXPECT_FALSE(Exists("cache_data\\free1"));
  EXPECT_FALSE(Exists("cache_data\\z\\free2"));
  ::CloseHandle(held);
}

TEST(CefCacheDirs, SplitAtCommasWithinTheLimit) {
  const std::string x250(250, 'x');
  struct Row {
    std::string value;
    std::vector<std::string> dirs;
  } rows[] = {
      {",a,,b,", {"a", "b"}},
      {" a , b", {" a ", " b"}},
      {",,,", {}},
      {"", {}},
      {x250 + ",abcdef", {x250}},           // the name cut at 255 characters is dropped
      {x250 + ",abcd,e", {x250, "abcd"}},   // the cut falls on the comma after abcd
      {x250 + ",abcd", {x250, "abcd"}},     // exactly 255 characters
  };
  for (const Row& row : rows) {
    auto action = Make<CDeleteCefCache>("DeleteCefCache", {{"dirs", row.value}});
    EXPECT_EQ(row.dirs, action->Dirs()) << row.value.substr(0, 20);
  }
  auto action = Make<CDeleteCefCache>("DeleteCefCache", {{"dirs", "a"}});
  action->LoadAttributes({{"dirs", "b,c"}});  // read again, the list is replaced
  EXPECT_EQ((std::vector<std::string>{"b", "c"}), action->Dirs());
}

// ---- The system URL cache -----------------------------------------------------------------

void AddUrlCacheEntries(int count) {
  for (int i = 0; i < count; ++i) {
    const std::wstring url = L"http://cache.example/entry" + std::to_wstring(i);
    wchar_t file[MAX_PATH] = {0};
    ASSERT_TRUE(::CreateUrlCacheEntryW(url.c_str(), 0, L"txt", file, 0)) << ::GetLastError();
    HANDLE h = ::CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    DWORD written = 0;
    ::WriteFile(h, "cached", 6, &written, nullptr);
    ::CloseHandle(h);
    FILETIME never = {};
    ASSERT_TRUE(::CommitUrlCacheEntryW(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                       nullptr, nullptr))
        << ::GetLastError();
  }
}

int CountUrlCacheEntries() {
  DWORD size = 0;
  if (::FindFirstUrlCacheEntryW(nullptr, nullptr, &size) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return 0;
  std::vector<char> buffer(64 * 1024);
  auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
  size = static_cast<DWORD>(buffer.size());
  HANDLE find = ::FindFirstUrlCacheEntryW(nullptr, entry, &size);
  if (!find) return 0;
  int count = 1;
  for (size = static_cast<DWORD>(buffer.size()); ::FindNextUrlCacheEntryW(find, entry, &size);
       size = static_cast<DWORD>(buffer.size())) {
    ++count;
  }
  ::FindCloseUrlCache(find);
  return count;
}

// What the timer sees while a notice runs its modal loop: the texts, then it ends the run.
struct Notice {
  int shown = 0;
  std::string title;
  std::string message;
  HWND parent = nullptr;
};
Notice g_notice;
CPopupHostDialog* g_dialog = nullptr;

void CALLBACK WatchNotice(HWND, UINT, UINT_PTR, DWORD) {
  HWND hwnd = g_dialog ? g_dialog->GetHwnd() : nullptr;
  if (!hwnd || !::IsWindowVisible(hwnd) || ::GetPropW(hwnd, L"krui-seen")) return;
  ::SetPropW(hwnd, L"krui-seen", reinterpret_cast<HANDLE>(1));
  ++g_notice.shown;
  CControl* root = g_dialog->GetRootControl();
  g_notice.title = dynamic_cast<CTextControl*>(root->FindChild("msgbox.title"))->Text();
  g_notice.message = dynamic_cast<CTextControl*>(root->FindChild("msgbox.message"))->Text();
  g_notice.parent = ::GetWindow(hwnd, GW_OWNER);
  ::PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(InternetCache, SyncClearsBeforeReturningAndBackgroundReportsOnce) {
  AddUrlCacheEntries(40);  // enough entries for a buffer to be regrown on the way
  ASSERT_GE(CountUrlCacheEntries(), 40);
  auto sync = Make<CDeleteInternetExplorerCache>("DeleteInternetExplorerCache", {});
  ASSERT_TRUE(sync && sync->IsSync());
  EXPECT_TRUE(Make<CDeleteInternetExplorerCache>("DeleteInternetExplorerCache", {{"sync", "true"}})->IsSync());
  EXPECT_FALSE(Make<CDeleteInternetExplorerCache>("DeleteInternetExplorerCache", {{"sync", "TRUE"}})->IsSync());
  CEventx event(101, nullptr);
  EXPECT_TRUE(sync->Execute(event));  // always the last action of its handler
  EXPECT_EQ(0, CountUrlCacheEntries());
  EXPECT_FALSE(sync->IsBusy());

  // No layout loaded yet: the background run clears silently.
  ::SetTimer(nullptr, 0, 20, &WatchNotice);
  auto background = Make<CDeleteInternetExplorerCache>("DeleteInternetExplorerCache", {{"sync", "false"}});
  AddUrlCacheEntries(3);
  EXPECT_TRUE(background->Execute(event));
  EXPECT_TRUE(background->IsBusy());
  EXPECT_TRUE(PumpUntil([&] { return !background->IsBusy(); }, 5000));
  EXPECT_EQ(0, CountUrlCacheEntries());
  EXPECT_EQ(0, g_notice.shown);
  EXPECT_TRUE(::FindWindowW(L"_DeleteInternetExplorerCacheNotifyWindow", nullptr));

  // With the game window and the notice dialog: two quick runs give one worker, one notice.
  TempDir dir;
  ASSERT_TRUE(CLayoutLoader::Instance().Load(dir.Write("layout/layout.xml", R"(<LayoutRoot>
    <FrameHostWindow id="wnd.game" size="400,300"/>
    <PopupHostDialog id="dlg.msgbox2" size="300,160">
      <Layout id="page"><Text id="msgbox.title" text="old"/><Text id="msgbox.message"/></Layout>
    </PopupHostDialog></LayoutRoot>)")));
  CHostWindow* game = CLayoutLoader::Instance().FindTopLevelWindow("wnd.game");
  g_dialog = dynamic_cast<CPopupHostDialog*>(CLayoutLoader::Instance().FindTopLevelWindow("dlg.msgbox2"));
  ASSERT_TRUE(game && g_dialog);
  ASSERT_TRUE(game->Create(nullptr));
  AddUrlCacheEntries(5);
  EXPECT_TRUE(background->Execute(event));
  EXPECT_TRUE(background->Execute(event));
  EXPECT_TRUE(PumpUntil([&] { return !background->IsBusy(); }, 5000));
  PumpMessagesFor(300);  // a second notice would have come by now
  EXPECT_EQ(0, CountUrlCacheEntries());
  EXPECT_EQ(1, g_notice.shown);
  EXPECT_EQ(CodePageToAnsi(936, "\xC7\xE5\xC0\xED\xBB\xBA\xB4\xE6"), g_notice.title);
  EXPECT_EQ(CodePageToAnsi(936, "\xC7\xE5\xC0\xED\xBB\xBA\xB4\xE6\xB3\xC9\xB9\xA6\xA3\xA1"), g_notice.message);
  EXPECT_EQ(game->GetHwnd(), g_notice.parent);
  if (::GetACP() == 936) {
    EXPECT_EQ("\xC7\xE5\xC0\xED\xBB\xBA\xB4\xE6", g_notice.title);
  }

  // Once idle it runs again.
  EXPECT_TRUE(background->Execute(event));
  EXPECT_TRUE(PumpUntil([&] { return !background->IsBusy(); }, 5000));
  EXPECT_EQ(2, g_notice.shown);

  g_dialog = nullptr;
}

}  // namespace
