// "Win32Hotkey": one system-wide hotkey whose combination is read from conf.dat
// ("config-group" section, "config-key" key). Registered when the host window is created
// and again on message 2001, given up with the window; presses raise 201 and 202 in turn.
#pragma once
#include <windows.h>

#include <string>

#include "ui/core/Win32Component.h"

// Sent to the component host window to make every hotkey re-read its combination.
constexpr UINT kHotkeyReloadMessage = 2001;
constexpr int kHotkeyOddPressEvent = 201;
constexpr int kHotkeyEvenPressEvent = 202;

class CWin32Hotkey : public KRUI::CWin32Component {
 public:
  CWin32Hotkey();
  ~CWin32Hotkey() override;

  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  // -1 while nothing was registered.
  int RegistrationId() const { return registrationId_; }
  int PressCount() const { return pressCount_; }
  unsigned Modifiers() const { return modifiers_; }
  unsigned KeyCode() const { return keyCode_; }

 private:
  void Register();
  void Unregister();
  void DeleteAtom();
  void OnHotkey();
  // This element's own identifier from the global atom table (0 when none could be had).
  ATOM Atom();

  std::string group_;
  std::string key_;
  int registrationId_ = -1;
  int pressCount_ = 0;
  unsigned modifiers_ = 0;
  unsigned keyCode_ = 0;
  ATOM atom_ = 0;
  unsigned ordinal_;
};
