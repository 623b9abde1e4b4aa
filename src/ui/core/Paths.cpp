#include "ui/core/Paths.h"

#include <windows.h>
#include <shlwapi.h>

namespace KRUI {

std::string ModuleFilePath() {
  char buf[MAX_PATH] = {0};
  DWORD n = ::GetModuleFileNameA(nullptr, buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  return std::string(buf, n);
}

std::string AppendPath(const std::string& base, const std::string& more) {
  if (base.size() >= MAX_PATH) return std::string();
  char buf[MAX_PATH] = {0};
  base.copy(buf, base.size());
  if (!::PathAppendA(buf, more.c_str())) return std::string();
  return buf;
}

std::string CombinePath(const std::string& dir, const std::string& file) {
  char buf[MAX_PATH] = {0};
  if (!::PathCombineA(buf, dir.empty() ? nullptr : dir.c_str(), file.empty() ? nullptr : file.c_str()))
    return std::string();
  return buf;
}

std::string ParentFolder(const std::string& path) { return CombinePath(path, ".."); }

std::string InstallationRoot() {
  const std::string module = ModuleFilePath();
  return module.empty() ? std::string() : AppendPath(module, "..\\..\\");
}

std::wstring AppendPathW(const std::wstring& base, const std::wstring& more) {
  if (base.size() >= MAX_PATH) return std::wstring();
  wchar_t buf[MAX_PATH] = {0};
  base.copy(buf, base.size());
  if (!::PathAppendW(buf, more.c_str())) return std::wstring();
  return buf;
}

std::wstring CombinePathW(const std::wstring& dir, const std::wstring& file) {
  wchar_t buf[MAX_PATH] = {0};
  if (!::PathCombineW(buf, dir.empty() ? nullptr : dir.c_str(), file.empty() ? nullptr : file.c_str()))
    return std::wstring();
  return buf;
}

std::wstring ModuleFolderW() {
  wchar_t buf[MAX_PATH] = {0};
  DWORD n = ::GetModuleFileNameW(nullptr, buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::wstring();
  ::PathRemoveFileSpecW(buf);
  return buf;
}

}  // namespace KRUI
