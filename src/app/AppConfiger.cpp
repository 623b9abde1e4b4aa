#include "app/AppConfiger.h"

#include <windows.h>

#include "ui/core/Paths.h"

namespace KRUI {

std::string CAppConfiger::ConfigPathFor(const std::string& modulePath) {
  // Without the executable's path "..\..\conf.dat" would name the drive root's file.
  if (modulePath.empty()) return std::string();
  // PathAppendA canonicalises "..": <root>\bin\launcher.exe\..\..\conf.dat -> <root>\conf.dat
  return AppendPath(modulePath, "..\\..\\conf.dat");
}

CAppConfiger& CAppConfiger::Instance() {
  static CAppConfiger* configer = new CAppConfiger(ConfigPathFor(ModuleFilePath()));
  return *configer;
}

std::string CAppConfiger::Read(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
  if (path_.empty()) return std::string();
  char value[MAX_PATH] = {0};
  DWORD n = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), value, MAX_PATH,
                                       path_.c_str());
  if (n >= MAX_PATH) n = MAX_PATH - 1;
  return std::string(value, n);
}

void CAppConfiger::Write(const std::string& section, const std::string& key, const std::string& value) const {
  if (path_.empty()) return;
  ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

}  // namespace KRUI
