// The switches given on the command line, as wide strings: --name=value sets name to value
// (a later one wins), -name sets name with an empty value, --name without '=' adds nothing.
#pragma once
#include <map>
#include <string>

namespace KRUI {

class CommandLineSwitches {
 public:
  // The process's table, created on first use (thread-safe), filled by Parse() at start-up.
  static CommandLineSwitches& Instance();

  // Reads GetCommandLineW(); 1 on success, 0 when the line cannot be split (table unchanged).
  int Parse();
  // The same for any command line (the first element is the program, as usual).
  int ParseFrom(const wchar_t* commandLine);

  // The value stored for name, or an empty string.
  std::wstring GetSwitch(const std::wstring& name) const;
  bool Has(const std::wstring& name) const;
  const std::map<std::wstring, std::wstring>& Switches() const { return switches_; }

 private:
  void AddArgument(const std::wstring& argument);

  std::map<std::wstring, std::wstring> switches_;
};

}  // namespace KRUI
