// One browser of the stand-in runtime, with the tables the program reaches it through
// (browser, host, main frame and one sub-frame: a new wrapper at every crossing), and its
// window: made on the runtime's UI thread under the parent the program named (a window of
// another thread, as with the real runtime), painting the URL it shows. The runtime keeps
// every browser in its registry until the process ends, so the journal can tell how many
// wrappers the program still holds.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinBrowser : public KRUI::CCefRefCounted {
 public:
  // Registers a browser (not yet created) for client (whose reference it takes over).
  static CStandinBrowser* Add(const cef_window_info_t& info, cef_client_t* client, const std::wstring& url,
                              bool popup);
  static int Count();
  static CStandinBrowser* At(int index);
  // References the program holds on every registered browser.
  static long ProgramReferences();
  static int OpenCount();
  // Requested, still to be made, and not given up.
  static int PendingCount();
  // Shutdown, on the UI thread: destroys the window of every browser still open (its
  // OnBeforeClose comes as for any close); returns how many there were.
  static int DestroyOpen();
  // Drops what the runtime still holds (clients of browsers that never came) at shutdown.
  static void DropAll();

  // On the UI thread: makes the window, delivers on_after_created, loads the first page.
  void CreateOnUiThread();
  // UI thread work of the tables and the test hooks.
  void Load(const std::wstring& url, bool mainFrame);
  void Close(bool force, const char* cause);
  void Popup(const std::wstring& url, size_t length, bool withText, int disposition);
  void ContextMenu();
  void Download(const std::wstring& suggestedName);

  HWND Window() const { return window_; }
  int Id() const { return id_; }
  long ProgramRefs() const;
  // Runs work on the UI thread after delayMs, holding this browser meanwhile with a
  // reference kept apart from the program's; false (and nothing held) when the thread does
  // not run.
  bool RunOnUiThread(std::function<void(CStandinBrowser*)> work, long long delayMs = 0);

 private:
  enum class State { kPending, kOpen, kClosing, kClosed };

  CStandinBrowser(const cef_window_info_t& info, cef_client_t* client, const std::wstring& url, bool popup);
  ~CStandinBrowser() override;

  // A new wrapper for the program, with its reference.
  cef_browser_t* ShareBrowser();
  cef_browser_host_t* ShareHost();
  cef_frame_t* ShareFrame(bool main);
  void HoldForWork();
  void EndWork();
  void OnWindowDestroyed();
  std::wstring Url();
  void RegisterWindowClass();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  static CStandinBrowser* FromSelf(const cef_browser_t* self) noexcept;
  static CStandinBrowser* FromSelf(const cef_browser_host_t* self) noexcept;
  static CStandinBrowser* FromSelf(const cef_frame_t* self) noexcept;
  static bool IsMainFrame(const cef_frame_t* self) noexcept;
  // The slots every wrapper of a kind carries.
  static const cef_browser_t& BrowserSlots();
  static const cef_browser_host_t& HostSlots();
  static const cef_frame_t& FrameSlots();

  // cef_browser_t
  static cef_browser_host_t* CEF_CALLBACK GetHost(cef_browser_t* self) noexcept;
  static int CEF_CALLBACK CanGo(cef_browser_t* self) noexcept;
  static int CEF_CALLBACK IsLoading(cef_browser_t* self) noexcept;
  static void CEF_CALLBACK Reload(cef_browser_t* self) noexcept;
  static void CEF_CALLBACK ReloadIgnoreCache(cef_browser_t* self) noexcept;
  static void CEF_CALLBACK StopLoad(cef_browser_t* self) noexcept;
  static int CEF_CALLBACK GetIdentifier(cef_browser_t* self) noexcept;
  static int CEF_CALLBACK IsSame(cef_browser_t* self, cef_browser_t* that) noexcept;
  static int CEF_CALLBACK IsPopup(cef_browser_t* self) noexcept;
  static int CEF_CALLBACK HasDocument(cef_browser_t* self) noexcept;
  static cef_frame_t* CEF_CALLBACK GetMainFrame(cef_browser_t* self) noexcept;
  static size_t CEF_CALLBACK GetFrameCount(cef_browser_t* self) noexcept;
  // cef_browser_host_t
  static cef_browser_t* CEF_CALLBACK HostGetBrowser(cef_browser_host_t* self) noexcept;
  static void CEF_CALLBACK CloseBrowser(cef_browser_host_t* self, int force) noexcept;
  static HWND CEF_CALLBACK GetWindowHandle(cef_browser_host_t* self) noexcept;
  static cef_client_t* CEF_CALLBACK GetClient(cef_browser_host_t* self) noexcept;
  static int CEF_CALLBACK HasView(cef_browser_host_t* self) noexcept;
  // cef_frame_t (main and sub-frame tables)
  static int CEF_CALLBACK FrameIsValid(cef_frame_t* self) noexcept;
  static void CEF_CALLBACK FrameLoadUrl(cef_frame_t* self, const cef_string_t* url) noexcept;
  static int CEF_CALLBACK FrameIsMain(cef_frame_t* self) noexcept;
  static int64 CEF_CALLBACK FrameGetIdentifier(cef_frame_t* self) noexcept;
  static cef_frame_t* CEF_CALLBACK FrameGetParent(cef_frame_t* self) noexcept;
  static cef_string_userfree_t CEF_CALLBACK FrameGetUrl(cef_frame_t* self) noexcept;
  static cef_browser_t* CEF_CALLBACK FrameGetBrowser(cef_frame_t* self) noexcept;

  const int id_;
  const bool popup_;
  cef_window_info_t info_;  // strings not kept
  cef_client_t* client_;    // the runtime's reference, dropped when the browser closes
  HWND window_ = nullptr;
  std::atomic<State> state_{State::kPending};  // written on the UI thread only
  bool aliveRef_ = true;           // the runtime's reference of an open browser
  mutable std::mutex countMutex_;  // the count and workRefs_ read together
  long workRefs_ = 0;
  std::mutex urlMutex_;
  std::wstring url_;
};

}  // namespace CefStandin
