#include "ui/windows/FrameHostWindow.h"

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/LayoutLoader.h"
#include "ui/windows/FrameWindow.h"
#include "ui/windows/WindowPlacement.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("FrameHostWindow", CFrameHostWindow);
const ElementDeclaration CFrameHostWindow::kDeclaration = {
    kKindWindow, "a top-level window without a system frame", {&CHostWindow::kAttributes},
    {
        {"title", AttributeSyntax::kText, "", 0, nullptr, "taskbar title", Into<&CFrameHostWindow::title_>()},
        {"icon", AttributeSyntax::kPath, "", 0, nullptr,
         ".ico file, relative to the layout folder; a file that cannot be read, or a path longer than the system's "
         "limit, gives no icon",
         Via<&CFrameHostWindow::SetIconPath, &CFrameHostWindow::IconPath>()},
        {"layered", AttributeSyntax::kFlag, "false", 0, nullptr, "per-pixel alpha (layered window)",
         Into<&CFrameHostWindow::layered_>()},
        {"toolwindow", AttributeSyntax::kFlag, "false", 0, nullptr, "no taskbar button",
         Into<&CFrameHostWindow::toolwindow_>()},
        {"maximizebox", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&CFrameHostWindow::maximizebox_>()},
        {"minimizebox", AttributeSyntax::kFlag, "false", 0, nullptr, "", Into<&CFrameHostWindow::minimizebox_>()},
        {"showdefault", AttributeSyntax::kInteger, "5", 0, nullptr,
         "the ShowWindow command used when a ShowWindow action shows it with cmd 0 (5 shows, 3 maximises)",
         Into<&CFrameHostWindow::showDefault_>()},
    },
    {{kWindowEventCreated, "created", "the native window was made (again when a closed window is shown anew)"},
     {kWindowEventTimer, "timer", "a timer of the window went off (each goes off once)"},
     {kWindowEventSize, "resized", "param: the size type of WM_SIZE (0 restored, 1 minimised, 2 maximised)"},
     {kWindowEventCloseRequest, "close requested", "the system's close (Alt+F4, taskbar); the window stays open"}},
    {}};
KRUI_DECLARE_ELEMENT("FrameHostWindow", CFrameHostWindow::kDeclaration);

CFrameHostWindow::CFrameHostWindow() = default;
CFrameHostWindow::~CFrameHostWindow() = default;

void CFrameHostWindow::SetIconPath(const std::string& path) {
  iconPath_ = path;
  icon_.reset(CLayoutLoader::LoadDocumentIcon(path));
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
