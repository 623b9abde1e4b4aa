#include "browser/CefMainThreadCall.h"

#include <atomic>

namespace KRUI {
namespace {

const wchar_t kClassName[] = L"KRUI:CefMainThreadCall";
const UINT kRunMessage = WM_APP + 0x2F;

std::atomic<HWND> g_window{nullptr};
std::atomic<DWORD> g_thread{0};

LRESULT CALLBACK CallWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunMessage) {
    // Sent before the channel closed, served after: answered without running.
    if (g_window.load() != hwnd) return 0;
    auto* work = reinterpret_cast<const std::function<void()>*>(lParam);
    try {
      if (work && *work) (*work)();
    } catch (...) {
    }
    return 1;
  }
  if (message == WM_NCDESTROY) {
    HWND expected = hwnd;
    g_window.compare_exchange_strong(expected, nullptr);
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool CCefMainThreadCall::Prepare() {
  if (g_window.load()) return true;
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  if (!::GetClassInfoExW(instance, kClassName, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &CallWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!::RegisterClassExW(&wc)) return false;
  }
  HWND hwnd = ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!hwnd) return false;
  g_thread.store(::GetCurrentThreadId());
  g_window.store(hwnd);
  return true;
}

bool CCefMainThreadCall::Run(const std::function<void()>& work) {
  HWND hwnd = g_window.load();
  if (!hwnd) return false;
  if (::GetCurrentThreadId() == g_thread.load()) {
    try {
      work();
    } catch (...) {
    }
    return true;
  }
  return ::SendMessageW(hwnd, kRunMessage, 0, reinterpret_cast<LPARAM>(&work)) == 1;
}

void CCefMainThreadCall::Close() {
  HWND hwnd = g_window.exchange(nullptr);
  if (!hwnd) return;
  // Answers the messages already sent by other threads (without running their work) and
  // leaves posted ones alone.
  MSG msg;
  ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  ::DestroyWindow(hwnd);
}

}  // namespace KRUI
