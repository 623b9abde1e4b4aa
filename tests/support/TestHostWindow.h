// A minimal host window for tests: a real (hidden unless shown) popup window whose
// procedure routes nothing; enough for paths, hit-test conversion and active flags.
#pragma once
#include <string>

#include "ui/core/HostWindow.h"
#include "ui/core/Handles.h"

namespace KRUITest {

class TestHostWindow : public KRUI::CHostWindow {
 public:
  HWND GetHwnd() override { return hwnd_.get(); }
  // Creates a popup at the window's pos/size (100,100 200x150 when unset).
  HWND Create(HWND parent) override;
  int Show(int command, bool) override;
  void Hide(int) override;

  int createCount = 0;

 private:
  KRUI::UniqueHwnd hwnd_;
};

}  // namespace KRUITest
