#include "support/TempDir.h"

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace KRUITest {
namespace {

void MakeFolders(const std::string& path) {
  for (size_t i = 3; i < path.size(); ++i) {
    if (path[i] == '\\') ::CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  ::CreateDirectoryA(path.c_str(), nullptr);
}

}  // namespace

TempDir::TempDir() {
  char base[MAX_PATH] = {0};
  ::GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    std::ostringstream name;
    name << base << "krui-" << ::GetCurrentProcessId() << "-" << ++counter << "-" << ::GetTickCount();
    if (::CreateDirectoryA(name.str().c_str(), nullptr)) {
      path_ = name.str();
      break;
    }
  }
}

TempDir::~TempDir() {
  // SHFileOperation wants a double-NUL-terminated list.
  std::string from = path_ + std::string(2, '\0');
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  ::SHFileOperationA(&op);
}

std::string TempDir::File(const std::string& relative) const {
  std::string rel = relative;
  for (char& c : rel)
    if (c == '/') c = '\\';
  return path_ + "\\" + rel;
}

std::string TempDir::Write(const std::string& relative, const std::string& bytes) const {
  std::string full = File(relative);
  size_t slash = full.rfind('\\');
  if (slash != std::string::npos) MakeFolders(full.substr(0, slash));
  std::ofstream out(full.c_str(), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool FileExists(const std::string& path) {
  DWORD a = ::GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES;
}

}  // namespace KRUITest
