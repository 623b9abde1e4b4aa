// "Win32ContextMenu": a pop-up menu built from its Win32MenuItem children when the host
// window is created. Command identifiers are group * 100 + the item's index; a command is
// handed only to the items of the menu whose group it names.
#pragma once
#include "ui/core/Handles.h"
#include "ui/core/Win32Component.h"

class CWin32ContextMenu : public KRUI::CWin32Component {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  // Pops the menu up one pixel right of and above the pointer; the choice comes back to
  // the host window as WM_COMMAND.
  void Show() override;

  HMENU Menu() const { return menu_.get(); }
  int Group() const { return group_; }

 private:
  void Build();

  int group_ = 0;
  KRUI::UniqueHmenu menu_;
};
