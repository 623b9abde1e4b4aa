// "FrameHostWindow": a borderless top-level window drawn entirely by its controls, dragged
// and resized through the hit-test codes they answer, optionally shaped by per-pixel alpha.
#pragma once
#include <memory>
#include <string>

#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"
#include "ui/windows/WindowMessageDispatcher.h"

namespace KRUI {

class _FrameWindow;

class CFrameHostWindow : public CHostWindow, public CWindowMessageDispatcher {
 public:
  CFrameHostWindow();
  ~CFrameHostWindow() override;

  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  bool IsLayered() const { return layered_; }
  const std::string& IconPath() const { return iconPath_; }
  HWND GetHwnd() override;
  // Creates the native window unless one is alive; a closed window comes back anew.
  HWND Create(HWND parent) override;
  // 0 uses "showdefault", -1 SW_SHOW; returns 1 when the window was visible before, -1
  // without a native window.
  int Show(int command, bool toFront) override;
  void Hide(int code) override;

  bool RouteWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  friend class _FrameWindow;

  // "icon": a path relative to the folder of the layout document being loaded, read at
  // once; a file that cannot be read gives none, a path too long keeps the icon there was.
  void SetIconPath(const std::string& path);

  std::unique_ptr<_FrameWindow> native_;
  std::string title_;
  std::string iconPath_;
  UniqueHicon icon_;
  bool layered_ = false;
  bool toolwindow_ = false;
  bool maximizebox_ = false;
  bool minimizebox_ = false;
  int showDefault_ = SW_SHOW;
};

}  // namespace KRUI
