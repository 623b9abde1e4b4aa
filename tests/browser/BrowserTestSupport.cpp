#include "BrowserTestSupport.h"

#include <windows.h>

namespace KRUITest {

CFakeCommandLine::CFakeCommandLine() : table_(this) { table_.get()->append_switch_with_value = &Append; }

void CEF_CALLBACK CFakeCommandLine::Append(cef_command_line_t* self, const cef_string_t* name,
                                           const cef_string_t* value) noexcept {
  auto* line = static_cast<CFakeCommandLine*>(KRUI::CCefStruct<cef_command_line_t>::Owner(self));
  line->appended.emplace_back(std::wstring(name->str, name->length), std::wstring(value->str, value->length));
}

}  // namespace KRUITest
