// A program for the action tests: records how it was started. It writes its command line
// and its current folder, one per line, to "<its own path>.txt", complete or not at all.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH] = {0};
  DWORD n = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  char folder[MAX_PATH] = {0};
  DWORD m = ::GetCurrentDirectoryA(MAX_PATH, folder);
  if (m == 0 || m >= MAX_PATH) return 1;

  const std::string record = std::string(self) + ".txt";
  const std::string partial = record + ".part";
  {
    std::ofstream out(partial.c_str(), std::ios::binary | std::ios::trunc);
    out << ::GetCommandLineA() << "\n" << folder << "\n";
    if (!out) return 1;
  }
  return ::MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
