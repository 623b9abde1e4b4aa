#include "cache/DeleteInternetExplorerCache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include "desktop/ShowMessagebox.h"
#include "ui/controls/TextControl.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/windows/NativeWindow.h"

KRUI_REGISTER_ELEMENT("DeleteInternetExplorerCache", CDeleteInternetExplorerCache);
const KRUI::ElementDeclaration CDeleteInternetExplorerCache::kDeclaration = {
    KRUI::kKindAction,
    "clears the internet cache; in the background it then shows the popup dialog dlg.msgbox2 over the window "
    "wnd.game, with its msgbox.title and msgbox.message filled (no notice when either is missing)",
    {&KRUI::CAction::kAttributes},
    {
        {"sync", KRUI::AttributeSyntax::kFlag, "true", 0, nullptr,
         "clear before returning; any other value clears in the background",
         KRUI::Into<&CDeleteInternetExplorerCache::sync_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("DeleteInternetExplorerCache", CDeleteInternetExplorerCache::kDeclaration);

namespace {

// The notice texts, in the Simplified Chinese code page.
constexpr unsigned kNoticeCodePage = 936;
const char kNoticeTitle[] = "\xC7\xE5\xC0\xED\xBB\xBA\xB4\xE6";                          // 清理缓存
const char kNoticeMessage[] = "\xC7\xE5\xC0\xED\xBB\xBA\xB4\xE6\xB3\xC9\xB9\xA6\xA3\xA1";  // 清理缓存成功！

// While the notice dialog runs for someone else, the notice is tried again this often.
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryMilliseconds = 250;

using UniqueUrlCacheFind = KRUI::UniqueHandle<KRUI::HandleTraits<HANDLE, ::FindCloseUrlCache>>;

// An entry buffer of the size the cache asked for, aligned for the entry record.
class EntryBuffer {
 public:
  explicit EntryBuffer(DWORD size) : bytes_(size / sizeof(INTERNET_CACHE_ENTRY_INFOW) + 1), size_(size) {}
  INTERNET_CACHE_ENTRY_INFOW* get() { return bytes_.data(); }
  DWORD* size() { return &size_; }
  DWORD capacity() const { return static_cast<DWORD>(bytes_.size() * sizeof(INTERNET_CACHE_ENTRY_INFOW)); }

 private:
  std::vector<INTERNET_CACHE_ENTRY_INFOW> bytes_;
  DWORD size_;
};

}  // namespace

// Hidden window of the thread that runs the action: the worker posts its completion here.
class CDeleteInternetExplorerCache::_NotifyWindow : public KRUI::CNativeWindow {
 public:
  explicit _NotifyWindow(CDeleteInternetExplorerCache& action) : action_(action) {}
  bool Create() {
    // A popup window's default position and size are 0, 0, 0, 0.
    return CreateNative(L"_DeleteInternetExplorerCacheNotifyWindow", CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                        WS_EX_TOOLWINDOW, L"", WS_POPUP, RECT{0, 0, 0, 0}, ::GetDesktopWindow()) != nullptr;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kCompletionMessage || (message == WM_TIMER && wParam == kRetryTimer)) {
      action_.OnCompletion();
      return 1;
    }
    return DefaultProc(message, wParam, lParam);
  }

 private:
  CDeleteInternetExplorerCache& action_;
};

CDeleteInternetExplorerCache::CDeleteInternetExplorerCache() = default;
CDeleteInternetExplorerCache::~CDeleteInternetExplorerCache() = default;

KRUI::ActionResult CDeleteInternetExplorerCache::Execute(KRUI::CEventx&) {
  if (sync_) {
    ClearUrlCache();
    return KRUI::ActionResult::Stop;
  }
  if (busy_) return KRUI::ActionResult::Stop;
  if (!notify_) {
    auto window = std::make_unique<_NotifyWindow>(*this);
    if (!window->Create()) return KRUI::ActionResult::Stop;  // nowhere to report to: nothing starts
    notify_ = std::move(window);
  }
  KRUI::UniqueKernelHandle thread(::CreateThread(nullptr, 0, &Worker, this, 0, nullptr));
  if (thread) busy_ = true;
  return KRUI::ActionResult::Stop;
}

unsigned long __stdcall CDeleteInternetExplorerCache::Worker(void* self) {
  auto* action = static_cast<CDeleteInternetExplorerCache*>(self);
  ClearUrlCache();
  ::PostMessageW(action->notify_->Handle(), kCompletionMessage, 0, 0);
  return 0;
}

void CDeleteInternetExplorerCache::OnCompletion() {
  // The notice dialog is already running (another question, say): it is left alone and
  // the notice comes once it has closed.
  const HWND notify = notify_->Handle();
  ::KillTimer(notify, kRetryTimer);
  if (!ShowCompletionNotice()) {
    ::SetTimer(notify, kRetryTimer, kRetryMilliseconds, nullptr);
    return;
  }
  busy_ = false;  // after the modal notice has been closed
}

void CDeleteInternetExplorerCache::ClearUrlCache() {
  DWORD size = 0;
  if (::FindFirstUrlCacheEntryW(nullptr, nullptr, &size) || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
    return;  // empty, or the cache cannot be read
  }
  auto buffer = std::make_unique<EntryBuffer>(size);
  // The cache may have changed since the size was asked for: only an enumeration that
  // started with this buffer names entries to delete.
  UniqueUrlCacheFind find(::FindFirstUrlCacheEntryW(nullptr, buffer->get(), buffer->size()));
  if (!find) return;
  for (;;) {
    ::DeleteUrlCacheEntryW(buffer->get()->lpszSourceUrlName);  // a locked entry stays
    for (;;) {
      *buffer->size() = buffer->capacity();
      if (::FindNextUrlCacheEntryW(find.get(), buffer->get(), buffer->size())) break;
      if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return;  // no more entries
      buffer = std::make_unique<EntryBuffer>(*buffer->size());
    }
  }
}

bool CDeleteInternetExplorerCache::ShowCompletionNotice() {
  KRUI::CLayoutLoader& loader = KRUI::CLayoutLoader::Instance();
  KRUI::CHostWindow* game = loader.FindTopLevelWindow("wnd.game");
  KRUI::CHostWindow* dialog = loader.FindTopLevelWindow("dlg.msgbox2");
  if (!game || !dialog) return true;
  if (dialog->GetHwnd()) return false;  // running: its texts are someone else's
  KRUI::CControl* root = dialog->GetRootControl();
  KRUI::CTextControl::SetChildText(root, kMessageboxTitleId, KRUI::CodePageToAnsi(kNoticeCodePage, kNoticeTitle));
  KRUI::CTextControl::SetChildText(root, kMessageboxMessageId, KRUI::CodePageToAnsi(kNoticeCodePage, kNoticeMessage));
  dialog->Create(game->GetHwnd());
  dialog->SetActive(true);
  dialog->Show(0, false);
  return true;
}
