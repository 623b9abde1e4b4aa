#include "app/DataDirectory.h"

#include <windows.h>
#include <shlobj.h>

#include "app/CommandLineSwitches.h"
#include "ui/core/Paths.h"

namespace KRUI {

std::wstring GetDataDirectory() {
  // First computed on the main thread during start-up; read-only afterwards.
  static std::wstring cached;
  if (!cached.empty()) return cached;

  wchar_t appData[MAX_PATH] = {0};
  // Left empty on failure: the directory is then the bare name, relative to the current folder.
  ::SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE);
  std::wstring name = CommandLineSwitches::Instance().GetSwitch(L"data_dir");
  if (name.empty()) name = L"tlgame";
  // Empty when it does not fit: a relative path would put the data below the current folder.
  cached = AppendPathW(appData, name);
  return cached;
}

}  // namespace KRUI
