#include "windows/WindowTestElements.h"

#include "actions/ActionTargets.h"
#include "support/AttributeReaders.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/GdiPlus.h"
#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"

namespace KRUITest {

KRUI_REGISTER_ELEMENT("Box", BoxControl);
KRUI_REGISTER_ELEMENT("EndOwner", EndOwnerAction);
KRUI_REGISTER_ELEMENT("SendOwner", SendOwnerAction);
KRUI_REGISTER_ELEMENT("EditMaker", EditMakerControl);
KRUI_REGISTER_ELEMENT("Grabber", GrabberComponent);

std::vector<std::string>& GrabberLog() {
  static std::vector<std::string> log;
  return log;
}


bool EndOwnerAction::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadInt(attributes, "code", code_);
  return true;
}

KRUI::ActionResult EndOwnerAction::Execute(KRUI::CEventx& event) {
  if (KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event)) owner->Hide(code_);
  return KRUI::ActionResult::Continue;
}

bool SendOwnerAction::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CAction::LoadAttributes(attributes);
  KRUI::ReadInt(attributes, "message", message_);
  return true;
}

KRUI::ActionResult SendOwnerAction::Execute(KRUI::CEventx& event) {
  KRUI::CHostWindow* owner = KRUI::OwnerWindowOf(event);
  if (HWND hwnd = owner ? owner->GetHwnd() : nullptr) ::SendMessageW(hwnd, static_cast<UINT>(message_), 0, 0);
  return KRUI::ActionResult::Continue;
}

LRESULT EditMakerControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (message == WM_INITDIALOG && host_ && host_->GetHwnd()) {
    ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host_->GetHwnd(), nullptr,
                      ::GetModuleHandleW(nullptr), nullptr);
  }
  return CControl::HandleMessage(message, wParam, lParam, handled);
}

bool GrabberComponent::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CWin32Component::LoadAttributes(attributes);
  KRUI::ReadInt(attributes, "takes", takes_);
  KRUI::ReadInt(attributes, "answer", answer_);
  return true;
}

LRESULT GrabberComponent::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  LRESULT r = CWin32Component::HandleMessage(message, wParam, lParam, handled);
  if (handled) return r;
  if (static_cast<int>(message) != takes_) return 0;
  GrabberLog().push_back(id_ + ":" + std::to_string(message));
  handled = true;
  return answer_;
}

std::vector<std::string>& BoxLog() {
  static std::vector<std::string> log;
  return log;
}

bool BoxControl::LoadAttributes(const KRUI::AttributeMap& attributes) {
  CControl::LoadAttributes(attributes);
  hasColor_ = KRUI::ReadColor(attributes, "color", color_);
  KRUI::ReadFlag(attributes, "clicks", clicks_);
  return true;
}

LRESULT BoxControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  switch (message) {
    case KRUI::MSG_PAINT:
      if (hasColor_) {
        KRUI::UniqueGpGraphics graphics;
        Gdiplus::DllExports::GdipCreateFromHDC(reinterpret_cast<HDC>(wParam), graphics.put());
        KRUI::UniqueGpBrush brush;
        Gdiplus::DllExports::GdipCreateSolidFill(color_, reinterpret_cast<Gdiplus::GpSolidFill**>(brush.put()));
        Gdiplus::DllExports::GdipFillRectangleI(graphics.get(), brush.get(), left_, top_, width_, height_);
      }
      break;
    case WM_MOUSEHOVER:
      BoxLog().push_back(id_ + ":hover");
      if (clicks_) {
        CControl::HandleMessage(message, wParam, lParam, handled);
        handled = true;
        return 0;
      }
      break;
    case WM_MOUSELEAVE:
      BoxLog().push_back(id_ + ":leave");
      break;
    case WM_LBUTTONUP:
      if (clicks_) {
        BoxLog().push_back(id_ + ":click");
        handled = true;
        RaiseEvent(this, 101);
        return 0;
      }
      break;
  }
  return CControl::HandleMessage(message, wParam, lParam, handled);
}

}  // namespace KRUITest
