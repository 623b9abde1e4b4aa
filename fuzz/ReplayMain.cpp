// The regression replay: feeds every file named on the command line (or found in a folder
// named there) to the harness once, in name order, without any fuzzing engine. A finding
// ends the process as it did when the fuzzer found it; no input at all is a failure too (a
// wrong folder would otherwise pass).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"

namespace {

void Collect(const std::string& path, std::vector<std::string>& files) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    files.push_back(path);
    return;
  }
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> found;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) found.push_back(path + "\\" + entry.cFileName);
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
  std::sort(found.begin(), found.end());
  files.insert(files.end(), found.begin(), found.end());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) Collect(argv[i], files);
  if (files.empty()) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 2;
  }
  for (const std::string& file : files) {
    std::ifstream in(file.c_str(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("replay: %s (%u bytes)\n", file.c_str(), static_cast<unsigned>(bytes.size()));
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("replay: %u inputs, no finding\n", static_cast<unsigned>(files.size()));
  return 0;
}
