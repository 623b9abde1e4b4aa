#include "TestQuitWindow.h"

#include <fstream>

#include "app/Application.h"
#include "support/AttributeReaders.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"

KRUI_REGISTER_ELEMENT("TestQuitWindow", CTestQuitWindow);

namespace {
const wchar_t kClassName[] = L"KRUITestQuitWindow";
}

bool CTestQuitWindow::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CHostWindow::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "title", title_);
  KRUI::ReadString(attributes, "report", report_);
  KRUI::ReadInt(attributes, "quitcode", quitCode_);
  KRUI::ReadList(attributes, "bitmaps", bitmaps_);
  Report("loaded " + id_);
  return true;
}

void CTestQuitWindow::Report(const std::string& line) const {
  if (report_.empty()) return;
  std::ofstream out(report_.c_str(), std::ios::app | std::ios::binary);
  out << line << "\n";
}

HWND CTestQuitWindow::Create(HWND parent) {
  if (hwnd_) return hwnd_.get();
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  ::RegisterClassW(&wc);  // fails harmlessly when already registered
  hwnd_.reset(::CreateWindowExW(0, kClassName, KRUI::ThreadAnsiToWide(title_).c_str(),
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 120, parent, nullptr, instance,
                                nullptr));
  if (!hwnd_) return nullptr;
  ::SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  for (const std::string& id : bitmaps_)
    Report("bitmap " + id + "=" + (KRUI::BitmapTable::Instance().LookupBitmap(id) ? "1" : "0"));
  Report("created " + id_);
  return hwnd_.get();
}

int CTestQuitWindow::Show(int command, bool) {
  if (hwnd_) ::ShowWindow(hwnd_.get(), command);
  return 0;
}

void CTestQuitWindow::Hide(int) {
  if (hwnd_) ::ShowWindow(hwnd_.get(), SW_HIDE);
}

LRESULT CALLBACK CTestQuitWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CTestQuitWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_CLOSE && self) {
    // The way a closing browser ends the program: a quit posted to the UI thread by id.
    DWORD uiThread = KRUI::Application::Get() ? KRUI::Application::Get()->GetUiThreadId() : 0;
    try {
      self->Report(std::string("closing uithread=") + (uiThread == ::GetCurrentThreadId() ? "1" : "0"));
    } catch (...) {
    }
    ::ShowWindow(hwnd, SW_HIDE);
    ::PostThreadMessageW(uiThread, WM_QUIT, static_cast<WPARAM>(self->quitCode_), 0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}
