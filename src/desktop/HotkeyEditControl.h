// "HotkeyEdit": an Edit whose native box takes no typing. It watches key presses and
// releases, shows the combination being pressed ("CTRL + ALT + A") and exchanges it as
// hotkey text ("ctrl_alt_65") through SetValue / GetValue.
#pragma once
#include <windows.h>

#include <set>
#include <string>

#include "desktop/HotkeyText.h"
#include "ui/controls/EditControl.h"

class CHotkeyEditControl : public KRUI::CEditControl {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  // Subclasses the native box as soon as the Edit has made it.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
  // The value text, the key code always last ("0" for none).
  std::string GetValue() override;
  // Takes a hotkey text; the keys currently held are left as they are.
  void SetValue(const std::string& text) override;

  const HotkeyCombination& Combination() const { return combination_; }
  std::string DisplayText() const { return FormatHotkeyDisplay(combination_); }

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Subclass();
  void OnKeyDown(unsigned key);
  void OnKeyUp(unsigned key);
  void Refresh();
  bool IsComplete() const { return combination_.key != 0; }

  HotkeyCombination combination_;
  std::set<unsigned> pressed_;
};
