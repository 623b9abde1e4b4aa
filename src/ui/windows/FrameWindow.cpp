#include "ui/windows/FrameWindow.h"

#include <string>

#include "ui/core/Encoding.h"
#include "ui/windows/FrameHostWindow.h"
#include "ui/windows/WindowPainter.h"
#include "ui/windows/WindowPlacement.h"

namespace KRUI {
namespace {

const wchar_t kClassName[] = L"_HOSTINNER_FRAMEWINDOW";
constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;

}  // namespace

HWND _FrameWindow::Create(HWND parent) {
  RECT rect = {host_.x_, host_.y_, host_.x_ + host_.width_, host_.y_ + host_.height_};
  // Never WS_VISIBLE: WM_CREATE shows the window when "visible" says so.
  DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (host_.maximizebox_) style |= WS_MAXIMIZEBOX;
  if (host_.minimizebox_) style |= WS_MINIMIZEBOX;
  const DWORD exStyle = host_.toolwindow_ ? WS_EX_TOOLWINDOW : 0;
  const std::wstring title = ThreadAnsiToWide(host_.title_);
  HWND hwnd = CreateNative(kClassName, kClassStyle, exStyle, title.empty() ? nullptr : title.c_str(), style,
                           rect, parent);
  if (hwnd && host_.icon_) {
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(host_.icon_.get()));
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(host_.icon_.get()));
  }
  return hwnd;
}

LRESULT _FrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (host_.RouteWindowMessage(Handle(), message, wParam, lParam, result)) return result;
  if (tracker_.HandleMessage(Handle(), message, wParam, lParam, result)) return result;
  if (HandleOwnMessage(message, wParam, lParam, result)) return result;
  return DefaultProc(message, wParam, lParam);
}

bool _FrameWindow::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return true;
    case WM_SIZE:
      host_.RaiseEvent(&host_, kWindowEventSize, static_cast<EventParam>(wParam));
      return true;
    case WM_PAINT:
      PaintHostWindow(Handle(), host_, host_.layered_);
      if (restackAfterFirstPaint_) {
        restackAfterFirstPaint_ = false;
        RaiseAfterFirstPaint(Handle());
      }
      return true;
    case WM_ERASEBKGND:
      result = 1;  // never erased: the paint covers the whole client area
      return true;
    case WM_CLOSE:
      // Reached only when no control took the close (a browser first closes its page).
      ::ShowWindow(Handle(), SW_HIDE);
      ::DestroyWindow(Handle());
      return true;
    case WM_DESTROY:
      return true;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return true;
    case WM_TIMER:
      // One-shot timers: the window kills each one at its first tick.
      ::KillTimer(Handle(), wParam);
      host_.RaiseEvent(&host_, kWindowEventTimer);
      return true;
    case WM_SYSCOMMAND:
      if (wParam != SC_CLOSE) return false;
      // The system close never closes by itself: the handlers decide.
      host_.RaiseEvent(&host_, kWindowEventCloseRequest);
      return true;
    default:
      return false;
  }
}

void _FrameWindow::OnCreate() {
  restackAfterFirstPaint_ = true;
  if (host_.visible_) ::ShowWindow(Handle(), SW_SHOW);
  if (host_.center_) CenterTopLevelWindow(Handle());
  host_.RaiseEvent(&host_, kWindowEventCreated);
}

void _FrameWindow::OnGetMinMaxInfo(MINMAXINFO* info) {
  if (!info) return;
  info->ptMinTrackSize.x = host_.minWidth_;
  info->ptMinTrackSize.y = host_.minHeight_;
  info->ptMaxSize.x = ::GetSystemMetrics(SM_CXFULLSCREEN) + ::GetSystemMetrics(SM_CXDLGFRAME);
  info->ptMaxSize.y = ::GetSystemMetrics(SM_CYFULLSCREEN) + ::GetSystemMetrics(SM_CYDLGFRAME) +
                      ::GetSystemMetrics(SM_CYCAPTION);
}

}  // namespace KRUI
