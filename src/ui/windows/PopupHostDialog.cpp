#include "ui/windows/PopupHostDialog.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/windows/PopupDialog.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("PopupHostDialog", CPopupHostDialog);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindWindow, "a dialog box, modal by default", {&::KRUI::kHostWindowAttributes},
    {
        {"modal", ::KRUI::AttributeSyntax::kFlag, "true", 0, nullptr, "runs its own loop until closed"},
        {"pwid", ::KRUI::AttributeSyntax::kWindowRef, "", 0, nullptr, "the owner window's id"},
    },
    {{101, "created"}, {103, "timer tick (param: timer id)"}},
    {}};
KRUI_DECLARE_ELEMENT("PopupHostDialog", kElementDeclaration);

CPopupHostDialog::CPopupHostDialog() = default;
CPopupHostDialog::~CPopupHostDialog() = default;

bool CPopupHostDialog::LoadAttributes(const AttributeMap& attributes) {
  CHostWindow::LoadAttributes(attributes);
  ReadFlag(attributes, "modal", modal_);
  ReadString(attributes, "pwid", pwid_);
  return true;
}

HWND CPopupHostDialog::GetHwnd() {
  HWND hwnd = dialog_ ? dialog_->Handle() : nullptr;
  return hwnd && ::IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CPopupHostDialog::Create(HWND parent) {
  if (!dialog_) dialog_.reset(new _PopupDialog(*this));
  parent_ = parent;
  return GetHwnd();
}

void CPopupHostDialog::Close() {
  if (HWND hwnd = GetHwnd()) ::EndDialog(hwnd, IDCANCEL);
}

int CPopupHostDialog::Show(int, bool) {
  // A timer, hotkey or tray event may ask again while the run is in progress: a second run
  // would take over the one native dialog and the first could never end.
  if (!dialog_ || !modal_ || running_) return -1;
  running_ = true;
  const INT_PTR code = dialog_->Run(parent_);
  running_ = false;
  active_ = false;
  return static_cast<int>(code);
}

void CPopupHostDialog::Hide(int code) {
  if (HWND hwnd = GetHwnd()) ::EndDialog(hwnd, code);
}

bool CPopupHostDialog::RouteWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return RouteToControls(root_, message, wParam, lParam, result);
}

}  // namespace KRUI
