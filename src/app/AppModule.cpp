#include "app/AppModule.h"

namespace KRUI {

CAppModule& CAppModule::Instance() {
  static CAppModule module;
  return module;
}

bool CAppModule::Init(HINSTANCE instance) {
  instance_ = instance;
  initialized_ = true;
  return RegisterAxHostWindowClasses();
}

void CAppModule::Term() {
  if (!initialized_) return;
  UnregisterAxHostWindowClasses();
  initialized_ = false;
}

// No ActiveX element exists yet, so there is no host window class to register.
bool CAppModule::RegisterAxHostWindowClasses() { return true; }

void CAppModule::UnregisterAxHostWindowClasses() {}

}  // namespace KRUI
