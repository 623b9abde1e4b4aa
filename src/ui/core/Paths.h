// Path helpers: the shell's ANSI path functions over MAX_PATH buffers, which canonicalise
// ".." segments. A result that would not fit MAX_PATH is an empty string, never an overflow.
#pragma once
#include <string>

namespace KRUI {

// Full path of the running executable (GetModuleFileNameA).
std::string ModuleFilePath();
// PathAppendA(base, more).
std::string AppendPath(const std::string& base, const std::string& more);
// PathCombineA(dir, file).
std::string CombinePath(const std::string& dir, const std::string& file);
// The folder that holds a file: PathCombineA(path, "..").
std::string ParentFolder(const std::string& path);
// The installation root: the folder that holds the executable's folder.
std::string InstallationRoot();

std::wstring AppendPathW(const std::wstring& base, const std::wstring& more);
std::wstring CombinePathW(const std::wstring& dir, const std::wstring& file);
std::wstring ModuleFolderW();

}  // namespace KRUI
