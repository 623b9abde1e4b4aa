// Helpers of the browser tests: the build's bin folder and a fake runtime command line.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"
#include "support/TestBin.h"

namespace KRUITest {

// A command line that records appended switches and counts the references it hands out.
class CFakeCommandLine : public KRUI::CCefRefCounted {
 public:
  CFakeCommandLine();
  cef_command_line_t* Share() { return table_.Share(); }
  std::vector<std::pair<std::wstring, std::wstring>> appended;

 private:
  ~CFakeCommandLine() override = default;
  static void CEF_CALLBACK Append(cef_command_line_t* self, const cef_string_t* name,
                                  const cef_string_t* value) noexcept;
  KRUI::CCefStruct<cef_command_line_t> table_;
};

}  // namespace KRUITest
