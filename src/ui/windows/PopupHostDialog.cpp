#include "ui/windows/PopupHostDialog.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/windows/PopupDialog.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("PopupHostDialog", CPopupHostDialog);
const ElementDeclaration CPopupHostDialog::kDeclaration = {
    kKindWindow, "a dialog box, modal by default", {&CHostWindow::kAttributes},
    {
        {"modal", AttributeSyntax::kFlag, "true", 0, nullptr,
         "shown by running its own loop until it ends; a dialog that is not modal is never shown",
         Into<&CPopupHostDialog::modal_>()},
        {"pwid", AttributeSyntax::kText, "", 0, nullptr,
         "kept with the dialog; nothing reads it (the owner comes from the action that shows the dialog)",
         Into<&CPopupHostDialog::pwid_>()},
    },
    {{kWindowEventCreated, "created", "the dialog was made, each time it is shown, before it appears"},
     {kWindowEventTimer, "timer", "a timer of the dialog went off (each goes off once)"}},
    {}};
KRUI_DECLARE_ELEMENT("PopupHostDialog", CPopupHostDialog::kDeclaration);

CPopupHostDialog::CPopupHostDialog() = default;
CPopupHostDialog::~CPopupHostDialog() = default;

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
