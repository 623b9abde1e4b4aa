#include "app/CommandLineSwitches.h"

#include <windows.h>
#include <shellapi.h>

namespace KRUI {
namespace {

// The vector CommandLineToArgvW allocates, given back with LocalFree.
class CArgv {
 public:
  explicit CArgv(const wchar_t* commandLine) noexcept : argv_(::CommandLineToArgvW(commandLine, &count_)) {}
  ~CArgv() {
    if (argv_) ::LocalFree(argv_);
  }
  CArgv(const CArgv&) = delete;
  CArgv& operator=(const CArgv&) = delete;
  wchar_t** get() const noexcept { return argv_; }
  int count() const noexcept { return count_; }

 private:
  int count_ = 0;
  wchar_t** argv_;
};

}  // namespace

CommandLineSwitches& CommandLineSwitches::Instance() {
  static CommandLineSwitches switches;
  return switches;
}

int CommandLineSwitches::Parse() { return ParseFrom(::GetCommandLineW()); }

int CommandLineSwitches::ParseFrom(const wchar_t* commandLine) {
  CArgv argv(commandLine);
  if (!argv.get()) return 0;
  for (int i = 0; i < argv.count(); ++i) AddArgument(argv.get()[i] ? argv.get()[i] : L"");
  return 1;
}

void CommandLineSwitches::AddArgument(const std::wstring& argument) {
  if (argument.size() < 2 || argument[0] != L'-') return;
  if (argument[1] == L'-') {
    std::wstring rest = argument.substr(2);
    size_t equals = rest.find(L'=');
    if (equals == std::wstring::npos) return;
    switches_[rest.substr(0, equals)] = rest.substr(equals + 1);
    return;
  }
  switches_[argument.substr(1)] = std::wstring();
}

std::wstring CommandLineSwitches::GetSwitch(const std::wstring& name) const {
  auto it = switches_.find(name);
  return it == switches_.end() ? std::wstring() : it->second;
}

bool CommandLineSwitches::Has(const std::wstring& name) const { return switches_.count(name) != 0; }

}  // namespace KRUI
