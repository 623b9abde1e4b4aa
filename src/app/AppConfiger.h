// Read and write access to conf.dat, the private-profile (INI) file in the installation
// root. Nothing is cached: every call goes to the file.
#pragma once
#include <string>

namespace KRUI {

class CAppConfiger {
 public:
  // The process's instance, for <installation root>\conf.dat; created on first use and
  // never destroyed.
  static CAppConfiger& Instance();
  // <modulePath>\..\..\conf.dat, or empty when the executable's path is unknown (too long)
  // or the result does not fit MAX_PATH: the configuration is then unset.
  static std::string ConfigPathFor(const std::string& modulePath);

  // An instance for another file; an empty path reads defaults and writes nothing.
  explicit CAppConfiger(const std::string& path) : path_(path) {}
  virtual ~CAppConfiger() = default;

  // The stored value, or defaultValue when the key is missing; at most 259 characters.
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const;
  // Stores value; the file is created on the first write. Failures are silent.
  void Write(const std::string& section, const std::string& key, const std::string& value) const;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace KRUI
