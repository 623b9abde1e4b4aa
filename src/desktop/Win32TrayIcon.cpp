#include "desktop/Win32TrayIcon.h"

#include <cwchar>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

KRUI_REGISTER_ELEMENT("Win32TrayIcon", CWin32TrayIcon);
const KRUI::ElementDeclaration CWin32TrayIcon::kDeclaration = {
    KRUI::kKindComponent, "a notification-area icon", {&KRUI::CWin32Component::kAttributes},
    {
        {"icon", KRUI::AttributeSyntax::kPath, "", 0, nullptr,
         ".ico file, relative to the layout folder, loaded when the element is read; one that cannot be loaded "
         "leaves the icon without an image",
         KRUI::Via<&CWin32TrayIcon::SetIcon, &CWin32TrayIcon::IconPath>()},
        {"tip", KRUI::AttributeSyntax::kText, "", 0, nullptr, "tooltip; one of 128 bytes or more is ignored",
         KRUI::Via<&CWin32TrayIcon::SetTip, &CWin32TrayIcon::Tip>(), kTrayTipLimit - 1},
    },
    {{kTrayDoubleClickEvent, "double-clicked", "left-button double-click on the icon"},
     {kTrayRightClickEvent, "right-clicked", "right button released over the icon"}},
    {}};
KRUI_DECLARE_ELEMENT("Win32TrayIcon", CWin32TrayIcon::kDeclaration);

namespace {

// Message, icon, tip, and the tip shown as the standard tool tip.
constexpr UINT kRecordFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;

// Broadcast to top-level windows when the taskbar has been made again, without our icon.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

void CWin32TrayIcon::SetIcon(const std::string& path) {
  iconPath_ = path;
  icon_.reset(KRUI::CLayoutLoader::LoadDocumentIcon(path));
}

void CWin32TrayIcon::SetTip(const std::string& tip) {
  if (tip.size() < kTrayTipLimit) tip_ = tip;
}

LRESULT CWin32TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT result = CWin32Component::HandleMessage(message, wParam, lParam, handled);
  if (handled) return result;
  if (message == WM_CREATE) {
    TaskbarCreatedMessage();  // registered before the first broadcast can come
    if (visible_) Show();
  } else if (message == WM_DESTROY) {
    // The shell forgets an icon only when asked: none is left behind by a closed launcher.
    if (shown_) Hide();
    shown_ = false;
  } else if (message == TaskbarCreatedMessage() && message != 0) {
    if (shown_) Add();  // the new taskbar has lost the icon that was shown
  } else if (message == kTrayCallbackMessage) {
    // The low word of lParam is the mouse message seen over the icon.
    switch (LOWORD(lParam)) {
      case WM_LBUTTONDBLCLK:
        RaiseEvent(this, kTrayDoubleClickEvent);
        break;
      case WM_RBUTTONUP:
        RaiseEvent(this, kTrayRightClickEvent);
        break;
      default:
        break;
    }
  }
  return 0;
}

NOTIFYICONDATAW CWin32TrayIcon::MakeRecord(bool withTip) {
  NOTIFYICONDATAW record = {};
  // The size of the structure this build was compiled with (976 bytes on x64, 956 on x86).
  record.cbSize = sizeof(record);
  record.hWnd = host_ ? host_->GetHwnd() : nullptr;
  record.uID = 0;
  record.uFlags = kRecordFlags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon_.get();
  if (withTip) {
    const std::wstring tip = KRUI::ThreadAnsiToWide(tip_);
    // Fewer than 128 bytes never make more than 127 units; cut anyway, never overflow.
    const size_t n = tip.size() < ARRAYSIZE(record.szTip) ? tip.size() : ARRAYSIZE(record.szTip) - 1;
    std::wmemcpy(record.szTip, tip.data(), n);
    record.szTip[n] = L'\0';
  }
  return record;
}

void CWin32TrayIcon::Show() {
  CWin32Component::Show();  // the host window exists from here on
  Add();
}

void CWin32TrayIcon::Add() {
  NOTIFYICONDATAW record = MakeRecord(true);
  // The shell refuses to add an icon it holds already: then it is shown all the same.
  shown_ = ::Shell_NotifyIconW(NIM_ADD, &record) != FALSE || ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

void CWin32TrayIcon::Hide() {
  NOTIFYICONDATAW record = MakeRecord(false);
  // A failed removal leaves a shown icon shown; it never makes a hidden one count as shown
  // (Toggle would then only ever try to remove it).
  const bool removed = ::Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
  shown_ = shown_ && !removed;
}

void CWin32TrayIcon::Toggle(int, int) {
  if (shown_) {
    Hide();
  } else {
    Show();
  }
}
