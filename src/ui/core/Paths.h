// Path helpers: the shell's path functions over MAX_PATH buffers, which canonicalise
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

// GetFullPathNameW: the absolute path the file system will open for path ("." and ".."
// resolved, trailing dots and spaces of the last part dropped), without a trailing
// backslash unless it is a drive's root. Empty when it cannot be made.
std::wstring FullPathW(const std::wstring& path);
// The path of what opening path really reaches, links on the way followed and short (8.3)
// names made long (GetFinalPathNameByHandleW, without its "\\?\" prefix). Empty when it
// cannot be opened.
std::wstring FinalPathW(const std::wstring& path);
// True when path is folder or lies below it, compared by whole parts without regard to
// case; both are full paths.
bool IsSameOrBelowW(const std::wstring& path, const std::wstring& folder);

}  // namespace KRUI
