#include "ui/core/Paths.h"

#include <windows.h>
#include <shlwapi.h>

#include "ui/core/Handles.h"

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

std::wstring FullPathW(const std::wstring& path) {
  if (path.empty()) return std::wstring();
  std::wstring full(MAX_PATH, L'\0');
  DWORD n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
  if (n >= full.size()) {  // too small: n is the size needed, terminator included
    full.assign(n, L'\0');
    n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (n >= full.size()) return std::wstring();
  }
  full.resize(n);
  while (full.size() > 3 && full.back() == L'\\') full.pop_back();
  return full;
}

std::wstring FinalPathW(const std::wstring& path) {
  // No access asked for: only the name of what it reaches. Folders need backup semantics.
  HANDLE opened = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::wstring();
  UniqueKernelHandle file(opened);
  std::wstring final(MAX_PATH, L'\0');
  DWORD n = ::GetFinalPathNameByHandleW(file.get(), &final[0], static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
  if (n >= final.size()) {
    final.assign(n + 1, L'\0');
    n = ::GetFinalPathNameByHandleW(file.get(), &final[0], static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
    if (n >= final.size()) return std::wstring();
  }
  final.resize(n);
  if (final.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\" + final.substr(7);
  if (final.compare(0, 4, L"\\\\?\\") == 0) final.erase(0, 4);
  return final;
}

bool IsSameOrBelowW(const std::wstring& path, const std::wstring& folder) {
  if (folder.empty() || path.size() < folder.size()) return false;
  if (::CompareStringOrdinal(path.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                             static_cast<int>(folder.size()), TRUE) != CSTR_EQUAL) {
    return false;
  }
  // C:\x\cache_data2 is not below C:\x\cache_data; a drive's root ends in its separator.
  return path.size() == folder.size() || folder.back() == L'\\' || path[folder.size()] == L'\\';
}

}  // namespace KRUI
