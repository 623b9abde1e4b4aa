#include "StandinCommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include <cwctype>

namespace CefStandin {
namespace {

std::wstring Lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

std::wstring Quoted(const std::wstring& s) {
  if (!s.empty() && s.find_first_of(L" \t\"") == std::wstring::npos) return s;
  return L"\"" + s + L"\"";
}

}  // namespace

std::wstring FromCefString(const cef_string_t* s) {
  if (!s || !s->str) return std::wstring();
  return std::wstring(s->str, s->length);
}

CStandinCommandLine::CStandinCommandLine() : table_(this) {
  cef_command_line_t* t = table_.get();
  t->is_valid = &IsValid;
  t->is_read_only = &IsReadOnly;
  t->init_from_string = &InitFromStringSlot;
  t->get_command_line_string = &GetCommandLineString;
  t->get_program = &GetProgram;
  t->has_switches = &HasSwitches;
  t->has_switch = &HasSwitchSlot;
  t->get_switch_value = &GetSwitchValueSlot;
  t->append_switch = &AppendSwitchSlot;
  t->append_switch_with_value = &AppendSwitchWithValue;
  t->has_arguments = &HasArguments;
  t->append_argument = &AppendArgument;
}

void CStandinCommandLine::InitFromString(const std::wstring& commandLine) {
  program_.clear();
  switches_.clear();
  arguments_.clear();
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(commandLine.c_str(), &count);
  if (!argv) return;
  bool switchesEnded = false;
  for (int i = 0; i < count; ++i) {
    std::wstring arg = argv[i];
    if (i == 0) {
      program_ = arg;
      continue;
    }
    if (!switchesEnded && arg == L"--") {
      switchesEnded = true;
      continue;
    }
    if (switchesEnded || arg.size() < 2 || arg[0] != L'-') {
      arguments_.push_back(arg);
      continue;
    }
    std::wstring body = arg.substr(arg[1] == L'-' ? 2 : 1);
    size_t equals = body.find(L'=');
    if (equals == std::wstring::npos)
      AppendSwitch(body, std::wstring());
    else
      AppendSwitch(body.substr(0, equals), body.substr(equals + 1));
  }
  ::LocalFree(argv);
}

bool CStandinCommandLine::HasSwitch(const std::wstring& name) const {
  std::wstring key = Lower(name);
  for (const auto& s : switches_)
    if (Lower(s.first) == key) return true;
  return false;
}

std::wstring CStandinCommandLine::GetSwitchValue(const std::wstring& name) const {
  std::wstring key = Lower(name);
  for (const auto& s : switches_)
    if (Lower(s.first) == key) return s.second;
  return std::wstring();
}

void CStandinCommandLine::AppendSwitch(const std::wstring& name, const std::wstring& value) {
  // Like the runtime: a repeated switch keeps its place and takes the new value.
  std::wstring key = Lower(name);
  for (auto& s : switches_) {
    if (Lower(s.first) == key) {
      s.second = value;
      return;
    }
  }
  switches_.emplace_back(name, value);
}

std::wstring CStandinCommandLine::ToString() const {
  std::wstring line = Quoted(program_);
  for (const auto& s : switches_) line += L" --" + s.first + (s.second.empty() ? L"" : L"=" + Quoted(s.second));
  for (const auto& a : arguments_) line += L" " + Quoted(a);
  return line;
}

CStandinCommandLine* CStandinCommandLine::FromSelf(cef_command_line_t* self) noexcept {
  return static_cast<CStandinCommandLine*>(KRUI::CCefStruct<cef_command_line_t>::Owner(self));
}

int CEF_CALLBACK CStandinCommandLine::IsValid(cef_command_line_t*) noexcept { return 1; }
int CEF_CALLBACK CStandinCommandLine::IsReadOnly(cef_command_line_t*) noexcept { return 0; }

void CEF_CALLBACK CStandinCommandLine::InitFromStringSlot(cef_command_line_t* self, const cef_string_t* line) noexcept {
  try {
    FromSelf(self)->InitFromString(FromCefString(line));
  } catch (...) {
  }
}

cef_string_userfree_t CEF_CALLBACK CStandinCommandLine::GetCommandLineString(cef_command_line_t* self) noexcept {
  try {
    return NewUserfreeString(FromSelf(self)->ToString());
  } catch (...) {
    return nullptr;
  }
}

cef_string_userfree_t CEF_CALLBACK CStandinCommandLine::GetProgram(cef_command_line_t* self) noexcept {
  try {
    return NewUserfreeString(FromSelf(self)->program_);
  } catch (...) {
    return nullptr;
  }
}

int CEF_CALLBACK CStandinCommandLine::HasSwitches(cef_command_line_t* self) noexcept {
  return FromSelf(self)->switches_.empty() ? 0 : 1;
}

int CEF_CALLBACK CStandinCommandLine::HasSwitchSlot(cef_command_line_t* self, const cef_string_t* name) noexcept {
  try {
    return FromSelf(self)->HasSwitch(FromCefString(name)) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

cef_string_userfree_t CEF_CALLBACK CStandinCommandLine::GetSwitchValueSlot(cef_command_line_t* self,
                                                                           const cef_string_t* name) noexcept {
  try {
    return NewUserfreeString(FromSelf(self)->GetSwitchValue(FromCefString(name)));
  } catch (...) {
    return nullptr;
  }
}

void CEF_CALLBACK CStandinCommandLine::AppendSwitchSlot(cef_command_line_t* self, const cef_string_t* name) noexcept {
  try {
    FromSelf(self)->AppendSwitch(FromCefString(name), std::wstring());
  } catch (...) {
  }
}

void CEF_CALLBACK CStandinCommandLine::AppendSwitchWithValue(cef_command_line_t* self, const cef_string_t* name,
                                                             const cef_string_t* value) noexcept {
  try {
    FromSelf(self)->AppendSwitch(FromCefString(name), FromCefString(value));
  } catch (...) {
  }
}

int CEF_CALLBACK CStandinCommandLine::HasArguments(cef_command_line_t* self) noexcept {
  return FromSelf(self)->arguments_.empty() ? 0 : 1;
}

void CEF_CALLBACK CStandinCommandLine::AppendArgument(cef_command_line_t* self, const cef_string_t* argument) noexcept {
  try {
    FromSelf(self)->arguments_.push_back(FromCefString(argument));
  } catch (...) {
  }
}

}  // namespace CefStandin
