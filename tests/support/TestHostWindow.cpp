#include "support/TestHostWindow.h"

namespace KRUITest {
namespace {

const wchar_t kClass[] = L"KRUI_TEST_HOST";

void RegisterClassOnce() {
  static bool done = false;
  if (done) return;
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  ::RegisterClassW(&wc);
  done = true;
}

}  // namespace

HWND TestHostWindow::Create(HWND parent) {
  ++createCount;
  if (hwnd_ && ::IsWindow(hwnd_.get())) return hwnd_.get();
  RegisterClassOnce();
  int w = width_ > 0 ? width_ : 200, h = height_ > 0 ? height_ : 150;
  int x = (x_ || y_) ? x_ : 100, y = (x_ || y_) ? y_ : 100;
  hwnd_.reset(::CreateWindowExW(0, kClass, L"test", WS_POPUP, x, y, w, h, parent, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr));
  return hwnd_.get();
}

int TestHostWindow::Show(int command, bool) {
  if (!hwnd_) return -1;
  return ::ShowWindow(hwnd_.get(), command == 0 ? SW_SHOW : command) ? 1 : 0;
}

void TestHostWindow::Hide(int) {
  if (hwnd_) ::ShowWindow(hwnd_.get(), SW_HIDE);
}

}  // namespace KRUITest
