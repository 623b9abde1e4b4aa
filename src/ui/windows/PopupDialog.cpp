#include "ui/windows/PopupDialog.h"

#include "ui/windows/DialogTemplate.h"
#include "ui/windows/PopupHostDialog.h"
#include "ui/windows/WindowPainter.h"
#include "ui/windows/WindowPlacement.h"

namespace KRUI {
namespace {

// The dialog whose run is starting on this thread: the dialog parameter stays 0, so the
// first message picks its object up from here.
thread_local _PopupDialog* t_starting = nullptr;

// Messages whose answer a dialog procedure returns directly rather than in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_COMPAREITEM:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

}  // namespace

INT_PTR _PopupDialog::Run(HWND owner) {
  UniqueHglobal block = BuildDialogTemplate(host_.x_, host_.y_, host_.width_, host_.height_);
  if (!block) return -1;
  auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(::GlobalLock(block.get()));
  if (!dialogTemplate) return -1;
  t_starting = this;
  INT_PTR code = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, owner,
                                           &_PopupDialog::StaticDialogProc, 0);
  t_starting = nullptr;
  ::GlobalUnlock(block.get());
  hwnd_ = nullptr;
  return code;
}

INT_PTR CALLBACK _PopupDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<_PopupDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self && t_starting) {
    self = t_starting;
    t_starting = nullptr;
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return FALSE;
  LRESULT result = 0;
  bool consumed = false;
  try {
    consumed = self->DialogProc(hwnd, message, wParam, lParam, result);
  } catch (...) {
    consumed = false;
  }
  if (message == WM_NCDESTROY) ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
  if (!consumed) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

bool _PopupDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (host_.RouteWindowMessage(hwnd, message, wParam, lParam, result)) return true;
  if (tracker_.HandleMessage(hwnd, message, wParam, lParam, result)) return true;
  return HandleOwnMessage(hwnd, message, wParam, lParam, result);
}

bool _PopupDialog::HandleOwnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_INITDIALOG:
      // The template gave dialog units; the declared size is meant in pixels.
      ::SetWindowPos(hwnd, nullptr, 0, 0, host_.width_, host_.height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
      if (host_.center_) CenterTopLevelWindow(hwnd);
      restackAfterFirstPaint_ = true;
      host_.RaiseEvent(&host_, kWindowEventCreated);
      return true;  // 0: the system does not set the focus
    case WM_PAINT:
      PaintHostWindow(hwnd, host_, false);
      // Its owner's detached browser may have been raised over it while it was shown.
      if (restackAfterFirstPaint_) {
        restackAfterFirstPaint_ = false;
        RaiseAfterFirstPaint(hwnd);
      }
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(hwnd, LOWORD(wParam));
        return true;
      }
      return false;
    case WM_TIMER:
      ::KillTimer(hwnd, wParam);
      host_.RaiseEvent(&host_, kWindowEventTimer);
      return true;
    default:
      return false;
  }
}

}  // namespace KRUI
