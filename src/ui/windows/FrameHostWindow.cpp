#include "ui/windows/FrameHostWindow.h"

#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"
#include "ui/windows/FrameWindow.h"
#include "ui/windows/WindowPlacement.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("FrameHostWindow", CFrameHostWindow);
static const ::KRUI::ElementDeclaration kElementDeclaration = {
    ::KRUI::kKindWindow, "a top-level window without a system frame", {&::KRUI::kHostWindowAttributes},
    {
        {"title", ::KRUI::AttributeSyntax::kText, "", 0, nullptr, "taskbar title"},
        {"icon", ::KRUI::AttributeSyntax::kPath, "", 260, nullptr, ".ico file, relative to the layout folder"},
        {"layered", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, "per-pixel alpha (layered window)"},
        {"toolwindow", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, "no taskbar button"},
        {"maximizebox", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"minimizebox", ::KRUI::AttributeSyntax::kFlag, "false", 0, nullptr, ""},
        {"showdefault", ::KRUI::AttributeSyntax::kInteger, "5", 0, nullptr, "ShowWindow command when first shown"},
    },
    {{101, "created"}, {103, "timer tick (param: timer id)"}, {104, "resized (param: size type)"}, {105, "close requested"}},
    {}};
KRUI_DECLARE_ELEMENT("FrameHostWindow", kElementDeclaration);

CFrameHostWindow::CFrameHostWindow() = default;
CFrameHostWindow::~CFrameHostWindow() = default;

bool CFrameHostWindow::LoadAttributes(const AttributeMap& attributes) {
  CHostWindow::LoadAttributes(attributes);
  ReadString(attributes, "title", title_);
  std::string icon;
  if (ReadString(attributes, "icon", icon)) {
    // Relative to the folder of the layout document being loaded.
    std::string path = AppendPath(ParentFolder(CLayoutLoader::DocumentPath()), icon);
    if (!path.empty()) {
      icon_.reset(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), ThreadAnsiToWide(path).c_str(),
                                                  IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    }
  }
  ReadFlag(attributes, "layered", layered_);
  ReadFlag(attributes, "toolwindow", toolwindow_);
  ReadFlag(attributes, "maximizebox", maximizebox_);
  ReadFlag(attributes, "minimizebox", minimizebox_);
  ReadInt(attributes, "showdefault", showDefault_);
  return true;
}

HWND CFrameHostWindow::GetHwnd() {
  HWND hwnd = native_ ? native_->Handle() : nullptr;
  return hwnd && ::IsWindow(hwnd) ? hwnd : nullptr;
}

HWND CFrameHostWindow::Create(HWND parent) {
  if (!GetHwnd()) {
    // The object is reused, never replaced: a window closed and re-opened by its own
    // handler still has that handler's message on the stack of the old object's procedure.
    if (!native_) native_.reset(new _FrameWindow(*this));
    native_->Create(parent);
  }
  return GetHwnd();
}

int CFrameHostWindow::Show(int command, bool toFront) {
  HWND hwnd = GetHwnd();
  if (!hwnd) return -1;
  const int show = command == 0 ? showDefault_ : command == -1 ? SW_SHOW : command;
  const BOOL wasVisible = ::ShowWindow(hwnd, show);
  if (toFront) BringToForeground(hwnd);
  return wasVisible ? 1 : 0;
}

void CFrameHostWindow::Hide(int) {
  if (HWND hwnd = GetHwnd()) ::ShowWindow(hwnd, SW_HIDE);
}

bool CFrameHostWindow::RouteWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return RouteToControls(root_, message, wParam, lParam, result);
}

}  // namespace KRUI
