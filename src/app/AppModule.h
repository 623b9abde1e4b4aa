// The module-level set-up that an ATL/WTL program gets from its module object: the module
// instance for window classes, and the ActiveX host window classes the system web browser
// control is created in. Initialised before the Chromium runtime, terminated after it.
#pragma once
#include <windows.h>

namespace KRUI {

class CAppModule {
 public:
  static CAppModule& Instance();

  // Records the instance and registers the ActiveX host window classes.
  bool Init(HINSTANCE instance);
  // Unregisters what Init registered.
  void Term();

  HINSTANCE GetModuleInstance() const { return instance_; }
  bool IsInitialized() const { return initialized_; }

 private:
  // Hook for the ActiveX browser control: the host window classes ("AtlAxWin140",
  // "AtlAxWinLic140") are registered here, so they exist before the first control is made.
  bool RegisterAxHostWindowClasses();
  void UnregisterAxHostWindowClasses();

  HINSTANCE instance_ = nullptr;
  bool initialized_ = false;
};

}  // namespace KRUI
