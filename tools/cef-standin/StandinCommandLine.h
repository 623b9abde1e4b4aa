// The runtime's command-line object: the program, switches in the order they were given or
// appended (names matched case-insensitively, as the runtime does) and plain arguments.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

class CStandinCommandLine : public KRUI::CCefRefCounted {
 public:
  CStandinCommandLine();
  // Splits a Windows command line; "--name=value", "--name" and "-name" are switches, a lone
  // "--" ends the switches.
  void InitFromString(const std::wstring& commandLine);

  cef_command_line_t* Share() noexcept { return table_.Share(); }

  bool HasSwitch(const std::wstring& name) const;
  std::wstring GetSwitchValue(const std::wstring& name) const;
  void AppendSwitch(const std::wstring& name, const std::wstring& value);
  const std::vector<std::pair<std::wstring, std::wstring>>& Switches() const { return switches_; }
  std::wstring ToString() const;

 private:
  ~CStandinCommandLine() override = default;
  static CStandinCommandLine* FromSelf(cef_command_line_t* self) noexcept;

  static int CEF_CALLBACK IsValid(cef_command_line_t* self) noexcept;
  static int CEF_CALLBACK IsReadOnly(cef_command_line_t* self) noexcept;
  static void CEF_CALLBACK InitFromStringSlot(cef_command_line_t* self, const cef_string_t* line) noexcept;
  static cef_string_userfree_t CEF_CALLBACK GetCommandLineString(cef_command_line_t* self) noexcept;
  static cef_string_userfree_t CEF_CALLBACK GetProgram(cef_command_line_t* self) noexcept;
  static int CEF_CALLBACK HasSwitches(cef_command_line_t* self) noexcept;
  static int CEF_CALLBACK HasSwitchSlot(cef_command_line_t* self, const cef_string_t* name) noexcept;
  static cef_string_userfree_t CEF_CALLBACK GetSwitchValueSlot(cef_command_line_t* self,
                                                               const cef_string_t* name) noexcept;
  static void CEF_CALLBACK AppendSwitchSlot(cef_command_line_t* self, const cef_string_t* name) noexcept;
  static void CEF_CALLBACK AppendSwitchWithValue(cef_command_line_t* self, const cef_string_t* name,
                                                 const cef_string_t* value) noexcept;
  static int CEF_CALLBACK HasArguments(cef_command_line_t* self) noexcept;
  static void CEF_CALLBACK AppendArgument(cef_command_line_t* self, const cef_string_t* argument) noexcept;

  KRUI::CCefStruct<cef_command_line_t> table_;
  std::wstring program_;
  std::vector<std::pair<std::wstring, std::wstring>> switches_;
  std::vector<std::wstring> arguments_;
};

// Text of a borrowed runtime string (none is empty).
std::wstring FromCefString(const cef_string_t* s);
// A new caller-owned string, freed with cef_string_userfree_utf16_free.
cef_string_userfree_t NewUserfreeString(const std::wstring& text);

}  // namespace CefStandin
