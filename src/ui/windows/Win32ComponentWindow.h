// "Win32ComponentHostWindow": a hidden window that draws nothing. It owns the non-visual
// components (tray icon, hotkeys), gives them a native handle and offers them every message.
#pragma once
#include <vector>

#include "ui/core/HostWindow.h"
#include "ui/windows/NativeWindow.h"

namespace KRUI {

class CWin32ComponentWindow : public CNativeWindow, public CHostWindow {
 public:
  const ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const ElementDeclaration kDeclaration;
  HWND GetHwnd() override { return Handle(); }
  // Creates the hidden tool window under the desktop (the parent given is not used).
  HWND Create(HWND parent) override;
  // Never visible.
  int Show(int command, bool toFront) override { return -1; }
  void Hide(int) override {}
  bool AddComponent(CWin32Component* component) override;
  CWin32Component* FindComponent(const std::string& id) override;

  const std::vector<CWin32Component*>& Components() const { return components_; }

 protected:
  // Offered to the components in order; the first that handles it answers.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<CWin32Component*> components_;
};

}  // namespace KRUI
