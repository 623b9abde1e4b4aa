#include "BrowserTestSupport.h"

#include <windows.h>

namespace KRUITest {

std::wstring TestBinFolderW() {
  wchar_t value[MAX_PATH] = {0};
  DWORD n = ::GetEnvironmentVariableW(L"KRUI_TEST_BIN", value, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::wstring();
  std::wstring path = value;
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

CFakeCommandLine::CFakeCommandLine() : table_(this) { table_.get()->append_switch_with_value = &Append; }

void CEF_CALLBACK CFakeCommandLine::Append(cef_command_line_t* self, const cef_string_t* name,
                                           const cef_string_t* value) noexcept {
  auto* line = static_cast<CFakeCommandLine*>(KRUI::CCefStruct<cef_command_line_t>::Owner(self));
  line->appended.emplace_back(std::wstring(name->str, name->length), std::wstring(value->str, value->length));
}

}  // namespace KRUITest
