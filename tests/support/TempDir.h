// A temporary folder for one test, removed with everything in it at the end.
#pragma once
#include <string>

namespace KRUITest {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Full ANSI path of the folder (no trailing backslash).
  const std::string& Path() const { return path_; }
  // Path of a file below the folder; '/' in relative is turned into '\\'.
  std::string File(const std::string& relative) const;
  // Writes bytes to a file below the folder, creating missing folders; returns its path.
  std::string Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::string path_;
};

// Reads a whole file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace KRUITest
