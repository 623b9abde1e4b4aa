#include "app/AppModule.h"

#include "browser/AxHostWindowClass.h"

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

bool CAppModule::RegisterAxHostWindowClasses() { return CAxHostWindowClass::Register(instance_); }

void CAppModule::UnregisterAxHostWindowClasses() { CAxHostWindowClass::Unregister(instance_); }

}  // namespace KRUI
