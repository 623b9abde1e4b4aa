#include "support/TestBin.h"

#include <windows.h>

namespace KRUITest {

std::wstring TestBinFolderW() {
  wchar_t value[MAX_PATH] = {0};
  DWORD n = ::GetEnvironmentVariableW(L"KRUI_TEST_BIN", value, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::wstring();
  std::wstring path = value;
  if (path[0] == L'/') path = L"Z:" + path;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  while (!path.empty() && path.back() == L'\\') path.pop_back();
  return path;
}

std::string TestBinFolder() {
  const std::wstring wide = TestBinFolderW();
  // Test folders are plain ASCII paths; anything else would not survive CP_ACP anyway.
  std::string path;
  for (wchar_t c : wide) path += static_cast<char>(c < 0x80 ? c : '?');
  return path;
}

}  // namespace KRUITest
