#include "actions/ActionTestElements.h"

#include "support/AttributeReaders.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"

namespace KRUITest {

KRUI_REGISTER_ELEMENT("ActWindow", CActWindow);
KRUI_REGISTER_ELEMENT("ActDialog", CActDialog);
KRUI_REGISTER_ELEMENT("ActComponentWindow", CActComponentWindow);
KRUI_REGISTER_ELEMENT("ActComponent", CActComponent);
KRUI_REGISTER_ELEMENT("ActControl", CActControl);
KRUI_REGISTER_ELEMENT("ActBrowser", CActBrowser);

namespace {

const wchar_t kWindowClass[] = L"KRUI_ACT_WINDOW";
// A dialog ends by itself after this long, so a test that fails to end it cannot hang.
constexpr UINT_PTR kDialogSafetyTimer = 0x7A11;
constexpr int kDialogSafetyCode = -99;

}  // namespace

bool CActWindow::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CHostWindow::LoadAttributes(attributes);
  KRUI::ReadString(attributes, "name", name_);
  return true;
}

HWND CActWindow::Create(HWND parent) {
  calls.push_back("create");
  if (hwnd_) return hwnd_.get();
  static const bool registered = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    return ::RegisterClassW(&wc) != 0;
  }();
  (void)registered;
  createdWithParent = parent;
  hwnd_.reset(::CreateWindowExW(0, kWindowClass, L"act", WS_OVERLAPPEDWINDOW, 40, 40, 240, 160, parent,
                                nullptr, ::GetModuleHandleW(nullptr), this));
  return hwnd_.get();
}

int CActWindow::Show(int command, bool) {
  calls.push_back("show:" + std::to_string(command));
  if (!hwnd_) return 0;
  return ::ShowWindow(hwnd_.get(), command <= 0 ? SW_SHOW : command);
}

void CActWindow::Hide(int code) {
  calls.push_back("hide:" + std::to_string(code));
  if (hwnd_) ::ShowWindow(hwnd_.get(), SW_HIDE);
}

int CActWindow::Toggle(int command, int code) {
  calls.push_back("toggle:" + std::to_string(command) + "," + std::to_string(code));
  return CHostWindow::Toggle(command, code);
}

LRESULT CALLBACK CActWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CActWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->OnMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT CActWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      ++closeCount;
      return 0;
    case WM_TIMER:
      // Like the frame window: the first tick ends the timer and raises 103.
      ::KillTimer(hwnd, wParam);
      ticks.push_back(wParam);
      tickTimes.push_back(::GetTickCount());
      RaiseEvent(this, 103);
      return 0;
    case WM_SIZE:
      RaiseEvent(this, 104, static_cast<KRUI::EventParam>(wParam));
      break;
    default:
      if (message >= WM_USER) {
        userMessages.push_back(message);
        return 0;
      }
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool CActDialog::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CHostWindow::LoadAttributes(attributes);
  KRUI::ReadFlag(attributes, "modal", modal_);
  KRUI::ReadString(attributes, "click", click_);
  return true;
}

HWND CActDialog::Create(HWND parent) {
  ++createCount;
  parent_ = parent;
  return hwnd_;
}

int CActDialog::Show(int, bool) {
  if (!modal_) {
    endCodes.push_back(-1);
    return -1;
  }
  // An empty in-memory template: no menu, default class, no title, no controls.
  struct alignas(4) Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialog = {};
  dialog.header.style = WS_POPUP | WS_CAPTION;
  dialog.header.cx = 120;
  dialog.header.cy = 60;
  INT_PTR code = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &dialog.header, parent_, &DialogProc,
                                           reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  active_ = false;
  endCodes.push_back(static_cast<int>(code));
  return static_cast<int>(code);
}

void CActDialog::Hide(int code) {
  if (hwnd_) ::EndDialog(hwnd_, code);
}

void CActDialog::Close() {
  if (hwnd_) ::EndDialog(hwnd_, IDCANCEL);
}

INT_PTR CALLBACK CActDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      auto* self = reinterpret_cast<CActDialog*>(lParam);
      ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
      self->hwnd_ = hwnd;
      ::SetTimer(hwnd, kDialogSafetyTimer, 10000, nullptr);
      self->RaiseEvent(self, 101);
      if (KRUI::CControl* control = self->click_.empty() ? nullptr : self->FindControl(self->click_))
        control->RaiseEvent(control, 101);
      return TRUE;
    }
    if (message == WM_TIMER && wParam == kDialogSafetyTimer) {
      ::EndDialog(hwnd, kDialogSafetyCode);
      return TRUE;
    }
  } catch (...) {
  }
  return FALSE;
}

bool CActComponentWindow::AddComponent(KRUI::CWin32Component* component) {
  if (!component) return false;
  component->SetHostWindow(this);
  components_.push_back(component);
  return true;
}

KRUI::CWin32Component* CActComponentWindow::FindComponent(const std::string& id) {
  for (KRUI::CWin32Component* component : components_)
    if (component->Id() == id) return component;
  return nullptr;
}

void CActControl::SetVisible(bool visible) {
  calls.push_back(std::string("visible:") + (visible ? "1" : "0"));
  CControl::SetVisible(visible);
}

void CActControl::Invalidate() {
  calls.push_back("invalidate");
  CControl::Invalidate();
}

bool CActBrowser::Navigate(const std::string& url) {
  calls.push_back("navigate:" + url);
  return true;
}

bool CActBrowser::Stop() {
  calls.push_back("stop");
  return true;
}

bool CActBrowser::Refresh(bool ignoreCache) {
  calls.push_back(std::string("refresh:") + (ignoreCache ? "1" : "0"));
  return true;
}

}  // namespace KRUITest
