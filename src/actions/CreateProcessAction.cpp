#include "actions/CreateProcessAction.h"

#include <windows.h>

#include <vector>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Handles.h"
#include "ui/core/Paths.h"

namespace KRUI {

KRUI_REGISTER_ELEMENT("CreateProcess", CCreateProcessAction);
const ElementDeclaration CCreateProcessAction::kDeclaration = {
    kKindAction, "starts a program and leaves it running", {&CAction::kAttributes},
    {
        // Not cut: a path that does not fit MAX_PATH with the executable's folder starts nothing.
        {"filepath", AttributeSyntax::kPath, "", 0, nullptr,
         "the program, relative to the executable's folder (bin), where ..\\ steps up; a path that does "
         "not fit 260 characters with that folder starts nothing",
         Into<&CCreateProcessAction::filePath_>()},
        {"cmdline", AttributeSyntax::kText, "", 0, nullptr, "its command line, passed unchanged",
         Into<&CCreateProcessAction::commandLine_>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("CreateProcess", CCreateProcessAction::kDeclaration);

ActionResult CCreateProcessAction::Execute(CEventx&) {
  // "<exe path>\.." is the executable's folder; PathAppendA resolves "..\" steps in filepath.
  const std::string module = ModuleFilePath();
  if (module.empty()) return ActionResult::Continue;  // the executable's own path is too long
  std::string program = AppendPath(AppendPath(module, ".."), filePath_);
  if (program.empty()) return ActionResult::Continue;  // the path does not fit MAX_PATH

  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> commandLine(commandLine_.begin(), commandLine_.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
    UniqueKernelHandle process(info.hProcess);
    UniqueKernelHandle thread(info.hThread);
  }
  return ActionResult::Continue;
}

}  // namespace KRUI
